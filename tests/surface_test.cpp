#include <gtest/gtest.h>

#include <array>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"

namespace kelvara {
namespace {

// A colour that tells where a pixel came from.
Colour coded(int x, int y) {
    return RGB(x, y, 7);
}

Surface coded_surface(int w, int h) {
    Surface s(w, h, key_color);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) s.SetPixel(x, y, coded(x, y));
    }
    return s;
}

TEST(Surface, StartsInItsBackColourAndClsRestoresIt) {
    Surface s(5, 4, RGB(1, 2, 3));
    for (Colour c : s.bits()) EXPECT_EQ(c, RGB(1, 2, 3));
    s.SetPixel(2, 2, key_color);
    s.setBackColor(RGB(9, 9, 9));
    s.Cls();
    for (Colour c : s.bits()) EXPECT_EQ(c, RGB(9, 9, 9));
}

TEST(Surface, PixelAccessOutsideIsHarmless) {
    Surface s(3, 3, key_color);
    s.SetPixel(-1, 0, marker_red);
    s.SetPixel(3, 1, marker_red);
    s.SetPixel(1, 3, marker_red);
    for (Colour c : s.bits()) EXPECT_EQ(c, key_color);
    EXPECT_EQ(s.GetPixel(-1, 0), invalid_colour);
    EXPECT_EQ(s.GetPixel(0, 3), invalid_colour);
}

TEST(Surface, ClsExceptLeavesOnlyItsRectangle) {
    for (const auto& [x, y, w, h] :
         {std::array<int, 4>{2, 1, 3, 2}, std::array<int, 4>{-4, -4, 6, 6},
          std::array<int, 4>{5, 5, 10, 10}, std::array<int, 4>{9, 9, 2, 2},
          std::array<int, 4>{0, 0, 0, 0}}) {
        Surface s = coded_surface(8, 6);
        s.setBackColor(key_color);
        s.ClsExcept(x, y, w, h);
        for (int j = 0; j < 6; ++j) {
            for (int i = 0; i < 8; ++i) {
                const bool kept = i >= x && i < x + w && j >= y && j < y + h;
                ASSERT_EQ(s.GetPixel(i, j), kept ? coded(i, j) : key_color)
                    << x << "," << y << " " << i << "," << j;
            }
        }
    }
}

TEST(PaintPicture, CopiesEveryPixelUnchangedIncludingKeyColour) {
    Surface src = coded_surface(10, 10);
    src.SetPixel(4, 5, key_color);
    Surface dst(6, 6, RGB(1, 1, 1));
    dst.PaintPicture(src, 1, 1, 4, 4, 3, 3, 4, 4);
    EXPECT_EQ(dst.GetPixel(0, 0), RGB(1, 1, 1));
    EXPECT_EQ(dst.GetPixel(1, 1), coded(3, 3));
    EXPECT_EQ(dst.GetPixel(4, 4), coded(6, 6));
    EXPECT_EQ(dst.GetPixel(2, 3), key_color);
    EXPECT_EQ(dst.GetPixel(5, 5), RGB(1, 1, 1));
}

TEST(PaintPicture, WholeFactorEnlargementMakesBlocks) {
    Surface src = coded_surface(3, 2);
    for (int factor = 1; factor <= 6; ++factor) {
        Surface dst(3 * factor, 2 * factor, key_color);
        dst.PaintPicture(src, 0, 0, 3 * factor, 2 * factor, 0, 0, 3, 2);
        for (int y = 0; y < dst.height(); ++y) {
            for (int x = 0; x < dst.width(); ++x) {
                ASSERT_EQ(dst.GetPixel(x, y), coded(x / factor, y / factor))
                    << "factor " << factor << " at " << x << "," << y;
            }
        }
    }
}

TEST(PaintPicture, NegativeDestinationIsClipped) {
    Surface src = coded_surface(4, 4);
    Surface dst(10, 10, key_color);
    dst.PaintPicture(src, -3, -5, 12, 12, 0, 0, 4, 4);  // x3
    EXPECT_EQ(dst.GetPixel(0, 0), coded(1, 1));         // (0+3)/3, (0+5)/3
    EXPECT_EQ(dst.GetPixel(8, 6), coded(3, 3));         // 11/3, 11/3
    EXPECT_EQ(dst.GetPixel(9, 9), key_color);           // past the enlarged picture
}

TEST(PaintPicture, SourceOutsideItsSurfaceLeavesDestinationAlone) {
    Surface src = coded_surface(4, 4);
    Surface dst(12, 12, RGB(5, 5, 5));
    // Asks for 6 x 6 source pixels at x2: only 4 x 4 exist.
    dst.PaintPicture(src, 0, 0, 12, 12, 0, 0, 6, 6);
    EXPECT_EQ(dst.GetPixel(7, 7), coded(3, 3));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(dst.GetPixel(8, i), RGB(5, 5, 5));
        EXPECT_EQ(dst.GetPixel(i, 11), RGB(5, 5, 5));
    }
    // The same with a source rectangle starting left of the source.
    Surface dst2(4, 4, RGB(5, 5, 5));
    dst2.PaintPicture(src, 0, 0, 4, 4, -2, 0, 4, 4);
    EXPECT_EQ(dst2.GetPixel(1, 0), RGB(5, 5, 5));
    EXPECT_EQ(dst2.GetPixel(2, 0), coded(0, 0));
}

TEST(BitBlt, CombinesChannelByChannelAndClipsToBothSurfaces) {
    Surface dst(3, 3, RGB(0x0F, 0xF0, 0x33));
    Surface src(2, 2, RGB(0xF0, 0x0F, 0x11));
    BitBlt(dst, 0, 0, 30, 30, src, 0, 0, RasterOp::SRCPAINT);
    EXPECT_EQ(dst.GetPixel(1, 1), RGB(0xFF, 0xFF, 0x33));
    EXPECT_EQ(dst.GetPixel(2, 2), RGB(0x0F, 0xF0, 0x33));  // no source pixel there

    Surface dst2(3, 3, RGB(0x0F, 0xF0, 0x33));
    BitBlt(dst2, 1, 1, 30, 30, src, 0, 0, RasterOp::SRCAND);
    EXPECT_EQ(dst2.GetPixel(0, 0), RGB(0x0F, 0xF0, 0x33));
    EXPECT_EQ(dst2.GetPixel(1, 1), RGB(0x00, 0x00, 0x11));
    EXPECT_EQ(dst2.GetPixel(2, 2), RGB(0x00, 0x00, 0x11));
}

}  // namespace
}  // namespace kelvara
