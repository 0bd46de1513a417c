// What the drawings must honour for the program to assemble them: the sheet palette, the frame
// bounds, the shared jaw line, the head square, the outfits, and one drawing per index.

#include <gtest/gtest.h>

#include <set>

#include "compositor/character_draw.h"
#include "sheetgen_support.h"
#include "tools/sheetgen/damage_table.h"
#include "tools/sheetgen/pose_art.h"

namespace kelvara::sheetgen_test {
namespace {

using sheetgen::draw_damage_cell;
using sheetgen::draw_face_cell;
using sheetgen::draw_hair_cell;
using sheetgen::draw_pose_cell;

bool in_sheet_palette(Colour c) {
    return c == key_color || is_skin(c) || one_of(c, cloth_template) || one_of(c, pants_template) ||
           one_of(c, hair_template) || one_of(c, line_template) || c == eye_template ||
           c == eye_grey_template || c == accessory_template || c == outline_black ||
           c == outline_dark || c == highlight_white;
}

bool contains_any(const Surface& s, bool (*pred)(Colour)) {
    return std::any_of(s.bits().begin(), s.bits().end(), pred);
}

constexpr int head_in_front[] = {75, 76, 77, 110};

bool head_in_front_pose(int i) {
    return std::count(std::begin(head_in_front), std::end(head_in_front), i) > 0;
}

TEST(SheetgenDrawing, CellsUseOnlyTheSheetPalette) {
    // Marker red is allowed in hair only; where it may lie is the layout tests' business.
    const auto check = [](const Surface& cell, bool red_allowed, const char* kind, int i) {
        for (const Colour c : cell.bits()) {
            if (red_allowed && c == marker_red) continue;
            ASSERT_TRUE(in_sheet_palette(c)) << kind << " " << i << " has colour " << c;
        }
    };
    for (int i = 0; i < face_count; ++i) {
        check(draw_face_cell(i), false, "face", i);
        check(draw_hair_cell(i), true, "hair", i);
    }
    for (int i = 0; i < pose_count; ++i) check(draw_pose_cell(i), false, "pose", i);
    for (int i = 0; i < damage_pose_count; ++i) check(draw_damage_cell(i), false, "damage", i);
}

TEST(SheetgenDrawing, EveryIndexHasADrawing) {
    for (int i = 0; i < face_count; ++i) {
        EXPECT_GT(drawn_count(draw_face_cell(i)), 0) << "face " << i;
        if (i != 75) {
            EXPECT_GT(drawn_count(draw_hair_cell(i)), 0) << "hair " << i;
        }
    }
    for (int i = 0; i < pose_count; ++i) EXPECT_GT(drawn_count(draw_pose_cell(i)), 0) << i;
    for (int i = 0; i < damage_pose_count; ++i) EXPECT_GT(drawn_count(draw_damage_cell(i)), 0) << i;
}

TEST(SheetgenDrawing, DrawingsAreDistinct) {
    const auto distinct = [](Surface (*draw)(int), int count, int skip) {
        std::set<std::vector<Colour>> seen;
        for (int i = 0; i < count; ++i) {
            if (i != skip) seen.insert(draw(i).bits());
        }
        return static_cast<int>(seen.size());
    };
    EXPECT_EQ(distinct(draw_face_cell, face_count, -1), face_count);
    EXPECT_EQ(distinct(draw_hair_cell, face_count, 75), face_count - 1);
    EXPECT_EQ(distinct(draw_pose_cell, pose_count, -1), pose_count);
    EXPECT_EQ(distinct(draw_damage_cell, damage_pose_count, -1), damage_pose_count);
}

// Columns 3..53 and rows 13..53 of a frame hold the figure; the program keeps only the first 63
// columns and rows. Frame column 3 is reserved for the one fist that reaches that far.
TEST(SheetgenDrawing, FiguresStayInsideTheFrameBounds) {
    // Drawn pixels outside the bounds, and those in column 3.
    struct Strays {
        int outside = 0;
        Point first{-1, -1};
        std::vector<int> column3_rows;
    };
    const auto strays = [](const Surface& frame) {
        Strays s;
        for (int y = 0; y < sprite_frame; ++y) {
            for (int x = 0; x < sprite_frame; ++x) {
                if (!drawn(frame.GetPixel(x, y))) continue;
                if (x < 3 || x > 53 || y < 13 || y > 53) {
                    if (s.outside++ == 0) s.first = {x, y};
                }
                if (x == 3) s.column3_rows.push_back(y);
            }
        }
        return s;
    };
    const std::vector<int> long_jab_rows{25, 26, 27};
    for (int i = 0; i < pose_count; ++i) {
        const Strays s = strays(draw_pose_cell(i));
        EXPECT_EQ(s.outside, 0) << "pose " << i << " at " << s.first.x << "," << s.first.y;
        EXPECT_EQ(s.column3_rows, i == 45 ? long_jab_rows : std::vector<int>{}) << "pose " << i;
    }
    for (int i = 0; i < damage_pose_count; ++i) {
        const Strays s = strays(draw_damage_cell(i));
        EXPECT_EQ(s.outside, 0) << "damage " << i << " at " << s.first.x << "," << s.first.y;
        EXPECT_TRUE(s.column3_rows.empty()) << "damage " << i;
    }
}

// Every face ends on one jaw line, and every pose continues it below, so any face fits any body.
TEST(SheetgenDrawing, FacesAndPosesMeetAtTheJaw) {
    const auto is_jaw_row = [](const Surface& s, int y, int x0) {
        if (!is_outline(s.GetPixel(x0 + 3, y)) || !is_outline(s.GetPixel(x0 + 15, y))) return false;
        for (int x = x0 + 4; x <= x0 + 14; ++x) {
            if (!is_skin(s.GetPixel(x, y))) return false;
        }
        return true;
    };
    for (int i = 0; i < face_count; ++i) {
        const Surface face = draw_face_cell(i);
        EXPECT_TRUE(is_jaw_row(face, 12, 0)) << "face " << i;
    }
    for (int i = 0; i < pose_count; ++i) {
        const Surface pose = draw_pose_cell(i);
        EXPECT_TRUE(is_jaw_row(pose, head_offset.y + 13, head_offset.x)) << "pose " << i;
        // A head laid in front leaves its last row to the body.
        if (head_in_front_pose(i)) {
            EXPECT_TRUE(is_jaw_row(pose, head_offset.y + head_rows_front, head_offset.x))
                << "pose " << i;
        }
    }
}

// Bodies are laid over the head, so wherever a body draws in the head's square it hides the face.
TEST(SheetgenDrawing, PosesLeaveTheHeadSquareToTheHead) {
    for (int i = 0; i < pose_count; ++i) {
        EXPECT_EQ(sheetgen::pose_has_head_in_front(i), head_in_front_pose(i)) << i;
        if (head_in_front_pose(i)) continue;
        const Surface pose = draw_pose_cell(i);
        for (int y = head_offset.y; y < head_offset.y + head_rows_behind; ++y) {
            for (int x = head_offset.x; x < head_offset.x + 19; ++x) {
                ASSERT_FALSE(drawn(pose.GetPixel(x, y))) << "pose " << i << " at " << x << "," << y;
            }
        }
    }
}

TEST(SheetgenDrawing, OutfitsFollowTheIndexRanges) {
    // The school uniform is cloth alone; the other outfits include a sports kit with shorts and
    // trim.
    for (int i = 0; i < pose_count; ++i) {
        const Surface pose = draw_pose_cell(i);
        const bool uniform = i < sheetgen::first_other_outfit_pose;
        EXPECT_TRUE(contains_any(pose, is_cloth)) << "pose " << i;
        if (uniform) {
            EXPECT_FALSE(contains_any(pose, is_pants) || contains_any(pose, is_trim)) << i;
        }
    }
    int sports = 0;
    for (int i = sheetgen::first_other_outfit_pose; i < pose_count; ++i) {
        const Surface pose = draw_pose_cell(i);
        sports += contains_any(pose, is_pants) && contains_any(pose, is_trim) ? 1 : 0;
    }
    EXPECT_GT(sports, 0);
    for (int i = 0; i < damage_pose_count; ++i) {
        const Surface figure = draw_damage_cell(i);
        // Damage figures are complete: their head is part of the drawing (burnt and frozen ones
        // have lost their colour).
        if (sheetgen::damage_figure(i).finish == sheetgen::Finish::none) {
            EXPECT_TRUE(contains_any(figure, is_skin) && contains_any(figure, is_hair)) << i;
        }
        if (i < 24) {
            EXPECT_FALSE(contains_any(figure, is_pants) || contains_any(figure, is_trim)) << i;
        }
    }
    EXPECT_TRUE(contains_any(draw_damage_cell(24), is_pants));
}

// An accessory-coloured pixel with no neighbour of its colour reads as a speck of dirt at x1, not
// as a button or badge.
int lone_accessory_pixels(const Surface& s) {
    int lone = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.GetPixel(x, y) != accessory_template) continue;
            const auto same = [&](int nx, int ny) {
                return nx >= 0 && ny >= 0 && nx < s.width() && ny < s.height() &&
                       s.GetPixel(nx, ny) == accessory_template;
            };
            if (!same(x - 1, y) && !same(x + 1, y) && !same(x, y - 1) && !same(x, y + 1)) ++lone;
        }
    }
    return lone;
}

TEST(SheetgenDrawing, ButtonsAreNoSpecks) {
    for (int i = 0; i < pose_count; ++i) {
        EXPECT_EQ(lone_accessory_pixels(draw_pose_cell(i)), 0) << "pose " << i;
    }
    for (int i = 0; i < damage_pose_count; ++i) {
        EXPECT_EQ(lone_accessory_pixels(draw_damage_cell(i)), 0) << "damage figure " << i;
    }
}

TEST(SheetgenDrawing, GeneratingTwiceGivesTheSamePixels) {
    const Sheets again = sheetgen::generate_sheets();
    EXPECT_EQ(again.face_set, generated().face_set);
    EXPECT_EQ(again.hair_set, generated().hair_set);
    EXPECT_EQ(again.cloth_set, generated().cloth_set);
    EXPECT_EQ(again.damage_set, generated().damage_set);
}

}  // namespace
}  // namespace kelvara::sheetgen_test
