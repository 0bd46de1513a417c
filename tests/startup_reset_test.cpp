#include <QSignalSpy>

#include "editor_fixture.h"

namespace kelvara::testing {
namespace {

using StartUp = EditorFixture;
using Reset = EditorFixture;

TEST_F(StartUp, StateAndControlsHoldTheirStartValues) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("轟陣キャラクターメーカー"));
    EXPECT_EQ(w.draw_flg, vb_true);
    EXPECT_EQ(w.state.size_num, 4);
    EXPECT_EQ(w.state.eye_grey_flg, vb_true);
    EXPECT_EQ(w.state.body_matte_flg, vb_false);
    EXPECT_EQ(w.state.cloth_matte_flg, vb_false);
    EXPECT_EQ(w.state.type_flg, 0);
    EXPECT_EQ(w.state.back_color, RGB(212, 208, 200));
    EXPECT_TRUE(w.size_button[3]->isChecked());
    EXPECT_TRUE(w.type_button[0]->isChecked());
    EXPECT_TRUE(w.eye_optjion_b[0]->isChecked());
    EXPECT_TRUE(w.body_c_option_b[1]->isChecked());
    EXPECT_TRUE(w.cloth_c1_option_b[1]->isChecked());

    const std::array<Int16, 10> flags = {
        w.state.rnd_face_flg,           w.state.rnd_hair_flg,         w.state.rnd_hair_color_flg,
        w.state.rnd_eye_color_flg,      w.state.rnd_cloth_flg,        w.state.rnd_cloth_color_flg,
        w.state.rnd_cloth2_color_flg,   w.state.rnd_cloth3_color_flg, w.state.rnd_body_color_flg,
        w.state.rnd_accessory_color_flg};
    EXPECT_EQ(flags, (std::array<Int16, 10>{1, 1, 1, 0, 0, 1, 1, 1, 0, 0}));

