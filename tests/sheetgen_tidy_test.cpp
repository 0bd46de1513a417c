// The clean-up rules that keep shaded art in clusters, and the assembly of a character the way
// the program lays head and body.

#include <gtest/gtest.h>

#include "compositor/character_draw.h"
#include "sheetgen_support.h"
#include "tools/sheetgen/character.h"
#include "tools/sheetgen/pose_art.h"
#include "tools/sheetgen/tidy.h"

namespace kelvara::sheetgen_test {
namespace {

using sheetgen::merge_specks;
using sheetgen::seal_gaps;

constexpr Colour light = skin_template[1];
constexpr Colour dark = skin_template[2];

TEST(SheetgenTidy, ALonePixelJoinsTheToneAroundIt) {
    Surface s(5, 5, light);
    s.SetPixel(2, 2, dark);
    merge_specks(s, skin_template);
    EXPECT_EQ(s.GetPixel(2, 2), light);
    // A pair is a cluster and stays.
    s.SetPixel(2, 2, dark);
    s.SetPixel(3, 2, dark);
    merge_specks(s, skin_template);
    EXPECT_EQ(s.GetPixel(2, 2), dark);
    EXPECT_EQ(s.GetPixel(3, 2), dark);
}

TEST(SheetgenTidy, ACheckerboardClosesIntoClusters) {
    Surface s(4, 4, key_color);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) s.SetPixel(x, y, (x + y) % 2 ? light : dark);
    }
    merge_specks(s, skin_template);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const Colour c = s.GetPixel(x, y);
            const bool paired = s.GetPixel(x - 1, y) == c || s.GetPixel(x + 1, y) == c ||
                                s.GetPixel(x, y - 1) == c || s.GetPixel(x, y + 1) == c;
            EXPECT_TRUE(paired) << x << "," << y;
        }
    }
}

TEST(SheetgenTidy, APixelShutInByLinesCloseTheGap) {
    Surface s(3, 3, outline_black);
    s.SetPixel(1, 1, light);
    merge_specks(s, skin_template);
    EXPECT_EQ(s.GetPixel(1, 1), outline_black);
    // Colours outside the tones are never touched.
    Surface eye(3, 3, outline_black);
    eye.SetPixel(1, 1, eye_template);
    merge_specks(eye, skin_template);
    EXPECT_EQ(eye.GetPixel(1, 1), eye_template);
}

TEST(SheetgenTidy, HairCoversALoneFacePixelBetweenStrands) {
    Surface face(5, 5, light);
    Surface hair(5, 5, key_color);
    for (const Point p : {Point{1, 2}, Point{3, 2}, Point{2, 1}, Point{2, 3}}) {
        hair.SetPixel(p.x, p.y, hair_template[1]);
    }
    seal_gaps(hair, face, 5);
    EXPECT_EQ(hair.GetPixel(2, 2), hair_template[1]);
    // Below the rows a body shows nothing is sealed.
    Surface low(5, 5, key_color);
    for (const Point p : {Point{1, 4}, Point{3, 4}, Point{2, 3}}) {
        low.SetPixel(p.x, p.y, hair_template[1]);
    }
    seal_gaps(low, face, 4);
    EXPECT_EQ(low.GetPixel(2, 4), key_color);
}

// Behind the body the head fills only empty pixels; in front it covers the body but leaves its
// last row to it.
TEST(SheetgenCharacter, TheHeadLiesBehindOrInFrontAsThePoseSays) {
    const int i = 17;
    const Surface head = sheetgen::character_head(i);
    for (const int pose : {0, 75}) {
        const Surface body = sheetgen::draw_pose_cell(pose);
        const Surface frame = sheetgen::character_on_pose(i, pose);
        const bool front = sheetgen::pose_has_head_in_front(pose);
        for (int j = 0; j < 19; ++j) {
            for (int x = 0; x < 19; ++x) {
                const Point at{head_offset.x + x, head_offset.y + j};
                const Colour h = head.GetPixel(x, j), b = body.GetPixel(at.x, at.y);
                const int rows = front ? head_rows_front : head_rows_behind;
                Colour expected = b;
                if (j < rows && h != key_color && (front || b == key_color)) expected = h;
                ASSERT_EQ(frame.GetPixel(at.x, at.y), expected) << pose << " at " << x << "," << j;
            }
        }
    }
}

}  // namespace
}  // namespace kelvara::sheetgen_test
