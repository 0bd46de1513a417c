#include <gtest/gtest.h>

#include "compositor/character_draw.h"
#include "compositor/sheet_colours.h"
#include "strip_colours.h"

namespace kelvara {
namespace {

constexpr Colour body = RGB(10, 20, 30);
constexpr Colour grey = RGB(212, 208, 200);

Colour head_at(int i, int j) {
    return RGB(200, 10 * i, 10 * j);
}
Colour sprite_at(int x, int y) {
    return RGB(x, y, 99);
}

struct DrawFixture : ::testing::Test {
    Workspace w;
    EditorState state;

    void SetUp() override {
        state.size_num = 4;
        state.back_color = grey;
        state.eye_grey_flg = vb_true;
        load_palettes(testing::carried_strips(), state.palettes);
        for (int j = 0; j < 19; ++j) {
            for (int i = 0; i < 19; ++i) w.pre_face_pic.SetPixel(i, j, head_at(i, j));
        }
        w.pre_face_pic.SetPixel(5, 5, key_color);
    }

    // A pose cell that is body where x is odd in the head area and transparent elsewhere.
    void striped_body() {
        w.pre_cloth_pic.Cls();
        for (int y = 16; y < 35; ++y) {
            for (int x = 24; x < 43; ++x) {
                if (x % 2 == 1) w.pre_cloth_pic.SetPixel(x, y, body);
            }
        }
    }

