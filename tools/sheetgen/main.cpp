// Writes the four sprite sheets as 24-bit PNG files into the directory given on the command line;
// with --previews, writes the preview sheets for looking at the art instead.

#include <QDir>
#include <QImage>
#include <QString>
#include <cstring>
#include <iostream>

#include "assets/image_codec.h"
#include "tools/sheetgen/previews.h"
#include "tools/sheetgen/sheetgen.h"

namespace {

bool save(const QDir& out, const std::string& name, const kelvara::Surface& picture) {
    const QString path = out.filePath(QString::fromStdString(name));
    if (kelvara::image_from_surface(picture).save(path, "PNG")) return true;
    std::cerr << "kelvara-sheetgen: cannot write " << path.toStdString() << '\n';
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const bool previews = argc == 3 && std::strcmp(argv[1], "--previews") == 0;
    if (argc != 2 && !previews) {
        std::cerr << "usage: kelvara-sheetgen OUTDIR\n       kelvara-sheetgen --previews DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
    if (!out.exists()) {
        std::cerr << "kelvara-sheetgen: no such directory: " << argv[argc - 1] << '\n';
        return 1;
    }
    if (previews) {
        for (const auto& [name, sheet] : kelvara::sheetgen::preview_sheets()) {
            if (!save(out, name, sheet)) return 1;
        }
        return 0;
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
        if (!save(out, f.name, f.sheet)) return 1;
    }
    return 0;
}
