// The sheets committed in assets/ and embedded in the program are the generator's drawing. A
// failure here means the generator changed without its sheets being redrawn: build the
// regenerate_assets target and commit the PNG files.

#include <gtest/gtest.h>

#include "assets/embedded_assets.h"
#include "sheetgen_support.h"

namespace kelvara::sheetgen_test {
namespace {

void expect_same_pixels(const Surface& committed, const Surface& drawn_now, const char* name) {
    ASSERT_EQ(committed.width(), drawn_now.width()) << name;
    ASSERT_EQ(committed.height(), drawn_now.height()) << name;
    for (int y = 0; y < committed.height(); ++y) {
        for (int x = 0; x < committed.width(); ++x) {
            ASSERT_EQ(committed.GetPixel(x, y), drawn_now.GetPixel(x, y))
                << name << " differs first at " << x << "," << y;
        }
    }
}

TEST(SheetgenAssets, CommittedSheetsAreTheGeneratorsDrawing) {
    const Sheets committed = load_embedded_sheets();
    expect_same_pixels(committed.face_set, generated().face_set, "face_set.png");
    expect_same_pixels(committed.hair_set, generated().hair_set, "hair_set.png");
    expect_same_pixels(committed.cloth_set, generated().cloth_set, "cloth_set.png");
    expect_same_pixels(committed.damage_set, generated().damage_set, "damage_set.png");
}

}  // namespace
}  // namespace kelvara::sheetgen_test
