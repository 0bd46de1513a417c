// Where things lie on the four sheets: grid, headers, cells, unused cells and hole markers.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "compositor/head.h"
#include "sheetgen_support.h"
#include "tools/sheetgen/sheet_frame.h"

namespace kelvara::sheetgen_test {
namespace {

using sheetgen::head_header_colour;
using sheetgen::pose_header_colour;

struct NamedSheet {
    const char* name;
    const Surface& sheet;
    const SheetGeometry& geometry;
};

std::vector<NamedSheet> all_sheets() {
    const Sheets& s = generated();
    return {{"face", s.face_set, head_sheet_geometry},
            {"hair", s.hair_set, head_sheet_geometry},
            {"cloth", s.cloth_set, cloth_sheet_geometry},
            {"damage", s.damage_set, damage_sheet_geometry}};
}

// The white pixels of a rectangle, and their bounding box.
struct Ink {
    int count = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    std::vector<Colour> picture;
};

Ink ink_in(const Surface& s, int x0, int y0, int width, int height) {
    Ink ink;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) {
            const Colour c = s.GetPixel(x, y);
            ink.picture.push_back(c);
            if (c != sheetgen::header_ink) continue;
            ++ink.count;
            ink.left = std::min(ink.left, x - x0);
            ink.right = std::max(ink.right, x - x0);
            ink.top = std::min(ink.top, y - y0);
            ink.bottom = std::max(ink.bottom, y - y0);
        }
    }
    return ink;
}

TEST(SheetgenLayout, SheetsHaveTheirSizes) {
    for (const NamedSheet& s : all_sheets()) {
        EXPECT_EQ(s.sheet.width(), s.geometry.width) << s.name;
        EXPECT_EQ(s.sheet.height(), s.geometry.height) << s.name;
    }
}

TEST(SheetgenLayout, HeadSheetGridAndHeaderStrips) {
    for (const NamedSheet& s : all_sheets()) {
        if (&s.geometry != &head_sheet_geometry) continue;
        SCOPED_TRACE(s.name);
        for (int y = 0; y < s.sheet.height(); ++y) {
            for (int x = 0; x < s.sheet.width(); ++x) {
                const Colour c = s.sheet.GetPixel(x, y);
                if (x % 20 == 0 || y % 20 == 0) {
                    ASSERT_EQ(c, outline_black) << "grid at " << x << "," << y;
                } else if (x < 20 || y < 20) {
                    ASSERT_TRUE(c == head_header_colour || c == sheetgen::header_ink)
                        << "header at " << x << "," << y;
                }
            }
        }
        // Every header cell is numbered, each number differently, centred in its cell.
        std::set<std::vector<Colour>> columns, rows;
        for (int c = 0; c < 72; ++c) {
            const Ink ink = ink_in(s.sheet, 21 + 20 * c, 1, 19, 19);
            ASSERT_GT(ink.count, 0) << "column " << c;
            EXPECT_LE(std::abs((ink.left + ink.right) - 18), 1) << "column " << c;
            EXPECT_LE(std::abs((ink.top + ink.bottom) - 18), 1) << "column " << c;
            columns.insert(ink.picture);
        }
        for (int r = 0; r < 10; ++r) {
            const Ink ink = ink_in(s.sheet, 1, 21 + 20 * r, 19, 19);
            ASSERT_GT(ink.count, 0) << "row " << r;
            rows.insert(ink.picture);
        }
        EXPECT_EQ(columns.size(), 72u);
        EXPECT_EQ(rows.size(), 10u);
        EXPECT_GT(ink_in(s.sheet, 1, 1, 19, 19).count, 0) << "corner label";
    }
}