    EXPECT_EQ(w.face_type->maximum(), 711);
    EXPECT_EQ(w.hair_type->maximum(), 711);
    EXPECT_EQ(w.hair_color->maximum(), 56);
    EXPECT_EQ(w.eye_color->maximum(), 25);
    EXPECT_EQ(w.cloth_type->maximum(), 135);
    EXPECT_EQ(w.cloth_color->maximum(), 77);
    EXPECT_EQ(w.body_color->maximum(), 32);
    EXPECT_EQ(w.face_hair_Scroll->maximum(), 2);
    EXPECT_EQ(w.face_hair_Scroll->value(), 1);
    EXPECT_EQ(w.accessory_color->maximum(), 25);
    EXPECT_EQ(w.pants_color->maximum(), 78);
    EXPECT_EQ(w.line_color->maximum(), 78);
    EXPECT_EQ(w.dbg_face_num[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(w.dbg_cloth_num[0]->text(), QStringLiteral("0"));
}

TEST_F(StartUp, WorkingSurfacesAreHiddenAndTheViewIsNot) {
    const Workspace& ws = w.workspace();
    for (const Surface* s : {&ws.face_pic, &ws.hair_pic, &ws.pre_cloth_pic, &ws.pre_hair_pic,
                             &ws.pre_face_pic, &ws.pre_hair_mask, &ws.pre_pic}) {
        EXPECT_FALSE(s->Visible());
    }
    EXPECT_TRUE(ws.character_view.Visible());
}

TEST_F(StartUp, ViewShowsCharacterZeroAtSize4) {
    const Surface expected = expected_sprite(0, 0, 0, false);
    EXPECT_EQ(w.workspace().pre_pic, expected);
    const Surface& view = w.workspace().character_view;
    for (int y = 0; y < 264; ++y) {
        for (int x = 0; x < 264; ++x) {
            const Colour want =
                (x < 256 && y < 256) ? expected.GetPixel(x / 4, y / 4) : w.state.back_color;
            ASSERT_EQ(view.GetPixel(x, y), want) << x << "," << y;
        }
    }
    // Something is drawn: the sprite is not all background.
    int drawn = 0;
    for (Colour c : expected.bits()) drawn += c != w.state.back_color;
    EXPECT_GT(drawn, 200);
}

TEST_F(StartUp, SchoolNameOfTheDefaultUniformIsShown) {
    EXPECT_FALSE(w.colth_name_label->text().isEmpty());
}

TEST_F(Reset, WithEverythingAtZeroRunsNoHandlerButDrawsOnce) {
    QSignalSpy face_changes(w.face_type, &QScrollBar::valueChanged);
    QSignalSpy colour_changes(w.cloth_color, &QScrollBar::valueChanged);
    w.colth_name_label->setText(QStringLiteral("x"));
    const int composes = w.compose_count();
    EXPECT_EQ(draws_during([&] { w.reset->click(); }), 1);
    EXPECT_EQ(w.compose_count(), composes + 1);
    EXPECT_EQ(face_changes.count(), 0);
    EXPECT_EQ(colour_changes.count(), 0);
    EXPECT_NE(w.colth_name_label->text(), QStringLiteral("x"));
}

TEST_F(Reset, ReturnsSelectionsToZeroAndKeepsSizeBackgroundAndOptions) {
    w.face_type->setValue(10);
    w.hair_type->setValue(20);
    w.hair_color->setValue(5);
    w.eye_color->setValue(6);
    w.cloth_type->setValue(75);
    w.cloth_color->setValue(7);
    w.body_color->setValue(8);
    w.pants_color->setValue(9);
    w.accessory_color->setValue(10);
    w.line_color->setValue(11);
    w.size_button[0]->click();
    w.body_c_option_b[0]->click();
    w.state.back_color = RGB(255, 255, 255);

    EXPECT_EQ(draws_during([&] { w.reset_Click(); }), 1);

    for (QScrollBar* bar :
         {w.face_type, w.hair_type, w.hair_color, w.eye_color, w.cloth_type, w.cloth_color,
          w.body_color, w.pants_color, w.accessory_color, w.line_color}) {
        EXPECT_EQ(bar->value(), 0) << bar->objectName().toStdString();
    }
    const EditorState& s = w.state;
    EXPECT_EQ((std::array<int, 10>{s.face_num, s.hair_num, s.hair_color_num, s.eye_color_num,
                                   s.cloth_num, s.cloth_color_num, s.body_color_num,
                                   s.cloth2_color_num, s.accessory_color_num, s.cloth3_color_num}),
              (std::array<int, 10>{}));
    for (auto* readout : {w.dbg_face_num[0], w.dbg_hair_num[0], w.dbg_cloth_num[0],
                          w.dbg_hair_color_num[0], w.dbg_cloth3_color_num[0]}) {
        EXPECT_EQ(readout->text(), QStringLiteral("0"));
    }
    EXPECT_EQ(s.size_num, 1);
    EXPECT_EQ(s.body_matte_flg, vb_true);
    EXPECT_EQ(s.back_color, RGB(255, 255, 255));
    EXPECT_EQ(w.face_front_flg, vb_false);
    EXPECT_EQ(w.draw_flg, vb_true);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, 0, false));
}

TEST_F(Reset, WhileDamagePosesAreShownKeepsFaceAndHair) {
    w.type_button[1]->click();
    ASSERT_EQ(w.state.type_flg, 1);
    // The face and hair bars are locked for the user, but code may still set them.
    w.face_type->setValue(7);
    w.hair_type->setValue(8);
    w.cloth_type->setValue(12);
    w.hair_color->setValue(3);
    w.reset_Click();
    EXPECT_EQ(w.state.face_num, 7);
    EXPECT_EQ(w.state.hair_num, 8);
    EXPECT_EQ(w.state.cloth_num, 0);
    EXPECT_EQ(w.state.hair_color_num, 0);
    EXPECT_EQ(w.draw_flg, vb_true);
}

}  // namespace
}  // namespace kelvara::testing
