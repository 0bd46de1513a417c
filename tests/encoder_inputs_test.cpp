// What the encoders take and refuse: every refusal names its reason, and a view into a larger
// picture encodes exactly as that part copied out on its own.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "formats/bmp_writer.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara {
namespace {

using formats::Encoded;
using formats::EncodeProblem;
using formats::GifFrame;

// A picture of n distinct colours in one row, none of them the key colour.
Surface colours(int n) {
    Surface s(n, 1, key_color);
    for (int x = 0; x < n; ++x) s.SetPixel(x, 0, RGB(x % 256, x / 256, 1));
    return s;
}

// A view of width x height whose rows all show the first row of picture: a picture of any height
// with next to no memory behind it, for the limits that are checked before any pixel is read.
PixelView repeated(const Surface& picture, int width, int height) {
    return {picture.row(0), width, height, 0};
}

TEST(EncoderInputs, EveryRefusalNamesItsReason) {
    const Surface two = colours(2), many = colours(257), all = colours(256);
    const Surface plain(65536, 1, key_color);
    const struct {
        const char* name;
        std::function<Encoded()> encode;
        std::optional<EncodeProblem> expected;  // none: encoded
    } cases[] = {
        {"bmp empty", [] { return formats::encode_bmp(Surface().view()); },
         EncodeProblem::empty_picture},
        {"bmp past the 32-bit file size",
         [&] { return formats::encode_bmp(repeated(two, 2, 1 << 30)); }, EncodeProblem::too_large},
        {"png truecolour empty", [] { return formats::encode_truecolour_png({}, key_color); },
         EncodeProblem::empty_picture},
        {"png palette empty", [&] { return formats::encode_indexed_png(repeated(two, 0, 3), {}); },
         EncodeProblem::empty_picture},
        {"png row past zlib's counts",
         [&] { return formats::encode_truecolour_png(repeated(two, 1'500'000'000, 1), {}); },
         EncodeProblem::too_large},
        {"png palette of 257 colours", [&] { return formats::encode_indexed_png(many.view(), {}); },
         EncodeProblem::too_many_colours},
        {"png palette, the see-through colour unused and not counted",
         [&] { return formats::encode_indexed_png(all.view(), key_color); }, std::nullopt},
        {"png truecolour has no colour limit",
         [&] { return formats::encode_truecolour_png(many.view(), {}); }, std::nullopt},
        {"gif of 257 colours",
         [&] { return formats::encode_gif(many.view(), many.GetPixel(0, 0)); },
         EncodeProblem::too_many_colours},
        {"gif of 256 and an unused transparent one",
         [&] { return formats::encode_gif(all.view(), key_color); },
         EncodeProblem::too_many_colours},
        {"gif no frames", [] { return formats::encode_gif_animation({}, {}); },
         EncodeProblem::empty_picture},
        {"gif empty frames",
         [&] {
             return formats::encode_gif_animation({{repeated(two, 2, 0), 100}}, {});
         },
         EncodeProblem::empty_picture},
        {"gif frames of two sizes",
         [&] {
             return formats::encode_gif_animation(
                 {{repeated(two, 2, 4), 100}, {repeated(two, 2, 5), 100}}, key_color);
         },
         EncodeProblem::frames_differ},
        {"gif 65535 wide",
         [&] { return formats::encode_gif(repeated(plain, 65535, 1), key_color); }, std::nullopt},
        {"gif 65536 wide",
         [&] { return formats::encode_gif(repeated(plain, 65536, 1), key_color); },
         EncodeProblem::too_large},
        {"gif 65535 high",
         [&] { return formats::encode_gif(repeated(plain, 1, 65535), key_color); }, std::nullopt},
        {"gif 65536 high",
         [&] { return formats::encode_gif(repeated(plain, 1, 65536), key_color); },
         EncodeProblem::too_large},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Encoded encoded = c.encode();
        if (!c.expected) {
            EXPECT_TRUE(encoded.ok()) << encoded.error().describe();
        } else {
            ASSERT_FALSE(encoded.ok());
            EXPECT_EQ(encoded.error().problem, *c.expected);
        }
    }
}

TEST(EncoderInputs, AViewIntoALargerPictureEncodesAsThatPartCopiedOut) {
    Surface whole(23, 9, key_color);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 23; ++x) whole.SetPixel(x, y, RGB(x * 11, y * 29, (x + y) % 3 * 90));
    }
    const int left = 5, top = 2, width = 11, height = 6;
    Surface part(width, height, key_color);
    part.PaintPicture(whole, 0, 0, width, height, left, top, width, height);
    const PixelView view{whole.row(top) + left, width, height, whole.width()};
    const PixelView copy = part.view();
    const Colour see_through = whole.GetPixel(left + 1, top);
    const std::function<Encoded(const PixelView&)> encoders[] = {
        [](const PixelView& v) { return formats::encode_bmp(v); },
        [&](const PixelView& v) { return formats::encode_truecolour_png(v, see_through); },
        [&](const PixelView& v) { return formats::encode_indexed_png(v, see_through); },
        [&](const PixelView& v) { return formats::encode_gif(v, see_through); },
        [&](const PixelView& v) {
            return formats::encode_gif_animation({{v, 100}, {copy, 50}}, std::nullopt);
        },
    };
    for (std::size_t i = 0; i < std::size(encoders); ++i) {
        SCOPED_TRACE(i);
        const Encoded from_view = encoders[i](view);
        const Encoded from_copy = encoders[i](copy);
        ASSERT_TRUE(from_view.ok() && from_copy.ok());
        EXPECT_EQ(from_view.value(), from_copy.value());
    }
}

}  // namespace
}  // namespace kelvara