TEST(SheetgenLayout, PoseSheetGridAndHeaderColumn) {
    for (const NamedSheet& s : all_sheets()) {
        if (&s.geometry == &head_sheet_geometry) continue;
        SCOPED_TRACE(s.name);
        for (int y = 0; y < s.sheet.height(); ++y) {
            for (int x = 0; x < s.sheet.width(); ++x) {
                const Colour c = s.sheet.GetPixel(x, y);
                if (x < 19) {
                    ASSERT_TRUE(c == pose_header_colour || c == sheetgen::header_ink)
                        << "header at " << x << "," << y;
                } else if ((x - 19) % 68 == 0 || y % 68 == 0) {
                    ASSERT_EQ(c, outline_black) << "grid at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(ink_in(s.sheet, 0, 0, 19, 19).count, 0) << "label";
    }
}

// Cutting a cell the way the program does gives back exactly the generator's drawing, so every
// drawing sits in its own cell.
TEST(SheetgenLayout, EachCellHoldsItsIndexDrawing) {
    const Sheets& s = generated();
    for (int i = 0; i < 720; ++i) {
        ASSERT_EQ(head_cell(s.face_set, i), sheetgen::draw_face_cell(i)) << "face " << i;
        ASSERT_EQ(head_cell(s.hair_set, i), sheetgen::draw_hair_cell(i)) << "hair " << i;
    }
    for (int i = 0; i < 140; ++i) {
        ASSERT_EQ(frame_cell(s.cloth_set, i), sheetgen::draw_pose_cell(i)) << "pose " << i;
    }
    for (int i = 0; i < 60; ++i) {
        ASSERT_EQ(frame_cell(s.damage_set, i), sheetgen::draw_damage_cell(i)) << "damage " << i;
    }
}

TEST(SheetgenLayout, CellsPastTheLastIndexAreEmpty) {
    const Sheets& s = generated();
    for (int i = face_count; i < 720; ++i) {
        EXPECT_EQ(drawn_count(head_cell(s.face_set, i)), 0) << "face " << i;
        EXPECT_EQ(drawn_count(head_cell(s.hair_set, i)), 0) << "hair " << i;
    }
    for (int i = pose_count; i < 140; ++i) {
        EXPECT_EQ(drawn_count(frame_cell(s.cloth_set, i)), 0) << "pose " << i;
    }
    // Unused damage cells hold only a short dash in the middle.
    for (int i = damage_pose_count; i < 60; ++i) {
        const Surface cell = frame_cell(s.damage_set, i);
        const int n = drawn_count(cell);
        EXPECT_TRUE(n >= 2 && n <= 8) << "damage " << i << " has " << n << " pixels";
        for (int y = 0; y < sprite_frame; ++y) {
            for (int x = 0; x < sprite_frame; ++x) {
                const Colour c = cell.GetPixel(x, y);
                if (!drawn(c)) continue;
                EXPECT_TRUE(is_outline(c)) << "damage " << i;
                EXPECT_TRUE(x >= 26 && x <= 40 && y >= 30 && y <= 36)
                    << "damage " << i << " at " << x << "," << y;
            }
        }
    }
}

TEST(SheetgenLayout, HairOfTheBaldCharacterIsEmpty) {
    EXPECT_EQ(drawn_count(head_cell(generated().hair_set, 75)), 0);
}

TEST(SheetgenLayout, MarkerRedOnlyAtTheHairHoles) {
    using Hole = std::pair<int, int>;  // hair index, y * 19 + x within the cell
    const std::set<Hole> expected = {{301, 7 * 19 + 15}, {301, 8 * 19 + 15}, {301, 9 * 19 + 15},
                                     {304, 7 * 19 + 15}, {304, 8 * 19 + 15}, {709, 4 * 19 + 6}};
    const Sheets& s = generated();
    std::set<Hole> found;
    for (const Surface* sheet : {&s.face_set, &s.hair_set}) {
        for (int y = 0; y < sheet->height(); ++y) {
            for (int x = 0; x < sheet->width(); ++x) {
                if (sheet->GetPixel(x, y) != marker_red) continue;
                ASSERT_EQ(sheet, &s.hair_set) << "red in the face sheet at " << x << "," << y;
                const int i = (x - 21) / 20 * 10 + (y - 21) / 20;
                found.insert({i, (y - 21) % 20 * 19 + (x - 21) % 20});
            }
        }
    }
    EXPECT_EQ(found, expected);
    // The program punches out exactly these hairs' markers, and each sits against drawn hair.
    for (int i = 0; i < face_count; ++i) {
        const Surface cell = head_cell(s.hair_set, i);
        const bool red = std::count(cell.bits().begin(), cell.bits().end(), marker_red) > 0;
        EXPECT_EQ(red, hair_has_holes(i)) << "hair " << i;
    }
    for (const auto& [i, at] : expected) {
        const Surface cell = head_cell(s.hair_set, i);
        const int x = at % 19, y = at / 19;
        int hair_neighbours = 0;
        for (const Point n : {Point{x - 1, y}, Point{x + 1, y}, Point{x, y - 1}, Point{x, y + 1}}) {
            const Colour c = cell.GetPixel(n.x, n.y);
            hair_neighbours += drawn(c) && c != marker_red ? 1 : 0;
        }
        EXPECT_GE(hair_neighbours, 2) << "hair " << i << " at " << x << "," << y;
    }
}

}  // namespace
}  // namespace kelvara::sheetgen_test
