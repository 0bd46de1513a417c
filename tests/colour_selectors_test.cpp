#include <algorithm>
#include <set>

#include "compositor/character_draw.h"
#include "editor_fixture.h"
#include "strip_colours.h"

namespace kelvara::testing {
namespace {

struct ColourSelectors : EditorFixture {
    // The sprite in the colours it is painted in: the pose cell with the head laid behind it.
    Surface painted_sprite() const {
        Surface painted(64, 64, key_color);
        painted.PaintPicture(w.workspace().pre_cloth_pic, 0, 0, 63, 63, 0, 0, 63, 63);
        lay_head(w.workspace().pre_face_pic, false, painted);
        return painted;
    }

    // Checks the composed sprite against its painted colours, each turned into what `want`
    // selects from the strips. The pose must draw its head behind the body.
    void expect_final_colours(const EditorState& want) {
        const Surface painted = painted_sprite();
        const Surface& got = w.workspace().pre_pic;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const Colour from = painted.GetPixel(x, y);
                ASSERT_EQ(got.GetPixel(x, y), expected_colour(from, want))
                    << x << "," << y << " painted " << std::hex << from;
            }
        }
    }
};

TEST_F(ColourSelectors, EachSelectorStoresItsValueAndShowsIt) {
    struct Row {
        QScrollBar* bar;
        const Int16* field;
        QLabel* readout;
    };
    const EditorState& s = w.state();
    for (const Row& r :
         {Row{ui.hair_color, &s.hair_color_num, ui.dbg_hair_color_num[0]},
          Row{ui.eye_color, &s.eye_color_num, ui.dbg_eye_color_num[0]},
          Row{ui.accessory_color, &s.accessory_color_num, ui.dbg_accessory_color_num[0]},
          Row{ui.body_color, &s.body_color_num, ui.dbg_body_color_num[0]},
          Row{ui.cloth_color, &s.cloth_color_num, ui.dbg_cloth_color_num[0]},
          Row{ui.pants_color, &s.cloth2_color_num, ui.dbg_cloth2_color_num[0]},
          Row{ui.line_color, &s.cloth3_color_num, ui.dbg_cloth3_color_num[0]}}) {
        const int top = r.bar->maximum();
        EXPECT_EQ(draws_during([&] { r.bar->setValue(top); }), 1);
        EXPECT_EQ(*r.field, top) << r.bar->objectName().toStdString();
        EXPECT_EQ(r.readout->text(), QString::number(top));
    }
    EXPECT_EQ(s.cloth_color_num, 77);
}

TEST_F(ColourSelectors, NoDrawWhileDrawFlgIsClearedButOptionsStillDraw) {
    draw_flg() = vb_false;
    EXPECT_EQ(draws_during([&] { ui.eye_color->setValue(3); }), 0);
    EXPECT_EQ(w.state().eye_color_num, 3);
    EXPECT_EQ(ui.dbg_eye_color_num[0]->text(), QStringLiteral("3"));
    EXPECT_EQ(draws_during([&] { ui.eye_optjion_b[1]->click(); }), 1);
    EXPECT_EQ(w.state().eye_grey_flg, vb_false);
    EXPECT_EQ(draws_during([&] { ui.cloth_c1_option_b[0]->click(); }), 1);
    EXPECT_EQ(w.state().cloth_matte_flg, vb_true);
    draw_flg() = vb_true;
}

TEST_F(ColourSelectors, SchoolNameFollowsClothColourAndPose) {
    const QString first = ui.colth_name_label->text();
    EXPECT_FALSE(first.isEmpty());
    ui.cloth_color->setValue(34);
    EXPECT_EQ(ui.colth_name_label->text(), first);
    ui.cloth_color->setValue(1);
    EXPECT_TRUE(ui.colth_name_label->text().isEmpty());

    ui.cloth_color->setValue(2);
    const QString second = ui.colth_name_label->text();
    EXPECT_FALSE(second.isEmpty());
    EXPECT_NE(second, first);

    ui.cloth_type->setValue(112);
    EXPECT_TRUE(ui.colth_name_label->text().isEmpty());
    ui.cloth_type->setValue(111);
    EXPECT_EQ(ui.colth_name_label->text(), second);

    // Out of the uniform range, a pose change while draw_flg is cleared still updates the label.
    ui.cloth_type->setValue(120);
    draw_flg() = vb_false;
    ui.cloth_type->setValue(3);
    draw_flg() = vb_true;
    EXPECT_EQ(ui.colth_name_label->text(), second);
}

