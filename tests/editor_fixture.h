#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <memory>

#include "compositor/recolor.h"
#include "compositor/sheet_colours.h"
#include "compositor/sheets.h"
#include "editor/char_tool.h"
#include "window_access.h"

namespace kelvara::testing {

// A freshly started main window.
struct EditorFixture : ::testing::Test {
    std::unique_ptr<CharTool> window = std::make_unique<CharTool>();
    CharTool& w = *window;
    WindowControls ui{w};

    Int16& draw_flg() { return WindowInternals::draw_flg(w); }
    Int16 face_front_flg() const { return WindowInternals::face_front_flg(w); }

    // Counts draws done by whatever runs inside.
    template <typename Action>
    int draws_during(Action action) {
        const int before = w.draw_count();
        action();
        return w.draw_count() - before;
    }

    // How many kinds of the user's input reach the main window, delivered through the window
    // system as a real mouse's and keyboard's are: a click on the drawing size already chosen
    // (which only redraws) and a key there and back on the line colour. 2 when all do, 0 when the
    // window takes none. The window must be shown.
    int inputs_taken() {
        QRadioButton* chosen = ui.size_button[static_cast<std::size_t>(w.state().size_num - 1)];
        const QPoint at = chosen->mapTo(&w, QPoint(6, chosen->height() / 2));
        const bool click =
            draws_during([&] { QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, at); }) > 0;
        ui.line_color->setFocus();
        const bool at_end = ui.line_color->value() == ui.line_color->maximum();
        const bool keys =
            draws_during([&] {
                QTest::keyClick(w.windowHandle(), at_end ? Qt::Key_Left : Qt::Key_Right);
                QTest::keyClick(w.windowHandle(), at_end ? Qt::Key_Right : Qt::Key_Left);
            }) > 0;
        return int{click} + int{keys};
    }
    bool takes_input() { return inputs_taken() == 2; }
    bool takes_no_input() { return inputs_taken() == 0; }

    // The sprite the program should compose from the sheets, worked out pixel by pixel straight
    // from the cells: pose cell, then the head (hair over face) behind or in front of it, then
    // the recolouring (checked on its own against the pixel-by-pixel rule).
    Surface expected_sprite(int face, int hair, int pose, bool front) const {
        const Sheets& s = w.sheets();
        const Point pose_at = cell_origin(cloth_sheet_geometry, pose);
        const Point face_at = cell_origin(head_sheet_geometry, face);
        const Point hair_at = cell_origin(head_sheet_geometry, hair);
        Surface sprite(64, 64, key_color);
        for (int y = 0; y < 63; ++y) {
            for (int x = 0; x < 63; ++x) {
                sprite.SetPixel(x, y, s.cloth_set.GetPixel(pose_at.x + x, pose_at.y + y));
            }
        }
        for (int j = 0; j < (front ? 12 : 13); ++j) {
            for (int i = 0; i < 19; ++i) {
                const Colour hair_pixel = s.hair_set.GetPixel(hair_at.x + i, hair_at.y + j);
                Colour head = hair_pixel != key_color
                                  ? hair_pixel
                                  : s.face_set.GetPixel(face_at.x + i, face_at.y + j);
                if ((hair == 301 || hair == 304 || hair == 709) && head == marker_red) {
                    head = key_color;
                }
                const bool body_there = sprite.GetPixel(24 + i, 16 + j) != key_color;
                if (front ? head != key_color : !body_there) sprite.SetPixel(24 + i, 16 + j, head);
            }
        }
        recolor_sprite(w.state(), sprite);
        return sprite;
    }
};

}  // namespace kelvara::testing
