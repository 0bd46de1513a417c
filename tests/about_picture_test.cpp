#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "about_picture.h"
#include "assets/embedded_assets.h"
#include "compositor/sheet_colours.h"
#include "gif_writer.h"

namespace kelvara {
namespace {

QImage decode(const std::vector<std::uint8_t>& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "gif");
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// The decoded picture equals the surface, with the transparent colour see-through.
void expect_same(const QImage& image, const Surface& s, Colour transparent) {
    ASSERT_EQ(image.size(), QSize(s.width(), s.height()));
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const Colour c = s.GetPixel(x, y);
            const QRgb p = image.pixel(x, y);
            if (c == transparent) {
                ASSERT_EQ(qAlpha(p), 0) << x << "," << y;
            } else {
                ASSERT_EQ(qAlpha(p), 255) << x << "," << y;
                ASSERT_EQ(RGB(qRed(p), qGreen(p), qBlue(p)), c) << x << "," << y;
            }
        }
    }
}

TEST(GifWriter, AnIndependentDecoderReadsBackEveryPixel) {
    // Larger than one clear-code run, with 200 colours and a transparent one.
    Surface s(40, 30, key_color);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int k = (x * 7 + y * 13) % 200;
            if ((x + y) % 7 != 0) s.SetPixel(x, y, RGB(k, 255 - k, (k * 5) % 256));
        }
    }
    expect_same(decode(about::encode_gif(s, key_color)), s, key_color);
}

TEST(GifWriter, RefusesPicturesWithTooManyColours) {
    Surface s(30, 30, key_color);
    for (int i = 0; i < 900; ++i) s.bits()[i] = static_cast<Colour>(i);
    EXPECT_TRUE(about::encode_gif(s, key_color).empty());
}

TEST(AboutPicture, CommittedGifIsTheGeneratorsCharacterOnATransparentGround) {
    const Surface drawn = about::draw_about_picture();
    ASSERT_EQ(drawn.width(), 46);
    ASSERT_EQ(drawn.height(), 64);
    int figure = 0;
    for (Colour c : drawn.bits()) figure += c != key_color;
    EXPECT_GT(figure, 300) << "a whole character, not a speck";
    EXPECT_EQ(drawn.GetPixel(0, 0), key_color);
    const QImage committed = QImage(embedded_asset_path(QStringLiteral("about.gif")))
                                 .convertToFormat(QImage::Format_ARGB32);
    expect_same(committed, drawn, key_color);
}

}  // namespace
}  // namespace kelvara
