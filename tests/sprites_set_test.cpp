// A sprite set's frame list and its pivot.
#include <gtest/gtest.h>

#include "export_test_support.h"
#include "sprites/sprite_atlas.h"
#include "sprites/sprite_pivot.h"
#include "sprites/sprite_set.h"

namespace kelvara::testing {
namespace {

using namespace Qt::StringLiterals;
using namespace sprites;

const SetAnimation* find(const SpriteSet& set, std::string_view name) {
    for (const SetAnimation& a : set.animations) {
        if (a.animation.name == name) return &a;
    }
    return nullptr;
}

// Every animation is one run of the list: cells that are neighbours serve as they are, the others
// are appended after the cells in the animation's order, each for the animation's frame time.
TEST(SpriteSetFrames, EveryAnimationIsOneRunOfTheList) {
    struct Run {
        const char* name;
        int from;
        std::vector<int> cells;  // the atlas cells the run shows, in order
    };
    struct Case {
        FrameSet frames;
        int frame_count;
        int animation_count;
        std::vector<Run> runs;
    };
    // clang-format off
    const Case cases[] = {
        {FrameSet::all, 200, 17,
         {{"walk", 4, {4, 5, 6, 7, 8, 9, 10, 11}}, {"catch", 190, {62, 63, 65}},
          {"knocked-down", 193, {145, 147, 148, 149}}, {"fall-forward", 197, {146, 150, 151}},
          {"dizzy", 152, {152, 153, 154}}, {"frozen", 159, {159}}}},
        {FrameSet::poses, 139, 7, {{"catch", 136, {62, 63, 65}}, {"kit-run", 114, {114, 115}}}},
        {FrameSet::damage, 61, 10,
         {{"hit", 0, {0, 1}}, {"knocked-down", 54, {9, 11, 12, 13}},
          {"fall-forward", 58, {10, 14, 15}}, {"get-up", 19, {19, 20, 21}}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const SpriteSet set = sprite_set(c.frames, 16, 2);
        SCOPED_TRACE(set.cell_count());
        EXPECT_EQ(set.frame_count(), c.frame_count);
        EXPECT_EQ(set.animations.size(), static_cast<std::size_t>(c.animation_count));
        EXPECT_EQ(set.grid.cell_width, 126);
        for (int k = 0; k < set.cell_count(); ++k) {
            ASSERT_EQ(set.frames[static_cast<std::size_t>(k)].cell, k) << "cells come first";
        }
        for (const Run& r : c.runs) {
            const SetAnimation* a = find(set, r.name);
            ASSERT_NE(a, nullptr) << r.name;
            EXPECT_EQ(a->from, r.from) << r.name;
            ASSERT_EQ(a->to - a->from + 1, static_cast<int>(r.cells.size())) << r.name;
            for (std::size_t k = 0; k < r.cells.size(); ++k) {
                const SetFrame& f = set.frames[static_cast<std::size_t>(a->from) + k];
                EXPECT_EQ(f.cell, r.cells[k]) << r.name << " " << k;
                EXPECT_EQ(f.duration_ms, a->animation.frame_ms) << r.name << " " << k;
            }
        }
    }
    const SpriteSet all = sprite_set(FrameSet::all, 16, 1);
    EXPECT_EQ(find(all, "dizzy")->played(), (std::vector<int>{152, 153, 154, 153}));
    EXPECT_EQ(find(all, "catch")->played(), (std::vector<int>{190, 191, 192}));
    EXPECT_EQ(all.rect(191), QRect(63 * 15, 63 * 3, 63, 63)) << "shows cell 63";
}

// Hand-drawn stances: the point lies on the line below the lowest row that is not ground, halfway
// between that row's outermost pixels.
TEST(SpriteSetPivot, TheGroundPointIsUnderTheMiddleOfTheFeet) {
    const Colour ground = RGB(0, 255, 0);
    const Colour ink = RGB(10, 10, 10);
    struct Case {
        const char* what;
        std::vector<QRect> strokes;
        QPoint point;
    };
    const Case cases[] = {
        {"two feet on row 7", {{2, 7, 2, 1}, {8, 7, 3, 1}, {4, 1, 4, 6}}, {6, 8}},
        {"a fist reaching further than the feet",
         {{0, 3, 1, 1}, {5, 6, 2, 1}, {5, 2, 2, 4}},
         {6, 7}},
        {"one pixel on the bottom row", {{9, 9, 1, 1}}, {9, 10}},
        {"nothing drawn", {}, {6, 10}},
    };
    for (const Case& c : cases) {
        Surface stance(12, 10, ground);
        for (const QRect& r : c.strokes) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x) stance.SetPixel(x, y, ink);
            }
        }
        EXPECT_EQ(ground_point(stance, ground), c.point) << c.what;
    }
    // The stance drawn: every character stands on the same point, which scales with the cell.
    const CharacterOutput output;
    EditorState other = start_up_selection();
    other.face_num = 300;
    other.hair_num = 12;
    EXPECT_EQ(stance_pivot(output, start_up_selection(), 1), QPoint(30, 50));
    EXPECT_EQ(stance_pivot(output, other, 3), QPoint(90, 150));
}

}  // namespace
}  // namespace kelvara::testing
