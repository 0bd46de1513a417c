#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "compositor/palettes.h"
#include "compositor/sheets.h"
#include "compositor/workspace.h"
#include "editor/unloading_dialog.h"
#include "model/editor_state.h"
#include "random/random_source.h"

class QAction;
class QButtonGroup;
class QMenu;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace kelvara {

class SurfaceView;

// The main window: it owns the editor state, the sheets and the working surfaces, carries every
// selector, and calls the compositor to draw. Each selector's value is the master copy of its
// selection; its change handler mirrors the value into the state.
//
// Handlers keep the names by which the rest of the program knows them (face_type_Change,
// reset_Click ...). A value set on a control from code runs the control's handler at once, nested,
// and only when the value changes; multi-change operations clear draw_flg so that those nested
// handlers do not draw, then draw once themselves.
class CharTool : public QMainWindow {
    Q_OBJECT
  public:
    // Decodes the sheets, builds the controls and runs the start-up.
    explicit CharTool(QWidget* parent = nullptr);
    ~CharTool() override;

    EditorState state;
    Int16 draw_flg = vb_false;
    Int16 face_max = 0;
    Int16 hair_max = 0;
    Int16 face_front_flg = vb_false;

    // Controls, by the names the handlers use.
    QScrollBar* face_type = nullptr;
    QScrollBar* hair_type = nullptr;
    QScrollBar* cloth_type = nullptr;
    QScrollBar* face_hair_Scroll = nullptr;
    QScrollBar* hair_color = nullptr;
    QScrollBar* eye_color = nullptr;
    QScrollBar* accessory_color = nullptr;
    QScrollBar* body_color = nullptr;
    QScrollBar* cloth_color = nullptr;
    QScrollBar* pants_color = nullptr;
    QScrollBar* line_color = nullptr;
    QPushButton* face_hair_min = nullptr;
    QPushButton* face_hair_down = nullptr;
    QPushButton* face_hair_up = nullptr;
    QPushButton* face_hair_max = nullptr;
    QPushButton* random = nullptr;
    QPushButton* reset = nullptr;
    std::array<QLabel*, 10> name{};
    std::array<QLabel*, 1> dbg_face_num{};
    std::array<QLabel*, 1> dbg_hair_num{};
    std::array<QLabel*, 1> dbg_cloth_num{};
    std::array<QLabel*, 1> dbg_hair_color_num{};
    std::array<QLabel*, 1> dbg_eye_color_num{};
    std::array<QLabel*, 1> dbg_accessory_color_num{};
    std::array<QLabel*, 1> dbg_body_color_num{};
    std::array<QLabel*, 1> dbg_cloth_color_num{};
    std::array<QLabel*, 1> dbg_cloth2_color_num{};
    std::array<QLabel*, 1> dbg_cloth3_color_num{};
    QLabel* colth_name_label = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* eye_option_t = nullptr;
    QLabel* body_option_t = nullptr;
    QLabel* cloth__option_t = nullptr;
    QGroupBox* type_Frame = nullptr;
    QGroupBox* size_frame = nullptr;
    QWidget* Frame1 = nullptr;
    QWidget* Frame2 = nullptr;
    QWidget* Frame3 = nullptr;
    std::array<QRadioButton*, 6> size_button{};
    std::array<QRadioButton*, 2> type_button{};
    std::array<QRadioButton*, 2> eye_optjion_b{};
    std::array<QRadioButton*, 2> body_c_option_b{};
    std::array<QRadioButton*, 2> cloth_c1_option_b{};
    SurfaceView* character_view = nullptr;

    QMenu* m_file = nullptr;
    QAction* m_save = nullptr;
    QAction* m_end = nullptr;
    QMenu* m_edit = nullptr;
    QAction* m_index = nullptr;
    QMenu* m_config = nullptr;
    QAction* m_random = nullptr;
    QAction* m_backcolor = nullptr;
    QMenu* m_help = nullptr;
    QAction* m_version = nullptr;

    const Workspace& workspace() const { return ws_; }
    const Sheets& sheets() const { return sheets_; }
    RandomSource& random_source() { return rnd_; }

    // How many times the character was drawn and the head composed; lets callers check that an
    // operation drew exactly once.
    int draw_count() const { return draw_count_; }
    int compose_count() const { return compose_count_; }

    void compose_head();
    void Character_draw();
    void set_school_name();

    // A whole number from 0 to number, both included, from the program's generator.
    Int16 cal_random(Int16 number);

    // Opens a dialog: the main window is disabled and the dialog, loaded afresh, is shown beside
    // it without waiting; the dialog enables the main window again when it closes.
    template <typename Dialog>
    Dialog* open_dialog() {
        setEnabled(false);
        auto* dialog = new Dialog(*this);
        show_dialog(dialog);
        return dialog;
    }
    // The dialog that is open, if any.
    UnloadingDialog* open_dialog_window() const { return open_dialog_; }
    // Called by a dialog as it unloads: the main window takes input again.
    void dialog_unloaded();

    // The menu items that open dialogs; each dialog's file defines its item's handler.
    void m_save_Click();
    void m_index_Click();
    void m_random_Click();
    void m_backcolor_Click();
    void m_version_Click();

  public slots:
    void reset_Click();
    void random_Click();
    void m_end_Click();

    void face_type_Change();
    void hair_type_Change();
    void cloth_type_Change();
    void face_hair_Scroll_Change();
    void face_hair_min_Click();
    void face_hair_max_Click();
    void face_hair_down_Click();
    void face_hair_up_Click();
    void size_button_Click(int index);
    void type_button_Click(int index);

    void hair_color_Change();
    void eye_color_Change();
    void accessory_color_Change();
    void body_color_Change();
    void cloth_color_Change();
    void pants_color_Change();
    void line_color_Change();
    void eye_optjion_b_Click(int index);
    void body_c_option_b_Click(int index);
    void cloth_c1_option_b_Click(int index);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_controls();
    void build_menus();
    void set_fonts();
    void set_focus_order();
    void connect_handlers();
    void show_dialog(UnloadingDialog* dialog);
    void Form_Load();

    void cut_pose_cell_for_type(int pose);
    // Runs a change of several selections: nested handlers do not draw, and draw_flg is True again
    // however the change ends; then the head is composed and the character drawn once.
    template <typename Change>
    void change_face_and_hair(Change change);
    // Shared tail of the colour selectors: store, show, draw.
    void colour_changed(QScrollBar* bar, Int16& field, QLabel* readout);
    void option_clicked(int index, Int16& flag);
    void set_face_hair_controls_enabled(bool enabled);

    Sheets sheets_;
    PaletteStrips strips_;
    Workspace ws_;
    RandomSource rnd_;
    QButtonGroup* size_group_ = nullptr;
    QButtonGroup* type_group_ = nullptr;
    QButtonGroup* eye_group_ = nullptr;
    QButtonGroup* body_group_ = nullptr;
    QButtonGroup* cloth_group_ = nullptr;
    QPointer<UnloadingDialog> open_dialog_;
    int draw_count_ = 0;
    int compose_count_ = 0;
};

}  // namespace kelvara
