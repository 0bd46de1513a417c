// The sheets and strips the program unpacks at start-up are the committed PNGs, pixel for pixel.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "assets/embedded_assets.h"
#include "assets/image_codec.h"
#include "assets/packed_sheet.h"
#include "compositor/sheet_colours.h"

namespace kelvara {
namespace {

TEST(PackedSheets, UnpackToTheCommittedPngsPixelForPixel) {
    const Sheets sheets = load_embedded_sheets();
    const PaletteStrips strips = load_embedded_palette_strips();
    const struct {
        const char* png;
        const Surface& unpacked;
    } cases[] = {
        {"face_set.png", sheets.face_set},
        {"hair_set.png", sheets.hair_set},
        {"cloth_set.png", sheets.cloth_set},
        {"damage_set.png", sheets.damage_set},
        {"hair_color_set.png", strips.hair_color_set},
        {"eye_color_set.png", strips.eye_color_set},
        {"cloth_color_set.png", strips.cloth_color_set},  // over 256 colours: two-byte indices
        {"cloth_color_23_set.png", strips.cloth_color_23_set},
        {"body_color_set.png", strips.body_color_set},
    };
    for (const auto& c : cases) {
        const Surface png =
            load_surface(embedded_asset_path(QString::fromLatin1(c.png)), key_color);
        ASSERT_GT(png.width(), 0) << c.png;
        ASSERT_EQ(c.unpacked.width(), png.width()) << c.png;
        ASSERT_EQ(c.unpacked.height(), png.height()) << c.png;
        for (int y = 0; y < png.height(); ++y) {
            for (int x = 0; x < png.width(); ++x) {
                ASSERT_EQ(c.unpacked.GetPixel(x, y), png.GetPixel(x, y))
                    << c.png << " differs first at " << x << "," << y;
            }
        }
    }
}

// Bytes that are not exactly a packed picture give an empty surface, never a partly filled one.
TEST(PackedSheets, DamagedBytesUnpackToNothing) {
    // 3 x 2: a run of 4 key pixels, then a stretch of 2 red ones.
    const std::vector<std::uint8_t> good = {'K', 'S', 'P',  '1', 3, 0,    0, 0, 2, 0, 0, 0, 2, 0, 0,
                                            0,   0,   0xFF, 0,   0, 0xFF, 0, 0, 0, 8, 0, 5, 1, 1};
    const Surface ok = unpack_surface(good, key_color);
    ASSERT_EQ(ok.width(), 3);
    ASSERT_EQ(ok.height(), 2);
    const std::vector<Colour> expected = {key_color, key_color,      key_color,
                                          key_color, RGB(255, 0, 0), RGB(255, 0, 0)};
    EXPECT_EQ(ok.bits(), expected);

    auto with = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> b = good;
        b[at] = value;
        return b;
    };
    const std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    std::vector<std::uint8_t> trailing = good;
    trailing.push_back(0);
    const std::vector<std::uint8_t> damaged[] = {
        truncated,    trailing, with(0, 'X'),  // magic
        with(25, 2),                           // a run's index outside the palette
        with(28, 2),                           // a stretch's index outside it
        with(24, 10),                          // pixels overflow the picture
        with(26, 3),                           // or fall short of it
        with(24, 0),                           // empty run
    };
    for (std::size_t i = 0; i < std::size(damaged); ++i) {
        EXPECT_EQ(unpack_surface(damaged[i], key_color).width(), 0) << "case " << i;
    }
}

// Packing then unpacking gives the picture back, with long runs and more than 256 colours.
TEST(PackedSheets, PackingRoundTrips) {
    Surface wide(300, 3, key_color);
    for (int x = 0; x < 300; ++x) wide.SetPixel(x, 1, RGB(x % 256, x / 256, 7));
    const Surface back = unpack_surface(pack_surface(wide), RGB(1, 2, 3));
    EXPECT_EQ(back, wide);
}

}  // namespace
}  // namespace kelvara
