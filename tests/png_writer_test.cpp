// The PNG writer against Qt's decoder: every pixel of truecolour and palette pictures of awkward
// sizes, and every chunk's CRC checked with zlib's own CRC-32 and, for the end chunk, the known
// value.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QImage>
#include <string>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "formats/png_writer.h"

namespace kelvara {
namespace {

enum class Kind { truecolour, indexed };

struct Case {
    const char* name;
    Kind kind;
    int width;
    int height;
    int colours;       // distinct colours besides the key colour
    bool see_through;  // the key colour becomes transparent
    int colour_type;   // expected in the header
};

const Case cases[] = {
    {"rgb 1x1", Kind::truecolour, 1, 1, 1, false, 2},
    {"rgba 1x1 clear", Kind::truecolour, 1, 1, 0, true, 6},
    {"rgb odd width", Kind::truecolour, 5, 3, 7, false, 2},
    {"rgba odd width", Kind::truecolour, 7, 9, 40, true, 6},
    {"rgb wide", Kind::truecolour, 301, 17, 1000, false, 2},
    {"palette 1x1", Kind::indexed, 1, 1, 1, false, 3},
    {"palette odd width", Kind::indexed, 3, 5, 2, false, 3},
    {"palette see-through", Kind::indexed, 13, 11, 9, true, 3},
    {"palette see-through unused", Kind::indexed, 6, 1, 1, true, 3},
    {"palette 256 colours", Kind::indexed, 255, 7, 255, false, 3},
    {"palette 256 with clear", Kind::indexed, 129, 9, 255, true, 3},
};

// The key colour in a band on the left, then the colours in a pattern that reaches all of them.
Surface picture(const Case& c) {
    Surface s(c.width, c.height, key_color);
    int k = 0;
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            if (c.colours == 0 || (x == 0 && y % 2 == 1)) continue;
            const int n = k++ % c.colours;
            s.SetPixel(x, y, RGB(n * 37 % 256, n * 11 % 256, (n * 5 + 3) % 256));
        }
    }
    return s;
}

using formats::Bytes;

std::uint32_t be32(const Bytes& b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// The chunk types in order; every CRC is checked against zlib's.
std::string chunks_checked(const Bytes& png) {
    std::string types;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = be32(png, at);
        if (at + 12 + length > png.size()) return types + " truncated";
        const uLong expected = ::crc32(0L, png.data() + at + 4, static_cast<uInt>(length + 4));
        EXPECT_EQ(be32(png, at + 8 + length), expected) << "CRC of chunk at " << at;
        types.append(reinterpret_cast<const char*>(png.data() + at + 4), 4).push_back(' ');
        at += 12 + length;
    }
    return types;
}

TEST(PngWriter, DecodesToThePicturesPixels) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Surface s = picture(c);
        const std::optional<Colour> clear = c.see_through ? std::optional(key_color) : std::nullopt;
        const formats::Encoded encoded = c.kind == Kind::truecolour
                                             ? formats::encode_truecolour_png(s.view(), clear)
                                             : formats::encode_indexed_png(s.view(), clear);
        ASSERT_TRUE(encoded.ok()) << encoded.error().describe();
        const Bytes& png = encoded.value();
        ASSERT_GT(png.size(), 33u);
        EXPECT_EQ(std::string(png.begin(), png.begin() + 8), "\x89PNG\r\n\x1a\n");
        EXPECT_EQ(be32(png, 16), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(be32(png, 20), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(png[24], 8);  // bit depth
        EXPECT_EQ(png[25], c.colour_type);
        const bool uses_key = c.colours == 0 || c.height > 1;
        const std::string expected_chunks = c.kind == Kind::truecolour ? "IHDR IDAT IEND "
                                            : c.see_through && uses_key
                                                ? "IHDR PLTE tRNS IDAT IEND "
                                                : "IHDR PLTE IDAT IEND ";
        EXPECT_EQ(chunks_checked(png), expected_chunks);

        const QImage image = QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG")
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(c.width, c.height));
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const Colour want = s.GetPixel(x, y);
                const QRgb got = image.pixel(x, y);
                if (c.see_through && want == key_color) {
                    ASSERT_EQ(got, qRgba(0, 0, 0, 0)) << x << "," << y;
                } else {
                    ASSERT_EQ(got, qRgb(red_of(want), green_of(want), blue_of(want)))
                        << x << "," << y;
                }
            }
        }
    }
}

TEST(PngWriter, EndChunkCarriesTheKnownCrc) {
    const Bytes png =
        formats::encode_indexed_png(Surface(3, 2, key_color).view(), key_color).value();
    EXPECT_EQ(Bytes(png.end() - 12, png.end()),
              (Bytes{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82}));
}

}  // namespace
}  // namespace kelvara
