#include "assets/embedded_assets.h"

#include <stdexcept>
#include <string>

#include "assets/image_codec.h"
#include "compositor/sheet_colours.h"

namespace kelvara {

QString embedded_asset_path(const QString& file_name) {
    return QStringLiteral(":/assets/") + file_name;
}

namespace {

Surface load_sheet(const char* file_name, const SheetGeometry& geometry) {
    Surface sheet = load_surface(embedded_asset_path(QString::fromLatin1(file_name)), key_color);
    if (sheet.width() != geometry.width || sheet.height() != geometry.height) {
        throw std::runtime_error(std::string("sprite sheet ") + file_name +
                                 " is missing or has the wrong size");
    }
    return sheet;
}

Surface load_strip(const char* file_name) {
    return load_surface(embedded_asset_path(QString::fromLatin1(file_name)), key_color);
}

}  // namespace

Sheets load_embedded_sheets() {
    return Sheets{load_sheet("face_set.png", head_sheet_geometry),
                  load_sheet("hair_set.png", head_sheet_geometry),
                  load_sheet("cloth_set.png", cloth_sheet_geometry),
                  load_sheet("damage_set.png", damage_sheet_geometry)};
}

PaletteStrips load_embedded_palette_strips() {
    return PaletteStrips{load_strip("hair_color_set.png"), load_strip("eye_color_set.png"),
                         load_strip("cloth_color_set.png"), load_strip("cloth_color_23_set.png"),
                         load_strip("body_color_set.png")};
}

}  // namespace kelvara
