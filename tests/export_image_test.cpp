#include <gtest/gtest.h>

#include "export/export_image.h"

namespace kelvara::testing {
namespace {

// A composed sprite in which every pixel has its own colour, so any misplaced copy shows.
Surface numbered_sprite() {
    Surface s(64, 64, RGB(0, 255, 0));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) s.SetPixel(x, y, RGB(x, y, 7));
    }
    return s;
}

TEST(ExportImage, ShowsTheSpriteFromColumnAndRowFourThenThreeBandsOfBackground) {
    const Colour back = RGB(1, 2, 250);
    const Surface sprite = numbered_sprite();
    const Surface picture = export_image(sprite, back);
    ASSERT_EQ(picture.width(), 63);
    ASSERT_EQ(picture.height(), 63);
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            const Colour expected = (x < 60 && y < 60) ? sprite.GetPixel(x + 4, y + 4) : back;
            ASSERT_EQ(picture.GetPixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(ExportImage, PreparingAgainReplacesEverythingThatWasThere) {
    // The preview surface is reused for a new background; no pixel of the old one may survive.
    Surface picture(63, 63, RGB(9, 9, 9));
    prepare_export_image(picture, numbered_sprite(), RGB(255, 255, 255));
    prepare_export_image(picture, numbered_sprite(), RGB(0, 0, 0));
    EXPECT_EQ(picture.GetPixel(62, 62), RGB(0, 0, 0));
    EXPECT_EQ(picture.GetPixel(60, 0), RGB(0, 0, 0));
    EXPECT_EQ(picture.GetPixel(0, 0), RGB(4, 4, 7));
    EXPECT_EQ(picture.BackColor(), RGB(0, 0, 0));
}

}  // namespace
}  // namespace kelvara::testing