TEST_F(ColourSelectors, DamageFiguresPast23WearNoSchoolUniform) {
    ui.type_button[1]->click();
    ui.cloth_color->setValue(5);
    ui.cloth_type->setValue(23);
    EXPECT_FALSE(ui.colth_name_label->text().isEmpty());
    ui.cloth_type->setValue(24);
    EXPECT_TRUE(ui.colth_name_label->text().isEmpty());
}

TEST_F(ColourSelectors, SchoolTableHasTwentyThreeNamesOnItsKeys) {
    const std::set<int> keys = {0,  2,  5,  7,  9,  10, 11, 14, 15, 17, 23, 25,
                                27, 29, 30, 31, 34, 35, 38, 39, 41, 43, 48, 49};
    std::set<QString> names;
    for (int c = 0; c <= 77; ++c) {
        ui.cloth_color->setValue(c);
        const QString n = ui.colth_name_label->text();
        EXPECT_EQ(!n.isEmpty(), keys.count(c) == 1) << c;
        if (!n.isEmpty()) names.insert(n);
    }
    EXPECT_EQ(names.size(), 23u);
}

// Every selector on its own entry, on a character that shows every part: a handler that stores
// into the wrong field, or a colour read through the wrong selector, shows in the view.
TEST_F(ColourSelectors, SelectedColoursReachTheView) {
    EditorState want = start_up_selection();
    want.hair_color_num = 10;
    want.eye_color_num = 3;
    want.accessory_color_num = 17;
    want.body_color_num = 4;
    want.cloth_color_num = 12;
    want.cloth2_color_num = 40;
    want.cloth3_color_num = 61;
    ui.face_type->setValue(1);  // with its own hair, it shows an accessory
    ui.hair_type->setValue(1);
    ui.cloth_type->setValue(124);  // pants and lines, head behind
    ui.hair_color->setValue(10);
    ui.eye_color->setValue(3);
    ui.accessory_color->setValue(17);
    ui.body_color->setValue(4);
    ui.cloth_color->setValue(12);
    ui.pants_color->setValue(40);
    ui.line_color->setValue(61);
    const Surface painted = painted_sprite();
    for (const ColourRule& r : colour_rules) {
        // No sheet paints the cloth highlight; the recolouring tests cover it.
        if (r.painted == RGB(192, 240, 240)) continue;
        EXPECT_TRUE(std::ranges::count(painted.bits(), r.painted) > 0) << r.part << " not shown";
    }
    expect_final_colours(want);
    int hair = 0;
    int skin = 0;
    for (Colour c : w.workspace().pre_pic.bits()) {
        for (int k = 1; k <= 3; ++k) hair += c == strip_colour(Strip::hair, 10, k);
        for (int k = 1; k <= 4; ++k) skin += c == strip_colour(Strip::body, 4, k);
        ASSERT_NE(c, hair_template[1]);
        ASSERT_NE(c, cloth_template[1]);
        ASSERT_NE(c, key_color);
    }
    EXPECT_GT(hair, 5);
    EXPECT_GT(skin, 5);
}

TEST_F(ColourSelectors, OptionsRedrawInTheirColours) {
    EditorState want = start_up_selection();
    want.body_color_num = 4;
    ui.body_color->setValue(4);
    ui.body_c_option_b[0]->click();
    want.body_matte_flg = vb_true;
    expect_final_colours(want);
    for (Colour c : w.workspace().pre_pic.bits()) ASSERT_NE(c, strip_colour(Strip::body, 4, 1));
    ui.body_c_option_b[1]->click();
    ui.cloth_c1_option_b[0]->click();
    ui.eye_optjion_b[1]->click();
    want.body_matte_flg = vb_false;
    want.cloth_matte_flg = vb_true;
    want.eye_grey_flg = vb_false;
    expect_final_colours(want);
    for (Colour c : w.workspace().pre_pic.bits()) ASSERT_NE(c, eye_grey_template);
}

}  // namespace
}  // namespace kelvara::testing
