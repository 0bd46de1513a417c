#include <QSignalSpy>

#include "editor_fixture.h"
#include "random/random_generation.h"

namespace kelvara::testing {
namespace {

using RandomButton = EditorFixture;

void all_flags(CharTool& w, bool on) {
    for (const RandomItemInfo& info : random_items) w.set_random_flag(info.item, on);
}

TEST_F(RandomButton, WithEveryFlagOffChangesNothingAndStillDrawsOnce) {
    all_flags(w, false);
    ui.hair_color->setValue(3);
    const EditorState before = w.state();
    const int composes = w.compose_count();
    EXPECT_EQ(draws_during([&] { ui.random->click(); }), 1);
    EXPECT_EQ(w.compose_count(), composes + 1);
    EXPECT_EQ(w.state().hair_color_num, before.hair_color_num);
    EXPECT_EQ(w.state().face_num, before.face_num);
    EXPECT_EQ(draw_flg(), vb_true);
}

TEST_F(RandomButton, StartUpFlagsLeaveEyePoseSkinAndAccessory) {
    ui.eye_color->setValue(4);
    ui.cloth_type->setValue(9);
    ui.body_color->setValue(5);
    ui.accessory_color->setValue(6);
    bool something_changed = false;
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(draws_during([&] { w.random_Click(); }), 1);
        EXPECT_EQ(w.state().eye_color_num, 4);
        EXPECT_EQ(w.state().cloth_num, 9);
        EXPECT_EQ(w.state().body_color_num, 5);
        EXPECT_EQ(w.state().accessory_color_num, 6);
        something_changed = something_changed || w.state().face_num != 0 || w.state().hair_num != 0;
    }
    EXPECT_TRUE(something_changed);
    // What is shown is the drawn character, composed from the new cells.
    EXPECT_EQ(w.workspace().pre_pic,
              expected_sprite(w.state().face_num, w.state().hair_num, 9, false));
    EXPECT_EQ(ui.dbg_face_num[0]->text(), QString::number(w.state().face_num));
}

TEST_F(RandomButton, DamagePosesKeepFaceAndHairAndDrawPosesInTheirRange) {
    ui.type_button[1]->click();
    all_flags(w, true);
    for (int i = 0; i < 50; ++i) {
        w.random_Click();
        ASSERT_EQ(ui.face_type->value(), 0);
        ASSERT_EQ(ui.hair_type->value(), 0);
        ASSERT_LE(ui.cloth_type->value(), 53);
        ASSERT_EQ(w.state().cloth_num, ui.cloth_type->value());
    }
}

TEST_F(RandomButton, ValueEqualToTheCurrentOneRunsNoHandler) {
    all_flags(w, false);
    w.set_random_flag(RandomItem::eye_color, true);
    // Find a seed whose first eye colour is the one already selected.
    RandomSource probe;
    std::uint32_t seed = 0;
    for (;; ++seed) {
        probe.seed(seed);
        if (kelvara::cal_random(probe, 25) == 0) break;
    }
    w.random_source().seed(seed);
    QSignalSpy changes(ui.eye_color, &QScrollBar::valueChanged);
    EXPECT_EQ(draws_during([&] { w.random_Click(); }), 1);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(RandomButton, SameSeedSameCharacter) {
    w.random_source().seed(42);
    w.random_Click();
    const EditorState first = w.state();
    w.reset_Click();
    w.random_source().seed(42);
    w.random_Click();
    EXPECT_EQ(w.state().face_num, first.face_num);
    EXPECT_EQ(w.state().hair_num, first.hair_num);
    EXPECT_EQ(w.state().cloth3_color_num, first.cloth3_color_num);
}

}  // namespace
}  // namespace kelvara::testing
