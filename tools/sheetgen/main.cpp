// Writes the four sprite sheets as 24-bit PNG files into the directory given on the command line.

#include <QDir>
#include <QImage>
#include <QString>
#include <iostream>

#include "assets/image_codec.h"
#include "tools/sheetgen/sheetgen.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kelvara-sheetgen OUTDIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::cerr << "kelvara-sheetgen: no such directory: " << argv[1] << '\n';
        return 1;
    }
    const kelvara::Sheets sheets = kelvara::sheetgen::generate_sheets();
    const struct {
        const char* name;
        const kelvara::Surface& sheet;
    } files[] = {{"face_set.png", sheets.face_set},
                 {"hair_set.png", sheets.hair_set},
                 {"cloth_set.png", sheets.cloth_set},
                 {"damage_set.png", sheets.damage_set}};
    for (const auto& f : files) {
        const QString path = out.filePath(QString::fromLatin1(f.name));
        if (!kelvara::image_from_surface(f.sheet).save(path, "PNG")) {
            std::cerr << "kelvara-sheetgen: cannot write " << path.toStdString() << '\n';
            return 1;
        }
    }
    return 0;
}