    // Every sprite pixel its own colour, to see which ones the view shows where.
    void coded_sprite() {
        state.type_flg = 1;  // no head
        for (int y = 0; y < 63; ++y) {
            for (int x = 0; x < 63; ++x) w.pre_cloth_pic.SetPixel(x, y, sprite_at(x, y));
        }
    }
};

TEST_F(DrawFixture, BehindModeShowsTheHeadOnlyWhereTheBodyIsTransparent) {
    striped_body();
    Character_draw(state, false, w);
    for (int j = 0; j < 19; ++j) {
        for (int i = 0; i < 19; ++i) {
            const int x = i + 24;
            const int y = j + 16;
            Colour expected = grey;
            if (x % 2 == 1) {
                expected = body;
            } else if (j <= 12) {
                expected = (i == 5 && j == 5) ? grey : head_at(i, j);
            }
            ASSERT_EQ(w.pre_pic.GetPixel(x, y), expected) << i << "," << j;
        }
    }
}

TEST_F(DrawFixture, FrontModeCoversTheBodyDownToHeadRow11) {
    striped_body();
    Character_draw(state, true, w);
    for (int j = 0; j < 19; ++j) {
        for (int i = 0; i < 19; ++i) {
            const int x = i + 24;
            const int y = j + 16;
            const Colour under = (x % 2 == 1) ? body : grey;
            Colour expected = under;
            if (j <= 11 && !(i == 5 && j == 5)) expected = head_at(i, j);
            ASSERT_EQ(w.pre_pic.GetPixel(x, y), expected) << i << "," << j;
        }
    }
}

TEST_F(DrawFixture, DamagePosesGetNoHead) {
    striped_body();
    state.type_flg = 1;
    Character_draw(state, false, w);
    EXPECT_EQ(w.pre_pic.GetPixel(24, 16), grey);
    EXPECT_EQ(w.pre_pic.GetPixel(25, 16), body);
}

TEST_F(DrawFixture, PrePicIsClearedBeforeEachDraw) {
    striped_body();
    Character_draw(state, false, w);
    w.pre_cloth_pic.Cls();
    state.type_flg = 1;
    Character_draw(state, false, w);
    for (Colour c : w.pre_pic.bits()) ASSERT_EQ(c, grey);
}

TEST_F(DrawFixture, AtSize4TheViewShowsSpriteColumns0To65) {
    coded_sprite();
    Character_draw(state, false, w);
    const Surface& v = w.character_view;
    EXPECT_EQ(v.GetPixel(0, 0), sprite_at(0, 0));
    EXPECT_EQ(v.GetPixel(251, 3), sprite_at(62, 0));
    // Column 63 of the sprite is transparent and comes out in the background colour; 64 and 65
    // exist nowhere, so the view keeps its own background there.
    EXPECT_EQ(v.GetPixel(252, 0), grey);
    EXPECT_EQ(v.GetPixel(256, 0), grey);
    EXPECT_EQ(v.GetPixel(263, 263), grey);
}

TEST_F(DrawFixture, AtSize1TheSpriteStandsAt102_100OnTheBackground) {
    coded_sprite();
    state.size_num = 1;
    Character_draw(state, false, w);
    const Surface& v = w.character_view;
    EXPECT_EQ(v.GetPixel(101, 100), grey);
    EXPECT_EQ(v.GetPixel(102, 99), grey);
    EXPECT_EQ(v.GetPixel(102, 100), sprite_at(0, 0));
    EXPECT_EQ(v.GetPixel(102 + 62, 100 + 62), sprite_at(62, 62));
    EXPECT_EQ(v.GetPixel(102 + 64, 100), grey);
}

TEST_F(DrawFixture, AtSizes5And6TheSpriteIsCutOnEverySide) {
    coded_sprite();
    state.size_num = 5;
    Character_draw(state, false, w);
    EXPECT_EQ(w.character_view.GetPixel(0, 0), sprite_at(8, 8));
    EXPECT_EQ(w.character_view.GetPixel(263, 263), sprite_at(60, 60));
    EXPECT_EQ(w.character_view.GetPixel(259, 0), sprite_at(59, 8));

    state.size_num = 6;
    Character_draw(state, false, w);
    EXPECT_EQ(w.character_view.GetPixel(0, 0), sprite_at(11, 11));
    EXPECT_EQ(w.character_view.GetPixel(1, 1), sprite_at(11, 11));
    EXPECT_EQ(w.character_view.GetPixel(2, 2), sprite_at(12, 12));
    EXPECT_EQ(w.character_view.GetPixel(263, 263), sprite_at(55, 55));
}

TEST_F(DrawFixture, BackgroundColourChangesTheAreaAroundAndTheTransparentPixelsOnly) {
    coded_sprite();
    w.pre_cloth_pic.SetPixel(10, 10, key_color);
    state.size_num = 2;
    Character_draw(state, false, w);
    const Surface before = w.character_view;
    const Colour white = RGB(255, 255, 255);
    state.back_color = white;
    Character_draw(state, false, w);
    for (int y = 0; y < 264; ++y) {
        for (int x = 0; x < 264; ++x) {
            // The sprite's 63 drawn columns and rows at x2, less its one transparent pixel.
            const bool drawn = x >= 67 && y >= 67 && x < 67 + 126 && y < 67 + 126 &&
                               !((x - 67) / 2 == 10 && (y - 67) / 2 == 10);
            ASSERT_EQ(w.character_view.GetPixel(x, y), drawn ? before.GetPixel(x, y) : white)
                << x << "," << y;
        }
    }
}

// Recolouring comes after the head is laid, so template colours of the head are recoloured too.
TEST_F(DrawFixture, ViewShowsTheSpriteInItsSelectedColours) {
    using testing::Strip;
    using testing::strip_colour;
    w.pre_cloth_pic.Cls();
    w.pre_cloth_pic.SetPixel(30, 40, cloth_template[1]);
    w.pre_cloth_pic.SetPixel(31, 40, eye_template);
    w.pre_face_pic.SetPixel(3, 4, hair_template[2]);
    w.pre_face_pic.SetPixel(4, 4, eye_template);
    state.cloth_color_num = 9;
    state.hair_color_num = 21;
    state.eye_color_num = 13;
    for (int type : {0, 1}) {
        state.type_flg = static_cast<Int16>(type);
        Character_draw(state, false, w);
        EXPECT_EQ(w.pre_pic.GetPixel(30, 40), strip_colour(Strip::cloth, 9, 2));
        EXPECT_EQ(w.character_view.GetPixel(4 * 30 + 3, 4 * 40), strip_colour(Strip::cloth, 9, 2));
        EXPECT_EQ(w.character_view.GetPixel(4 * 31, 4 * 40 + 3), RGB(214, 82, 49));
    }
    EXPECT_EQ(w.pre_pic.GetPixel(24 + 3, 16 + 4), grey) << "damage poses get no head";
    state.type_flg = 0;
    Character_draw(state, true, w);
    EXPECT_EQ(w.pre_pic.GetPixel(24 + 3, 16 + 4), strip_colour(Strip::hair, 21, 3));
    EXPECT_EQ(w.character_view.GetPixel(4 * 28 + 1, 4 * 20 + 2), RGB(214, 82, 49));
}

}  // namespace
}  // namespace kelvara
