#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstring>

#include "about_picture.h"
#include "compositor/sheet_colours.h"
#include "formats/gif_writer.h"
#include "icon_art.h"

namespace {

bool write_gif(const char* path) {
    const kelvara::Surface picture = kelvara::about::draw_about_picture();
    const kelvara::formats::Encoded gif =
        kelvara::formats::encode_gif(picture.view(), kelvara::key_color);
    if (!gif) {
        std::fprintf(stderr, "kelvara-aboutgen: %s\n", gif.error().describe().c_str());
        return false;
    }
    const kelvara::formats::Bytes& bytes = gif.value();
    QFile out(QString::fromLocal8Bit(path));
    return out.open(QIODevice::WriteOnly) &&
           out.write(reinterpret_cast<const char*>(bytes.data()),
                     static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// Icons are PNG files with an alpha channel: the key colour becomes fully transparent.
bool write_icons(const char* directory) {
    const QDir dir(QString::fromLocal8Bit(directory));
    for (const auto& icon : kelvara::about::draw_window_icons()) {
        QImage image(icon.size, icon.size, QImage::Format_ARGB32);
        for (int y = 0; y < icon.size; ++y) {
            for (int x = 0; x < icon.size; ++x) {
                const kelvara::Colour c = icon.picture.GetPixel(x, y);
                image.setPixel(
                    x, y,
                    c == kelvara::key_color
                        ? qRgba(0, 0, 0, 0)
                        : qRgb(kelvara::red_of(c), kelvara::green_of(c), kelvara::blue_of(c)));
            }
        }
        const QString name = QString::fromStdString(kelvara::about::window_icon_file(icon.size));
        if (!image.save(dir.filePath(name), "PNG")) return false;
    }
    return true;
}

}  // namespace

// Writes the About box's picture as a GIF file, or with --icons the window icon's PNG files.
int main(int argc, char* argv[]) {
    const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
    if (argc != 2 && !icons) {
        std::fprintf(stderr,
                     "usage: kelvara-aboutgen OUT.gif\n       kelvara-aboutgen --icons DIR\n");
        return 2;
    }
    if (!(icons ? write_icons(argv[2]) : write_gif(argv[1]))) {
        std::fprintf(stderr, "kelvara-aboutgen: cannot write %s\n", argv[argc - 1]);
        return 1;
    }
    return 0;
}
