// The drawing machinery the sheets are built with: outlines, shading, strokes, stamps and text.

#include <gtest/gtest.h>

#include "compositor/sheet_colours.h"
#include "tools/sheetgen/canvas.h"
#include "tools/sheetgen/pixel_font.h"
#include "tools/sheetgen/stamp.h"

namespace kelvara::sheetgen {
namespace {

Canvas block(int size, int x0, int y0, int width, int height, const PartStyle& style = {}) {
    Canvas c(size, size);
    c.begin_part(style);
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) c.plot(x, y, Material::skin);
    }
    return c;
}

// Rows a stroke covers in column x.
int rows_covered(const Canvas& c, int x) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y) n += c.part_at(x, y) != 0 ? 1 : 0;
    return n;
}

TEST(SheetgenCanvas, OutlinesAPartWhereItMeetsEmptySpace) {
    const Surface s = block(9, 2, 2, 5, 5).render();
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool inside = x >= 2 && x <= 6 && y >= 2 && y <= 6;
            const bool border = inside && (x == 2 || x == 6 || y == 2 || y == 6);
            SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
            const Colour c = s.GetPixel(x, y);
            if (!inside) {
                EXPECT_EQ(c, key_color);
            } else if (border) {
                EXPECT_EQ(c, outline_black);
            } else {
                EXPECT_TRUE(c != outline_black && c != key_color);
            }
        }
    }
}

TEST(SheetgenCanvas, TheLaterPartCarriesTheLineBetweenParts) {
    Canvas c = block(12, 1, 1, 10, 10);
    c.begin_part();
    for (int y = 1; y <= 10; ++y) {
        for (int x = 6; x <= 10; ++x) c.plot(x, y, Material::cloth);
    }
    const Surface s = c.render();
    // The earlier part is shaded where the later one stands on it, not outlined.
    for (int y = 2; y <= 8; ++y) {
        EXPECT_EQ(s.GetPixel(6, y), outline_dark) << "row " << y;
        EXPECT_EQ(s.GetPixel(5, y), skin_template[2]) << "row " << y;
    }
}

TEST(SheetgenCanvas, LightComesFromTheUpperLeft) {
    const Surface lit = block(9, 1, 1, 7, 7).render();
    // Just inside the outline: lit at the top left, shaded at the bottom right.
    EXPECT_EQ(lit.GetPixel(2, 4), skin_template[0]);
    EXPECT_EQ(lit.GetPixel(4, 2), skin_template[0]);
    EXPECT_EQ(lit.GetPixel(4, 4), skin_template[1]);
    EXPECT_EQ(lit.GetPixel(6, 4), skin_template[2]);
    EXPECT_EQ(lit.GetPixel(6, 6), skin_template[3]);

    const Surface far = block(9, 1, 1, 7, 7, {outline_black, outline_dark, 1}).render();
    EXPECT_EQ(far.GetPixel(2, 4), skin_template[1]);
    EXPECT_EQ(far.GetPixel(4, 4), skin_template[2]);
}

// Cloth keeps its lightest shade for where a near part's own rim faces the upper left: the
// top-left corner of a block but not its straight sides, not beside a part painted over it, the
// upper side of a band rising to the right but not of one falling, and never on a far part.
TEST(SheetgenCanvas, ClothGlintsWhereItsOwnRimFacesTheLight) {
    using Pixels = std::vector<std::pair<int, int>>;
    enum Shape { blocks, rising, falling };
    const struct {
        const char* name;
        Shape shape;
        int bias;
        Pixels glints;
    } cases[] = {
        {"near block under a block", blocks, 0, {{2, 2}, {6, 6}}},
        {"far block under a block", blocks, 1, {}},
        {"near band rising",
         rising,
         0,
         {{11, 2}, {10, 3}, {9, 4}, {8, 5}, {7, 6}, {6, 7}, {5, 8}, {4, 9}, {3, 10}, {2, 11}}},
        // Only its round upper end looks at the light.
        {"near band falling", falling, 0, {{2, 2}}},
        {"far band rising", rising, 1, {}},
    };
    for (const auto& c : cases) {
        Canvas canvas(16, 16);
        const PartStyle style{outline_black, outline_dark, c.bias};
        canvas.begin_part(style);
        if (c.shape == blocks) {
            for (int y = 1; y <= 11; ++y) {
                for (int x = 1; x <= 11; ++x) canvas.plot(x, y, Material::cloth);
            }
            canvas.begin_part(style);
            for (int y = 5; y <= 8; ++y) {
                for (int x = 5; x <= 8; ++x) canvas.plot(x, y, Material::cloth);
            }
        } else if (c.shape == rising) {
            canvas.capsule({3, 12}, {12, 3}, 5, Material::cloth);
        } else {
            canvas.capsule({3, 3}, {12, 12}, 5, Material::cloth);
        }
        const Surface s = canvas.render();
        Pixels glints;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (s.GetPixel(x, y) == cloth_template[3]) glints.emplace_back(x, y);
            }
        }
        EXPECT_EQ(glints, c.glints) << c.name;
    }
}

