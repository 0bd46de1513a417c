#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <cstdint>

#include "compositor/surface.h"
#include "formats/bmp_writer.h"

namespace kelvara::testing {
namespace {

std::uint32_t u32(const QByteArray& b, int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
    return v;
}

std::uint16_t u16(const QByteArray& b, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                      (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

QByteArray bmp_bytes(const Surface& picture) {
    const formats::Bytes bmp = formats::encode_bmp(picture.view()).value();
    return QByteArray(reinterpret_cast<const char*>(bmp.data()),
                      static_cast<qsizetype>(bmp.size()));
}

Surface patterned(int width, int height) {
    Surface s(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) s.SetPixel(x, y, RGB(x * 4, 255 - y * 4, (x * y) & 0xFF));
    }
    return s;
}

TEST(BmpFile, HeaderOfTheSavedPictureHoldsEveryFieldAsListed) {
    const QByteArray bmp = bmp_bytes(patterned(63, 63));
    ASSERT_EQ(bmp.size(), 12150);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(bmp, 2), 12150u);
    EXPECT_EQ(u16(bmp, 6), 0);
    EXPECT_EQ(u16(bmp, 8), 0);
    EXPECT_EQ(u32(bmp, 10), 54u);
    EXPECT_EQ(u32(bmp, 14), 40u);
    EXPECT_EQ(u32(bmp, 18), 63u);
    EXPECT_EQ(u32(bmp, 22), 63u);
    EXPECT_EQ(u16(bmp, 26), 1);
    EXPECT_EQ(u16(bmp, 28), 24);
    EXPECT_EQ(u32(bmp, 30), 0u);
    EXPECT_EQ(u32(bmp, 34), 12096u);
    EXPECT_EQ(u32(bmp, 38), 0u);
    EXPECT_EQ(u32(bmp, 42), 0u);
    EXPECT_EQ(u32(bmp, 46), 0u);
    EXPECT_EQ(u32(bmp, 50), 0u);
}

TEST(BmpFile, RowsRunBottomUpInBlueGreenRedWithThreeZeroBytesOfPadding) {
    const Surface picture = patterned(63, 63);
    const QByteArray bmp = bmp_bytes(picture);
    ASSERT_EQ(bmp.size(), 12150);
    for (int stored = 0; stored < 63; ++stored) {
        const int y = 62 - stored;
        const int row_start = 54 + stored * 192;
        for (int x = 0; x < 63; ++x) {
            const Colour c = picture.GetPixel(x, y);
            const int at = row_start + x * 3;
            ASSERT_EQ(static_cast<std::uint8_t>(bmp[at]), blue_of(c)) << x << "," << y;
            ASSERT_EQ(static_cast<std::uint8_t>(bmp[at + 1]), green_of(c)) << x << "," << y;
            ASSERT_EQ(static_cast<std::uint8_t>(bmp[at + 2]), red_of(c)) << x << "," << y;
        }
        EXPECT_EQ(bmp.mid(row_start + 189, 3), QByteArray(3, '\0')) << "row " << stored;
    }
}

TEST(BmpFile, AnIndependentDecoderReadsBackEveryPixel) {
    const Surface picture = patterned(63, 63);
    QByteArray bmp = bmp_bytes(picture);
    QBuffer buffer(&bmp);
    QImageReader reader(&buffer, "bmp");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(image.size(), QSize(63, 63));
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            const Colour c = picture.GetPixel(x, y);
            ASSERT_EQ(image.pixel(x, y), qRgb(red_of(c), green_of(c), blue_of(c))) << x << "," << y;
        }
    }
}

TEST(BmpFile, RowsOfOtherWidthsArePaddedToWholeWords) {
    // Widths whose rows need 0, 1, 2 and 3 bytes of padding.
    for (auto [width, row_bytes] :
         {std::pair{4, 12}, std::pair{1, 4}, std::pair{2, 8}, std::pair{3, 12}, std::pair{5, 16}}) {
        const QByteArray bmp = bmp_bytes(patterned(width, 2));
        EXPECT_EQ(bmp.size(), 54 + 2 * row_bytes) << width;
        EXPECT_EQ(u32(bmp, 34), static_cast<std::uint32_t>(2 * row_bytes)) << width;
        const QImage image = QImage::fromData(bmp, "BMP");
        EXPECT_EQ(image.size(), QSize(width, 2)) << width;
    }
}

}  // namespace
}  // namespace kelvara::testing
