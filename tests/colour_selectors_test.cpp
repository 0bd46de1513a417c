#include <set>

#include "editor_fixture.h"

namespace kelvara::testing {
namespace {

using ColourSelectors = EditorFixture;

TEST_F(ColourSelectors, EachSelectorStoresItsValueAndShowsIt) {
    struct Row {
        QScrollBar* bar;
        const Int16* field;
        QLabel* readout;
    };
    const EditorState& s = w.state;
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
    w.draw_flg = vb_false;
    EXPECT_EQ(draws_during([&] { ui.eye_color->setValue(3); }), 0);
    EXPECT_EQ(w.state.eye_color_num, 3);
    EXPECT_EQ(ui.dbg_eye_color_num[0]->text(), QStringLiteral("3"));
    EXPECT_EQ(draws_during([&] { ui.eye_optjion_b[1]->click(); }), 1);
    EXPECT_EQ(w.state.eye_grey_flg, vb_false);
    EXPECT_EQ(draws_during([&] { ui.cloth_c1_option_b[0]->click(); }), 1);
    EXPECT_EQ(w.state.cloth_matte_flg, vb_true);
    w.draw_flg = vb_true;
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
    w.draw_flg = vb_false;
    ui.cloth_type->setValue(3);
    w.draw_flg = vb_true;
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

TEST_F(ColourSelectors, SelectedColoursReachTheView) {
    ui.hair_color->setValue(10);
    ui.body_color->setValue(4);
    ui.cloth_color->setValue(12);
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, 0, false));
    int hair = 0;
    int skin = 0;
    for (Colour c : w.workspace().pre_pic.bits()) {
        const auto& h = w.state.palettes.hair_palette[10];
        const auto& b = w.state.palettes.body_palette[4];
        hair += c == h[1] || c == h[2] || c == h[3];
        skin += c == b[1] || c == b[2] || c == b[3] || c == b[4];
        ASSERT_NE(c, hair_template[1]);
        ASSERT_NE(c, cloth_template[1]);
        ASSERT_NE(c, key_color);
    }
    EXPECT_GT(hair, 5);
    EXPECT_GT(skin, 5);
}

TEST_F(ColourSelectors, OptionsRedrawInTheirColours) {
    ui.body_color->setValue(4);
    ui.body_c_option_b[0]->click();
    for (Colour c : w.workspace().pre_pic.bits()) ASSERT_NE(c, w.state.palettes.body_palette[4][1]);
    ui.body_c_option_b[1]->click();
    ui.eye_optjion_b[1]->click();
    EXPECT_EQ(w.workspace().pre_pic, expected_sprite(0, 0, 0, false));
    for (Colour c : w.workspace().pre_pic.bits()) ASSERT_NE(c, eye_grey_template);
}

}  // namespace
}  // namespace kelvara::testing