TEST(SheetgenCanvas, StrokesAreAsThickAsAsked) {
    for (int thickness = 1; thickness <= 7; ++thickness) {
        Canvas c(20, 20);
        c.begin_part();
        c.capsule({4, 9}, {15, 9}, thickness, Material::cloth);
        EXPECT_EQ(rows_covered(c, 10), thickness) << "thickness " << thickness;
    }
}

TEST(SheetgenCanvas, AnErasedPixelIsRingedByOutline) {
    Canvas c = block(9, 1, 1, 7, 7);
    c.erase(4, 4);
    const Surface s = c.render();
    EXPECT_EQ(s.GetPixel(4, 4), key_color);
    for (const Point p : {Point{3, 4}, Point{5, 4}, Point{4, 3}, Point{4, 5}}) {
        EXPECT_EQ(s.GetPixel(p.x, p.y), outline_black) << p.x << "," << p.y;
    }
}

TEST(SheetgenCanvas, PolygonsFillTheirInsideWhicheverWayTheyWind) {
    const Point clockwise[] = {{2, 2}, {10, 2}, {10, 6}, {2, 6}};
    const Point counter[] = {{2, 2}, {2, 6}, {10, 6}, {10, 2}};
    for (const auto& corners :
         {std::span<const Point>(clockwise), std::span<const Point>(counter)}) {
        Canvas c(12, 12);
        c.begin_part();
        c.polygon(corners, Material::cloth);
        EXPECT_EQ(c.part_at(6, 4), 1);
        EXPECT_EQ(c.part_at(2, 2), 1);
        EXPECT_EQ(c.part_at(11, 4), 0);
        EXPECT_EQ(c.part_at(6, 7), 0);
    }
}

TEST(SheetgenStamp, TurnsAndMirrorsKeepEveryPixel) {
    Surface s(3, 2, key_color);
    stamp(s, {0, 0}, {"kw.", "eg1"});
    const Surface quarter = rotated(s, 1);
    ASSERT_EQ(quarter.width(), 2);
    ASSERT_EQ(quarter.height(), 3);
    // A clockwise turn brings the bottom-left corner to the top left.
    EXPECT_EQ(quarter.GetPixel(0, 0), eye_template);
    EXPECT_EQ(quarter.GetPixel(1, 0), outline_black);
    EXPECT_EQ(rotated(s, 4), s);
    EXPECT_EQ(rotated(rotated(s, 1), 3), s);
    EXPECT_EQ(mirrored(s).GetPixel(0, 1), skin_template[0]);
    EXPECT_EQ(mirrored(mirrored(s)), s);
}

TEST(SheetgenFont, DrawsDistinctDigitsWithinTheirWidth) {
    EXPECT_EQ(text_width("7"), 3);
    EXPECT_EQ(text_width("71"), 7);
    std::vector<std::vector<Colour>> seen;
    for (char d = '0'; d <= '9'; ++d) {
        Surface s(8, 7, key_color);
        draw_text(s, {1, 1}, std::string(1, d), highlight_white);
        int inked = 0;
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 8; ++x) {
                if (s.GetPixel(x, y) == key_color) continue;
                ++inked;
                EXPECT_TRUE(x >= 1 && x <= 3 && y >= 1 && y <= 5) << d << " at " << x << "," << y;
            }
        }
        EXPECT_GT(inked, 3) << d;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), s.bits()), 0) << d;
        seen.push_back(s.bits());
    }
}

}  // namespace
}  // namespace kelvara::sheetgen
