#include "sprite_png.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <unordered_map>

#include "character_output.h"
#include "compositor/sheet_colours.h"

namespace kelvara::cli {

namespace {

// The picture as indices into a colour table of at most 256 entries, or a null image.
QImage indexed(const Surface& picture, bool transparent) {
    QImage image(picture.width(), picture.height(), QImage::Format_Indexed8);
    if (image.isNull()) return {};
    QList<QRgb> table;
    std::unordered_map<Colour, uchar> index_of;
    Colour last = invalid_colour;
    uchar last_index = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const Colour* in = picture.row(y);
        uchar* out = image.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const Colour c = in[x];
            if (c != last) {
                auto it = index_of.find(c);
                if (it == index_of.end()) {
                    if (table.size() == 256) return {};
                    it = index_of.emplace(c, static_cast<uchar>(table.size())).first;
                    table.push_back(transparent && c == key_color
                                        ? qRgba(0, 0, 0, 0)
                                        : qRgb(red_of(c), green_of(c), blue_of(c)));
                }
                last = c;
                last_index = it->second;
            }
            out[x] = last_index;
        }
    }
    image.setColorTable(table);
    return image;
}

}  // namespace

QByteArray sprite_png(const Surface& picture, bool transparent) {
    const QImage image = indexed(picture, transparent);
    if (image.isNull()) return CharacterOutput::png_bytes(picture, transparent);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QImageWriter writer(&buffer, "png");
    writer.setQuality(80);  // zlib level 1: a little larger, several times quicker to write
    if (!writer.write(image)) return {};
    return bytes;
}

}  // namespace kelvara::cli
