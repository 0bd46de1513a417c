#include <gtest/gtest.h>

#include <random>

#include "compositor/recolor.h"
#include "compositor/sheet_colours.h"
#include "palette_strips.h"

namespace kelvara {
namespace {

// The rule one pixel at a time, exactly as stated: compare the colour the pixel had before the
// pass with the templates in order, first match wins; then, on its own, the eye-grey rule.
void recolor_one_pixel_at_a_time(const EditorState& s, Surface& pre_pic) {
    const WorkingColourSet set = working_colour_set(s);
    for (int x = 0; x < pre_pic.width(); ++x) {
        for (int y = 0; y < pre_pic.height(); ++y) {
            const Colour c = pre_pic.GetPixel(x, y);
            for (const Replacement& r : set) {
                if (c == r.from) {
                    pre_pic.SetPixel(x, y, r.to);
                    break;
                }
            }
            if (s.eye_grey_flg == 0 && c == eye_grey_template) pre_pic.SetPixel(x, y, eye_white);
        }
    }
}

struct Recolour : ::testing::Test {
    EditorState s;

    void SetUp() override {
        PaletteStrips strips = palettegen::generate_palette_strips();
        load_palettes(strips, s.palettes);
        s.eye_grey_flg = vb_true;
        s.back_color = RGB(212, 208, 200);
    }

    // One pixel of every template colour, then the other colours a sprite holds.
    static Surface every_template() {
        Surface p(64, 64, key_color);
        std::vector<Colour> colours = {eye_template,     accessory_template, eye_grey_template,
                                       outline_black,    outline_dark,       highlight_white,
                                       line_template[0], line_template[1]};
        for (Colour c : skin_template) colours.push_back(c);
        for (Colour c : cloth_template) colours.push_back(c);
        for (Colour c : hair_template) colours.push_back(c);
        for (Colour c : pants_template) colours.push_back(c);
        for (int i = 0; i < static_cast<int>(colours.size()); ++i) p.SetPixel(i, 0, colours[i]);
        return p;
    }

    Colour after(Colour c) {
        Surface p(1, 1, c);
        recolor_sprite(s, p);
        return p.GetPixel(0, 0);
    }
};

TEST_F(Recolour, StartUpSelectionKeepsHairAndSkinAndPaintsTheRest) {
    for (Colour c : hair_template) EXPECT_EQ(after(c), c);
    for (Colour c : skin_template) EXPECT_EQ(after(c), c);
    EXPECT_EQ(after(eye_template), RGB(66, 49, 66));
    EXPECT_EQ(after(accessory_template), RGB(66, 49, 66));
    EXPECT_EQ(after(cloth_template[0]), RGB(96, 96, 112));
    EXPECT_EQ(after(cloth_template[3]), RGB(240, 240, 248));
    EXPECT_EQ(after(pants_template[0]), RGB(181, 181, 189));
    EXPECT_EQ(after(pants_template[1]), RGB(240, 240, 248));
    EXPECT_EQ(after(pants_template[2]), RGB(216, 216, 224));
    EXPECT_EQ(after(line_template[0]), RGB(181, 181, 189));
    EXPECT_EQ(after(line_template[1]), RGB(240, 240, 248));
    EXPECT_EQ(after(key_color), RGB(212, 208, 200));
    EXPECT_EQ(after(eye_grey_template), eye_grey_template);
    for (Colour c : {outline_black, outline_dark, highlight_white, RGB(1, 2, 3)}) {
        EXPECT_EQ(after(c), c);
    }
}

TEST_F(Recolour, IdentityEntriesLeaveTheSheetColours) {
    s.eye_color_num = 8;
    s.cloth_color_num = 25;
    s.cloth2_color_num = 6;
    s.cloth3_color_num = 20;
    EXPECT_EQ(after(eye_template), eye_template);
    for (Colour c : cloth_template) EXPECT_EQ(after(c), c);
    for (Colour c : pants_template) EXPECT_EQ(after(c), c);
    for (Colour c : line_template) EXPECT_EQ(after(c), c);
}

TEST_F(Recolour, MatteOptionsTakeTheHighlightAway) {
    s.body_color_num = 3;
    s.cloth_color_num = 9;
    EXPECT_EQ(after(skin_template[0]), s.palettes.body_palette[3][1]);
    EXPECT_EQ(after(cloth_template[3]), s.palettes.cloth_palette[9][4]);
    s.body_matte_flg = vb_true;
    s.cloth_matte_flg = vb_true;
    EXPECT_EQ(after(skin_template[0]), after(skin_template[1]));
    EXPECT_EQ(after(cloth_template[3]), after(cloth_template[2]));
    EXPECT_NE(after(skin_template[0]), s.palettes.body_palette[3][1]);
}

TEST_F(Recolour, EyeGreyOptionWhitensOnlyTheGreyPart) {
    s.eye_grey_flg = vb_false;
    EXPECT_EQ(after(eye_grey_template), eye_white);
    EXPECT_EQ(after(eye_template), RGB(66, 49, 66));
}

TEST_F(Recolour, ReplacementsEqualToOtherTemplatesAreNotReplacedAgain) {
    s.cloth_color_num = 5;  // its upper shades are the pants templates
    s.cloth2_color_num = 30;
    EXPECT_EQ(after(cloth_template[0]), RGB(128, 16, 16));
    EXPECT_EQ(after(cloth_template[1]), RGB(208, 24, 24));
    EXPECT_EQ(after(cloth_template[2]), RGB(232, 104, 104));
    EXPECT_EQ(after(cloth_template[3]), RGB(240, 192, 192));
    // Pants entry 26 carries the cloth templates.
    s.cloth_color_num = 40;
    s.cloth2_color_num = 26;
    EXPECT_EQ(after(pants_template[0]), cloth_template[1]);
}

TEST_F(Recolour, KeyColouredBackgroundStaysGreen) {
    s.back_color = key_color;
    EXPECT_EQ(after(key_color), key_color);
}

TEST_F(Recolour, LookupMatchesThePixelByPixelRuleOnRandomSelections) {
    std::mt19937 rng(20261209);
    auto pick = [&rng](int top) {
        return static_cast<Int16>(std::uniform_int_distribution<int>(0, top)(rng));
    };
    const Surface base = every_template();
    for (int round = 0; round < 500; ++round) {
        s.hair_color_num = pick(56);
        s.eye_color_num = pick(25);
        s.accessory_color_num = pick(25);
        s.body_color_num = pick(32);
        s.cloth_color_num = round % 5 == 0 ? 5 : pick(77);
        s.cloth2_color_num = round % 7 == 0 ? 26 : pick(78);
        s.cloth3_color_num = round % 3 == 0 ? 26 : pick(78);
        s.body_matte_flg = pick(1) ? vb_true : vb_false;
        s.cloth_matte_flg = pick(1) ? vb_true : vb_false;
        s.eye_grey_flg = pick(1) ? vb_true : vb_false;
        s.back_color = round % 11 == 0 ? key_color : RGB(pick(255), pick(255), pick(255));
        Surface fast = base;
        Surface slow = base;
        recolor_sprite(s, fast);
        recolor_one_pixel_at_a_time(s, slow);
        ASSERT_EQ(fast, slow) << "round " << round;
    }
}

}  // namespace
}  // namespace kelvara
