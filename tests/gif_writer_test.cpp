// The GIF writer against Qt's decoder: every pixel of pictures that fill the LZW code table many
// times, still pictures with see-through pixels, and animations with their frame times, loop and
// transparency.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "formats/gif_writer.h"

namespace kelvara {
namespace {

struct Decoded {
    std::vector<QImage> frames;
    std::vector<int> delays_ms;
    int loop_count = 0;
};

Decoded decode(const formats::Encoded& encoded) {
    EXPECT_TRUE(encoded.ok()) << encoded.error().describe();
    if (!encoded) return {};
    const formats::Bytes& bytes = encoded.value();
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "gif");
    Decoded d;
    d.loop_count = reader.loopCount();
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        d.frames.push_back(image.convertToFormat(QImage::Format_ARGB32));
        d.delays_ms.push_back(reader.nextImageDelay());
    }
    return d;
}

// The decoded picture equals the surface; the transparent colour, if any, is see-through.
void expect_same(const QImage& image, const Surface& s, std::optional<Colour> transparent) {
    ASSERT_EQ(image.size(), QSize(s.width(), s.height()));
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const Colour c = s.GetPixel(x, y);
            const QRgb p = image.pixel(x, y);
            if (transparent && c == *transparent) {
                ASSERT_EQ(qAlpha(p), 0) << x << "," << y;
            } else {
                ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
                ASSERT_EQ(RGB(qRed(p), qGreen(p), qBlue(p)), c) << x << "," << y;
            }
        }
    }
}

// Runs of one colour, stretches of noise and repeated patterns, in `colours` colours.
Surface mixed_picture(int w, int h, int colours, std::uint32_t seed) {
    Surface s(w, h, key_color);
    std::uint32_t r = seed;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            r = r * 1103515245u + 12345u;
            const int k = (y / 7) % 3 == 0   ? (x / 9) % colours
                          : (y / 7) % 3 == 1 ? static_cast<int>((r >> 16) % colours)
                                             : (x * 3 + y) % colours;
            s.SetPixel(x, y, RGB(k, 255 - k, (k * 37) % 256));
        }
    }
    return s;
}

TEST(GifWriter, StillPicturesOfEverySizeAndColourCountDecodeExactly) {
    struct Case {
        int w, h, colours;
    };
    // From the smallest colour table (two bits) to a full one, and large enough for the code table
    // to fill up and start afresh several times.
    for (const Case c : {Case{1, 1, 1}, Case{5, 3, 2}, Case{17, 9, 4}, Case{64, 64, 31},
                         Case{300, 200, 255}, Case{120, 90, 129}}) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " " << c.colours);
        const Surface s = mixed_picture(c.w, c.h, c.colours, 7);
        const Decoded d = decode(formats::encode_gif(s.view(), key_color));
        ASSERT_EQ(d.frames.size(), 1u);
        expect_same(d.frames[0], s, key_color);
    }
}

// A full table: 255 colours and the transparent one, in more pixels than one clear-code run.
TEST(GifWriter, SeeThroughPixelsOfAStillPictureDecodeSeeThrough) {
    Surface s(40, 30, key_color);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int k = (x * 7 + y * 13) % 255;
            if ((x + y) % 7 != 0) s.SetPixel(x, y, RGB(k, 255 - k, 7));
        }
    }
    const Decoded d = decode(formats::encode_gif(s.view(), key_color));
    ASSERT_EQ(d.frames.size(), 1u);
    expect_same(d.frames[0], s, key_color);
}

TEST(GifWriter, AnimationKeepsFramesTimesAndLoopsForEver) {
    std::vector<Surface> pictures = {mixed_picture(40, 30, 20, 1), mixed_picture(40, 30, 20, 2),
                                     mixed_picture(40, 30, 20, 3)};
    // A see-through patch where the frame before is opaque: the earlier frame must not show
    // through it.
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) pictures[1].SetPixel(x, y, key_color);
    }
    const std::vector<formats::GifFrame> frames = {
        {pictures[0].view(), 120}, {pictures[1].view(), 80}, {pictures[2].view(), 500}};
    for (const bool transparent : {false, true}) {
        SCOPED_TRACE(transparent);
        const auto key = transparent ? std::optional<Colour>(key_color) : std::nullopt;
        const Decoded d = decode(formats::encode_gif_animation(frames, key));
        ASSERT_EQ(d.frames.size(), 3u);
        EXPECT_EQ(d.delays_ms, (std::vector<int>{120, 80, 500}));
        EXPECT_EQ(d.loop_count, -1) << "loops for ever";
        for (std::size_t k = 0; k < 3; ++k) expect_same(d.frames[k], pictures[k], key);
    }
}

}  // namespace
}  // namespace kelvara
