#include <gtest/gtest.h>

#include <random>
#include <set>

#include "compositor/palettes.h"
#include "compositor/recolor.h"
#include "compositor/sheet_colours.h"
#include "strip_colours.h"

namespace kelvara {
namespace {

struct Recolour : ::testing::Test {
    EditorState s;

    void SetUp() override {
        load_palettes(testing::carried_strips(), s.palettes);
        s.eye_grey_flg = vb_true;
        s.back_color = RGB(212, 208, 200);
    }

    // One pixel of every colour the sheets are painted in, then other colours a sprite holds; the
    // rest is key colour.
    static Surface every_template() {
        Surface p(64, 64, key_color);
        std::vector<Colour> colours = {testing::painted_eye_grey, outline_black,      outline_dark,
                                       highlight_white,           RGB(255, 255, 239), RGB(1, 2, 3)};
        for (const testing::ColourRule& r : testing::colour_rules) colours.push_back(r.painted);
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
    using testing::Strip;
    using testing::strip_colour;
    s.body_color_num = 3;
    s.cloth_color_num = 9;
    EXPECT_EQ(after(skin_template[0]), strip_colour(Strip::body, 3, 1));
    EXPECT_EQ(after(cloth_template[3]), strip_colour(Strip::cloth, 9, 4));
    s.body_matte_flg = vb_true;
    s.cloth_matte_flg = vb_true;
    EXPECT_EQ(after(skin_template[0]), after(skin_template[1]));
    EXPECT_EQ(after(cloth_template[3]), after(cloth_template[2]));
    EXPECT_EQ(after(skin_template[0]), strip_colour(Strip::body, 3, 2));
    EXPECT_EQ(after(cloth_template[3]), strip_colour(Strip::cloth, 9, 3));
    EXPECT_NE(after(skin_template[0]), strip_colour(Strip::body, 3, 1));
}

// The grey part is decided on the colour a pixel was painted in, not on the colour it was just
// given: a background or palette colour equal to the grey must stay grey.
TEST_F(Recolour, EyeGreyOptionWhitensOnlyTheGreyPart) {
    s.eye_grey_flg = vb_false;
    EXPECT_EQ(after(eye_grey_template), RGB(255, 255, 239));
    EXPECT_EQ(after(eye_template), RGB(66, 49, 66));
    s.back_color = RGB(192, 192, 216);
    EXPECT_EQ(after(key_color), RGB(192, 192, 216));
    EXPECT_EQ(after(eye_grey_template), RGB(255, 255, 239));
    s.palettes.hair_palette[0][2] = RGB(192, 192, 216);
    EXPECT_EQ(after(hair_template[1]), RGB(192, 192, 216));
    s.eye_grey_flg = vb_true;
    EXPECT_EQ(after(eye_grey_template), RGB(192, 192, 216));
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

// Each case sets the selectors to entries whose replacements all differ from one another, so a
// colour read through the wrong selector, table or shade, or an option acting on the wrong part,
// gives a pixel its neighbour's colour.
TEST_F(Recolour, EveryTemplateTakesItsSelectorsEntryAndShade) {
    struct Case {
        const char* name;
        Int16 hair, eye, accessory, body, cloth, pants, line;
        bool skin_matte, cloth_matte, keep_grey;
        Colour back;
        bool all_distinct;
    };
    const Case cases[] = {
        {"all different", 10, 3, 17, 5, 12, 40, 61, false, false, true, RGB(0x12, 0x34, 0x56),
         true},
        {"skin matte only", 33, 20, 2, 28, 44, 9, 70, true, false, false, RGB(1, 2, 3), false},
        {"cloth matte only", 7, 14, 22, 11, 60, 30, 2, false, true, true, RGB(200, 100, 50), false},
        {"last entries", 56, 25, 24, 32, 77, 78, 77, true, true, true, RGB(255, 255, 255), false},
        {"first entries", 0, 0, 1, 0, 0, 0, 1, false, false, false, RGB(0, 0, 0), false},
        // Cloth 5 carries the pants templates and pants and line 26 the cloth templates: each
        // replacement must stay as written.
        {"replacements are templates", 2, 8, 9, 1, 5, 26, 26, false, false, true, key_color, false},
        {"grey background, grey whitened", 3, 5, 6, 7, 8, 9, 10, false, false, false,
         RGB(192, 192, 216), false},
    };
    const Surface painted = every_template();
    for (const Case& c : cases) {
        s.hair_color_num = c.hair;
        s.eye_color_num = c.eye;
        s.accessory_color_num = c.accessory;
        s.body_color_num = c.body;
        s.cloth_color_num = c.cloth;
        s.cloth2_color_num = c.pants;
        s.cloth3_color_num = c.line;
        s.body_matte_flg = c.skin_matte ? vb_true : vb_false;
        s.cloth_matte_flg = c.cloth_matte ? vb_true : vb_false;
        s.eye_grey_flg = c.keep_grey ? vb_true : vb_false;
        s.back_color = c.back;
        if (c.all_distinct) {
            std::set<Colour> replacements = {c.back};
            for (const testing::ColourRule& r : testing::colour_rules) {
                replacements.insert(testing::expected_for_rule(r, s));
            }
            ASSERT_EQ(replacements.size(), testing::colour_rules.size() + 1) << c.name;
        }
        Surface p = painted;
        recolor_sprite(s, p);
        for (int x = 0; x < p.width(); ++x) {
            const Colour from = painted.GetPixel(x, 0);
            EXPECT_EQ(p.GetPixel(x, 0), testing::expected_colour(from, s))
                << c.name << ": pixel " << x << " painted " << std::hex << from;
        }
        EXPECT_EQ(p.GetPixel(63, 63), c.back) << c.name;
    }
}

TEST_F(Recolour, RandomSelectionsTakeTheirColoursFromTheStrips) {
    std::mt19937 rng(20261209);
    auto pick = [&rng](int top) {
        return static_cast<Int16>(std::uniform_int_distribution<int>(0, top)(rng));
    };
    const Surface painted = every_template();
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
        s.back_color = round % 11 == 0   ? key_color
                       : round % 13 == 0 ? eye_grey_template
                                         : RGB(pick(255), pick(255), pick(255));
        Surface p = painted;
        recolor_sprite(s, p);
        for (int x = 0; x < p.width(); ++x) {
            ASSERT_EQ(p.GetPixel(x, 0), testing::expected_colour(painted.GetPixel(x, 0), s))
                << "round " << round << ", pixel " << x;
        }
    }
}

}  // namespace
}  // namespace kelvara
