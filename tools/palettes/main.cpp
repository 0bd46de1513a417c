#include <QDir>
#include <QImage>
#include <cstdio>

#include "assets/image_codec.h"
#include "palette_strips.h"

// Writes the five palette strips as 24-bit PNG files into the folder given.
int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvara-palettegen OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const kelvara::PaletteStrips strips = kelvara::palettegen::generate_palette_strips();
    const std::pair<const char*, const kelvara::Surface*> files[] = {
        {"hair_color_set.png", &strips.hair_color_set},
        {"eye_color_set.png", &strips.eye_color_set},
        {"cloth_color_set.png", &strips.cloth_color_set},
        {"cloth_color_23_set.png", &strips.cloth_color_23_set},
        {"body_color_set.png", &strips.body_color_set},
    };
    for (const auto& [name, surface] : files) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (!kelvara::image_from_surface(*surface).save(path, "PNG")) {
            std::fprintf(stderr, "kelvara-palettegen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
