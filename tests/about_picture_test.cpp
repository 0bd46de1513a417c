#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "about_picture.h"
#include "assets/embedded_assets.h"
#include "compositor/sheet_colours.h"
#include "formats/gif_writer.h"
#include "icon_art.h"

namespace kelvara {
namespace {

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

    // Byte for byte, too: the GIF writer still writes what it wrote when the file was committed.
    QFile file(embedded_asset_path(QStringLiteral("about.gif")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const formats::Encoded written = formats::encode_gif(drawn.view(), key_color);
    ASSERT_TRUE(written.ok()) << written.error().describe();
    EXPECT_EQ(formats::Bytes(bytes.begin(), bytes.end()), written.value());
}

// The icons carried with the program are the generator's drawing, each at its size, see-through
// around the character, and the larger ones the smaller views enlarged by whole pixels.
TEST(WindowIcon, CommittedIconsAreTheGeneratorsDrawing) {
    const auto icons = about::draw_window_icons();
    std::vector<int> sizes;
    for (const auto& icon : icons) {
        sizes.push_back(icon.size);
        SCOPED_TRACE(icon.size);
        const QString name = QString::fromStdString(about::window_icon_file(icon.size));
        const QImage committed =
            QImage(embedded_asset_path(name)).convertToFormat(QImage::Format_ARGB32);
        expect_same(committed, icon.picture, key_color);
        EXPECT_EQ(icon.picture.GetPixel(0, 0), key_color);
        int drawn = 0;
        for (Colour c : icon.picture.bits()) drawn += c != key_color;
        EXPECT_GT(drawn * 3, icon.size * icon.size) << "the character fills the icon";
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 64, 128}));
    // 64 and 128 are the 32-pixel view doubled and quadrupled.
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x) {
            ASSERT_EQ(icons[4].picture.GetPixel(x, y), icons[1].picture.GetPixel(x / 4, y / 4));
            ASSERT_EQ(icons[3].picture.GetPixel(x / 2, y / 2),
                      icons[1].picture.GetPixel(x / 4, y / 4));
        }
    }
}

}  // namespace
}  // namespace kelvara
