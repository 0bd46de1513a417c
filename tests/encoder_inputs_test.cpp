// What the encoders take and refuse: every refusal names its reason, and a view into a larger
// picture encodes exactly as that part copied out on its own.
#include <gtest/gtest.h>

#include <optional>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "formats/bmp_writer.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara::formats {
namespace {

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
    using enum EncodeProblem;
    const Surface two = colours(2), many = colours(257), all = colours(256);
    const Surface plain(65536, 1, key_color);
    const std::optional<Colour> none;
    // Row by row: what the encoder gave, and the problem expected (none: encoded).
    const std::pair<Encoded, std::optional<EncodeProblem>> cases[] = {
        {encode_bmp(Surface().view()), empty_picture},
        {encode_bmp(repeated(two, 2, 1 << 30)), too_large},  // past the 32-bit file size
        {encode_truecolour_png({}, key_color), empty_picture},
        {encode_indexed_png(repeated(two, 0, 3), none), empty_picture},
        {encode_truecolour_png(repeated(two, 1'500'000'000, 1), none), too_large},  // zlib's counts
        {encode_indexed_png(many.view(), none), too_many_colours},
        {encode_indexed_png(all.view(), key_color), {}},  // an unused see-through is not counted
        {encode_gif(many.view(), many.GetPixel(0, 0)), too_many_colours},
        {encode_gif(all.view(), key_color), too_many_colours},  // the transparent one is
        {encode_gif_animation({}, none), empty_picture},
        {encode_gif_animation({{repeated(two, 2, 0), 100}}, none), empty_picture},
        {encode_gif_animation({{repeated(two, 2, 4), 100}, {repeated(two, 2, 5), 100}}, none),
         frames_differ},
        {encode_gif(repeated(plain, 65535, 1), key_color), {}},
        {encode_gif(repeated(plain, 65536, 1), key_color), too_large},
        {encode_gif(repeated(plain, 1, 65535), key_color), {}},
        {encode_gif(repeated(plain, 1, 65536), key_color), too_large},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& [encoded, expected] = cases[row];
        EXPECT_EQ(encoded.ok() ? std::nullopt : std::optional(encoded.error().problem), expected)
            << "row " << row + 1;
    }
}

TEST(EncoderInputs, AViewIntoALargerPictureEncodesAsThatPartCopiedOut) {
    Surface whole(23, 9, key_color);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 23; ++x) whole.SetPixel(x, y, RGB(x * 11, y * 29, (x + y) % 3 * 90));
    }
    Surface part(11, 6, key_color);
    part.PaintPicture(whole, 0, 0, 11, 6, 5, 2, 11, 6);
    const PixelView view{whole.row(2) + 5, 11, 6, whole.width()}, copy = part.view();
    const Colour clear = whole.GetPixel(6, 2);
    const std::pair<Encoded, Encoded> encoded[] = {
        {encode_bmp(view), encode_bmp(copy)},
        {encode_truecolour_png(view, clear), encode_truecolour_png(copy, clear)},
        {encode_indexed_png(view, clear), encode_indexed_png(copy, clear)},
        {encode_gif(view, clear), encode_gif(copy, clear)},
        {encode_gif_animation({{view, 100}, {copy, 50}}, {}),
         encode_gif_animation({{copy, 100}, {copy, 50}}, {})},
    };
    for (const auto& [from_view, from_copy] : encoded) {
        ASSERT_TRUE(from_view.ok() && from_copy.ok());
        EXPECT_EQ(from_view.value(), from_copy.value());
    }
}

}  // namespace
}  // namespace kelvara::formats
