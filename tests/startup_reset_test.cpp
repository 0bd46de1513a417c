#include <QSignalSpy>

#include "editor_fixture.h"

namespace kelvara::testing {
namespace {

using StartUp = EditorFixture;
using Reset = EditorFixture;

TEST_F(StartUp, StateAndControlsHoldTheirStartValues) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("轟陣キャラクターメーカー"));
    EXPECT_EQ(draw_flg(), vb_true);
    EXPECT_EQ(w.state().size_num, 4);
    EXPECT_EQ(w.state().eye_grey_flg, vb_true);
    EXPECT_EQ(w.state().body_matte_flg, vb_false);
    EXPECT_EQ(w.state().cloth_matte_flg, vb_false);
    EXPECT_EQ(w.state().type_flg, 0);
    EXPECT_EQ(w.state().back_color, RGB(212, 208, 200));
    EXPECT_TRUE(ui.size_button[3]->isChecked());
    EXPECT_TRUE(ui.type_button[0]->isChecked());
    EXPECT_TRUE(ui.eye_optjion_b[0]->isChecked());
    EXPECT_TRUE(ui.body_c_option_b[1]->isChecked());
    EXPECT_TRUE(ui.cloth_c1_option_b[1]->isChecked());

    const std::array<Int16, 10> flags = {
        w.state().rnd_face_flg,         w.state().rnd_hair_flg,
        w.state().rnd_hair_color_flg,   w.state().rnd_eye_color_flg,
        w.state().rnd_cloth_flg,        w.state().rnd_cloth_color_flg,
        w.state().rnd_cloth2_color_flg, w.state().rnd_cloth3_color_flg,
        w.state().rnd_body_color_flg,   w.state().rnd_accessory_color_flg};
    EXPECT_EQ(flags, (std::array<Int16, 10>{1, 1, 1, 0, 0, 1, 1, 1, 0, 0}));

    EXPECT_EQ(ui.face_type->maximum(), 711);
    EXPECT_EQ(ui.hair_type->maximum(), 711);
    EXPECT_EQ(ui.hair_color->maximum(), 56);
    EXPECT_EQ(ui.eye_color->maximum(), 25);
    EXPECT_EQ(ui.cloth_type->maximum(), 135);
    EXPECT_EQ(ui.cloth_color->maximum(), 77);
    EXPECT_EQ(ui.body_color->maximum(), 32);
    EXPECT_EQ(ui.face_hair_Scroll->maximum(), 2);
    EXPECT_EQ(ui.face_hair_Scroll->value(), 1);
    EXPECT_EQ(ui.accessory_color->maximum(), 25);
    EXPECT_EQ(ui.pants_color->maximum(), 78);
    EXPECT_EQ(ui.line_color->maximum(), 78);
    EXPECT_EQ(ui.dbg_face_num[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(ui.dbg_cloth_num[0]->text(), QStringLiteral("0"));
}

TEST_F(StartUp, ViewShowsCharacterZeroAtSize4) {
    const Surface expected = expected_sprite(0, 0, 0, false);
    EXPECT_EQ(w.workspace().pre_pic, expected);
    const Surface& view = w.workspace().character_view;
    for (int y = 0; y < 264; ++y) {
        for (int x = 0; x < 264; ++x) {
            const Colour want =
                (x < 256 && y < 256) ? expected.GetPixel(x / 4, y / 4) : w.state().back_color;
            ASSERT_EQ(view.GetPixel(x, y), want) << x << "," << y;
        }
    }
    // Something is drawn: the sprite is not all background.
    int drawn = 0;
    for (Colour c : expected.bits()) drawn += c != w.state().back_color;
    EXPECT_GT(drawn, 200);
}

TEST_F(StartUp, SchoolNameOfTheDefaultUniformIsShown) {
    EXPECT_FALSE(ui.colth_name_label->text().isEmpty());
}

TEST_F(Reset, WithEverythingAtZeroRunsNoHandlerButDrawsOnce) {
    QSignalSpy face_changes(ui.face_type, &QScrollBar::valueChanged);
    QSignalSpy colour_changes(ui.cloth_color, &QScrollBar::valueChanged);
    ui.colth_name_label->setText(QStringLiteral("x"));
    const int composes = w.compose_count();
    EXPECT_EQ(draws_during([&] { ui.reset->click(); }), 1);
    EXPECT_EQ(w.compose_count(), composes + 1);
    EXPECT_EQ(face_changes.count(), 0);
    EXPECT_EQ(colour_changes.count(), 0);
    EXPECT_NE(ui.colth_name_label->text(), QStringLiteral("x"));
}

TEST_F(Reset, ReturnsSelectionsToZeroAndKeepsSizeBackgroundAndOptions) {
    ui.face_type->setValue(10);
    ui.hair_type->setValue(20);
    ui.hair_color->setValue(5);
    ui.eye_color->setValue(6);
    ui.cloth_type->setValue(75);
    ui.cloth_color->setValue(7);
    ui.body_color->setValue(8);
    ui.pants_color->setValue(9);
    ui.accessory_color->setValue(10);
    ui.line_color->setValue(11);
    ui.size_button[0]->click();
    ui.body_c_option_b[0]->click();
    w.set_back_color(RGB(255, 255, 255));

    EXPECT_EQ(draws_during([&] { w.reset_Click(); }), 1);

    for (QScrollBar* bar :
         {ui.face_type, ui.hair_type, ui.hair_color, ui.eye_color, ui.cloth_type, ui.cloth_color,
          ui.body_color, ui.pants_color, ui.accessory_color, ui.line_color}) {
        EXPECT_EQ(bar->value(), 0) << bar->objectName().toStdString();
    }
    const EditorState& s = w.state();
    EXPECT_EQ((std::array<int, 10>{s.face_num, s.hair_num, s.hair_color_num, s.eye_color_num,
                                   s.cloth_num, s.cloth_color_num, s.body_color_num,
                                   s.cloth2_color_num, s.accessory_color_num, s.cloth3_color_num}),
              (std::array<int, 10>{}));
    for (auto* readout : {ui.dbg_face_num[0], ui.dbg_hair_num[0], ui.dbg_cloth_num[0],
                          ui.dbg_hair_color_num[0], ui.dbg_cloth3_color_num[0]}) {
        EXPECT_EQ(readout->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(s.size_num, 1);
    EXPECT_EQ(s.body_matte_flg, vb_true);
    EXPECT_EQ(s.back_color, RGB(255, 255, 255));
    EXPECT_EQ(face_front_flg(), vb_false);
    EXPECT_EQ(draw_flg(), vb_true);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, 0, false));
}

TEST_F(Reset, WhileDamagePosesAreShownKeepsFaceAndHair) {
    ui.type_button[1]->click();
    ASSERT_EQ(w.state().type_flg, 1);
    // The face and hair bars are locked for the user, but code may still set them.
    ui.face_type->setValue(7);
    ui.hair_type->setValue(8);
    ui.cloth_type->setValue(12);
    ui.hair_color->setValue(3);
    w.reset_Click();
    EXPECT_EQ(w.state().face_num, 7);
    EXPECT_EQ(w.state().hair_num, 8);
    EXPECT_EQ(w.state().cloth_num, 0);
    EXPECT_EQ(w.state().hair_color_num, 0);
    EXPECT_EQ(draw_flg(), vb_true);
}

}  // namespace
}  // namespace kelvara::testing
