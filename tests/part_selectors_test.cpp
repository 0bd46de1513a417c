#include <QPushButton>

#include "editor_fixture.h"

namespace kelvara::testing {
namespace {

using PartSelectors = EditorFixture;

void set_pair(WindowControls& ui, int face, int hair) {
    ui.face_type->setValue(face);
    ui.hair_type->setValue(hair);
}

TEST_F(PartSelectors, FaceChangeCutsTheCellShowsTheNumberAndDraws) {
    EXPECT_EQ(draws_during([&] { ui.face_type->setValue(123); }), 1);
    EXPECT_EQ(w.state().face_num, 123);
    EXPECT_EQ(ui.dbg_face_num[0]->text(), QStringLiteral("123"));
    const Point at = cell_origin(head_sheet_geometry, 123);
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 19; ++x) {
            ASSERT_EQ(w.workspace().face_pic.GetPixel(x, y),
                      w.sheets().face_set.GetPixel(at.x + x, at.y + y));
        }
    }
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(123, 0, 0, false));
}

TEST_F(PartSelectors, MarkedHairShowsTheBodyThroughItsHoles) {
    ui.hair_type->setValue(301);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 301, 0, false));
}

TEST_F(PartSelectors, StepsOfTenStopAtEachBarsOwnEnd) {
    set_pair(ui, 705, 300);
    EXPECT_EQ(draws_during([&] { ui.face_hair_up->click(); }), 1);
    EXPECT_EQ(ui.face_type->value(), 711);
    EXPECT_EQ(ui.hair_type->value(), 310);

    set_pair(ui, 5, 12);
    EXPECT_EQ(draws_during([&] { ui.face_hair_down->click(); }), 1);
    EXPECT_EQ(ui.face_type->value(), 0);
    EXPECT_EQ(ui.hair_type->value(), 2);

    for (int start : {701, 702}) {
        set_pair(ui, start, start);
        ui.face_hair_up->click();
        EXPECT_EQ(ui.face_type->value(), 711) << start;
    }
    EXPECT_EQ(draw_flg(), vb_true);
}

TEST_F(PartSelectors, MinAndMaxDrawOnceAndComposeTheNewHead) {
    EXPECT_EQ(draws_during([&] { ui.face_hair_max->click(); }), 1);
    EXPECT_EQ(w.state().face_num, 711);
    EXPECT_EQ(w.state().hair_num, 711);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(711, 711, 0, false));
    EXPECT_EQ(draws_during([&] { ui.face_hair_min->click(); }), 1);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, 0, false));
}

TEST_F(PartSelectors, SpinMovesBothByOneAndReturnsToRest) {
    set_pair(ui, 40, 41);
    EXPECT_EQ(draws_during([&] { ui.face_hair_Scroll->setValue(2); }), 1);
    EXPECT_EQ(ui.face_type->value(), 41);
    EXPECT_EQ(ui.hair_type->value(), 42);
    EXPECT_EQ(ui.face_hair_Scroll->value(), 1);
    EXPECT_EQ(draws_during([&] { ui.face_hair_Scroll->setValue(0); }), 1);
    EXPECT_EQ(ui.face_type->value(), 40);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(40, 41, 0, false));
    EXPECT_EQ(draw_flg(), vb_true);
}

TEST_F(PartSelectors, SpinAtTheEndsChangesNothingButStillDraws) {
    set_pair(ui, 711, 711);
    EXPECT_EQ(draws_during([&] { ui.face_hair_Scroll->setValue(2); }), 1);
    EXPECT_EQ(ui.face_type->value(), 711);
    EXPECT_EQ(ui.hair_type->value(), 711);
    EXPECT_EQ(ui.face_hair_Scroll->value(), 1);

    set_pair(ui, 0, 3);
    ui.face_hair_Scroll->setValue(0);
    EXPECT_EQ(ui.face_type->value(), 0);
    EXPECT_EQ(ui.hair_type->value(), 2);
}

TEST_F(PartSelectors, FrontPosesLayTheHeadOverTheBody) {
    for (int pose : {74, 75, 76, 77, 78, 110}) {
        ui.cloth_type->setValue(pose);
        const bool front = pose == 75 || pose == 76 || pose == 77 || pose == 110;
        EXPECT_EQ(face_front_flg(), front ? vb_true : vb_false) << pose;
        EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, pose, front)) << pose;
    }
}

TEST_F(PartSelectors, SizeButtonsRedrawAtOnceWhateverDrawFlgHolds) {
    draw_flg() = vb_false;
    EXPECT_EQ(draws_during([&] { ui.size_button[5]->click(); }), 1);
    draw_flg() = vb_true;
    EXPECT_EQ(w.state().size_num, 6);
    // At x6 the view starts inside sprite pixel (11, 11).
    EXPECT_EQ(w.workspace().character_view.GetPixel(0, 0), w.workspace().pre_pic.GetPixel(11, 11));
}

TEST_F(PartSelectors, DamageTypeFromAFrontPoseResetsThenShowsDamagePoseZero) {
    ui.face_type->setValue(50);
    ui.cloth_type->setValue(75);
    ASSERT_EQ(face_front_flg(), vb_true);
    EXPECT_EQ(draws_during([&] { ui.type_button[1]->click(); }), 2);
    EXPECT_EQ(w.state().type_flg, 1);
    EXPECT_EQ(face_front_flg(), vb_false);
    EXPECT_EQ(w.state().face_num, 0);
    EXPECT_EQ(ui.cloth_type->maximum(), 53);
    for (QWidget* c : std::initializer_list<QWidget*>{ui.face_type, ui.hair_type, ui.face_hair_min,
                                                      ui.face_hair_down, ui.face_hair_Scroll,
                                                      ui.face_hair_up, ui.face_hair_max}) {
        EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
    }
    // Damage pose 0 is a complete figure: pre_pic is its cell, recoloured, with no head on it.
    const Point at = cell_origin(damage_sheet_geometry, 0);
    Surface figure(64, 64, key_color);
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            figure.SetPixel(x, y, w.sheets().damage_set.GetPixel(at.x + x, at.y + y));
        }
    }
    recolor_sprite(w.state(), figure);
    EXPECT_EQ(w.workspace().pre_pic, figure);

    ui.cloth_type->setValue(53);
    EXPECT_EQ(ui.cloth_type->value(), 53);
    ui.cloth_type->setValue(54);
    EXPECT_EQ(ui.cloth_type->value(), 53);

    ui.type_button[0]->click();
    EXPECT_EQ(w.state().type_flg, 0);
    EXPECT_TRUE(ui.face_type->isEnabled());
    EXPECT_EQ(ui.cloth_type->maximum(), 135);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, 0, false));
}

TEST_F(PartSelectors, ChoosingTheSelectedTypeDoesNothing) {
    ui.hair_color->setValue(4);
    EXPECT_EQ(draws_during([&] { ui.type_button[0]->click(); }), 0);
    EXPECT_EQ(ui.hair_color->value(), 4);
}

}  // namespace
}  // namespace kelvara::testing
