#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

#include "editor/char_tool.h"
#include "widgets/surface_view.h"

namespace kelvara::testing {

// The window's drawing flags, which only the tests may read and set: CharTool befriends this.
struct WindowInternals {
    static Int16& draw_flg(CharTool& w) { return w.draw_flg; }
    static Int16 face_front_flg(const CharTool& w) { return w.face_front_flg; }
};

// The main window's controls, found by their object names as a user's script would: the window
// keeps them private.
struct WindowControls {
    explicit WindowControls(CharTool& window) : w(window) {}

    template <typename T>
    T* find(const QString& object_name) const {
        T* child = w.findChild<T*>(object_name);
        EXPECT_NE(child, nullptr) << object_name.toStdString();
        return child;
    }
    template <typename T, std::size_t N>
    std::array<T*, N> find_array(const char* base_name) const {
        std::array<T*, N> found{};
        for (std::size_t i = 0; i < N; ++i) {
            found[i] = find<T>(QStringLiteral("%1(%2)").arg(QLatin1String(base_name)).arg(i));
        }
        return found;
    }

    CharTool& w;
    QScrollBar* face_type = find<QScrollBar>("face_type");
    QScrollBar* hair_type = find<QScrollBar>("hair_type");
    QScrollBar* cloth_type = find<QScrollBar>("cloth_type");
    QScrollBar* face_hair_Scroll = find<QScrollBar>("face_hair_Scroll");
    QScrollBar* hair_color = find<QScrollBar>("hair_color");
    QScrollBar* eye_color = find<QScrollBar>("eye_color");
    QScrollBar* accessory_color = find<QScrollBar>("accessory_color");
    QScrollBar* body_color = find<QScrollBar>("body_color");
    QScrollBar* cloth_color = find<QScrollBar>("cloth_color");
    QScrollBar* pants_color = find<QScrollBar>("pants_color");
    QScrollBar* line_color = find<QScrollBar>("line_color");
    QPushButton* face_hair_min = find<QPushButton>("face_hair_min");
    QPushButton* face_hair_down = find<QPushButton>("face_hair_down");
    QPushButton* face_hair_up = find<QPushButton>("face_hair_up");
    QPushButton* face_hair_max = find<QPushButton>("face_hair_max");
    QPushButton* random = find<QPushButton>("random");
    QPushButton* reset = find<QPushButton>("reset");
    std::array<QLabel*, 10> name = find_array<QLabel, 10>("name");
    std::array<QLabel*, 1> dbg_face_num = find_array<QLabel, 1>("dbg_face_num");
    std::array<QLabel*, 1> dbg_hair_num = find_array<QLabel, 1>("dbg_hair_num");
    std::array<QLabel*, 1> dbg_cloth_num = find_array<QLabel, 1>("dbg_cloth_num");
    std::array<QLabel*, 1> dbg_hair_color_num = find_array<QLabel, 1>("dbg_hair_color_num");
    std::array<QLabel*, 1> dbg_eye_color_num = find_array<QLabel, 1>("dbg_eye_color_num");
    std::array<QLabel*, 1> dbg_accessory_color_num =
        find_array<QLabel, 1>("dbg_accessory_color_num");
    std::array<QLabel*, 1> dbg_body_color_num = find_array<QLabel, 1>("dbg_body_color_num");
    std::array<QLabel*, 1> dbg_cloth_color_num = find_array<QLabel, 1>("dbg_cloth_color_num");
    std::array<QLabel*, 1> dbg_cloth2_color_num = find_array<QLabel, 1>("dbg_cloth2_color_num");
    std::array<QLabel*, 1> dbg_cloth3_color_num = find_array<QLabel, 1>("dbg_cloth3_color_num");
    QLabel* colth_name_label = find<QLabel>("colth_name_label");
    QLabel* Label1 = find<QLabel>("Label1");
    QLabel* Label2 = find<QLabel>("Label2");
    QLabel* eye_option_t = find<QLabel>("eye_option_t");
    QLabel* body_option_t = find<QLabel>("body_option_t");
    QLabel* cloth__option_t = find<QLabel>("cloth__option_t");
    QGroupBox* type_Frame = find<QGroupBox>("type_Frame");
    QGroupBox* size_frame = find<QGroupBox>("size_frame");
    QWidget* Frame1 = find<QWidget>("Frame1");
    QWidget* Frame2 = find<QWidget>("Frame2");
    QWidget* Frame3 = find<QWidget>("Frame3");
    std::array<QRadioButton*, 6> size_button = find_array<QRadioButton, 6>("size_button");
    std::array<QRadioButton*, 2> type_button = find_array<QRadioButton, 2>("type_button");
    std::array<QRadioButton*, 2> eye_optjion_b = find_array<QRadioButton, 2>("eye_optjion_b");
    std::array<QRadioButton*, 2> body_c_option_b = find_array<QRadioButton, 2>("body_c_option_b");
    std::array<QRadioButton*, 2> cloth_c1_option_b =
        find_array<QRadioButton, 2>("cloth_c1_option_b");
    SurfaceView* character_view = find<SurfaceView>("character_view");
    QMenu* m_file = find<QMenu>("m_file");
    QAction* m_save = find<QAction>("m_save");
    QAction* m_end = find<QAction>("m_end");
    QMenu* m_edit = find<QMenu>("m_edit");
    QAction* m_index = find<QAction>("m_index");
    QMenu* m_config = find<QMenu>("m_config");
    QAction* m_random = find<QAction>("m_random");
    QAction* m_backcolor = find<QAction>("m_backcolor");
    QMenu* m_help = find<QMenu>("m_help");
    QAction* m_version = find<QAction>("m_version");
};

}  // namespace kelvara::testing
