#include "assets/embedded_assets.h"

#include <QResource>
#include <span>
#include <stdexcept>
#include <string>

#include "assets/packed_sheet.h"
#include "compositor/sheet_colours.h"

namespace kelvara {

QString embedded_asset_path(const QString& file_name) {
    return QStringLiteral(":/assets/") + file_name;
}

namespace {

// The build packs each sheet's PNG (see packed_sheet.h); the packed bytes are embedded
// uncompressed and read where they lie.
Surface unpack_embedded(const char* sheet_name) {
    const QResource resource(QStringLiteral(":/assets/packed/") + QString::fromLatin1(sheet_name) +
                             QStringLiteral(".ksp"));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        return {};
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(resource.data());
    return unpack_surface(std::span(bytes, static_cast<std::size_t>(resource.size())), key_color);
}

Surface load_sheet(const char* sheet_name, const SheetGeometry& geometry) {
    Surface sheet = unpack_embedded(sheet_name);
    if (sheet.width() != geometry.width || sheet.height() != geometry.height) {
        throw std::runtime_error(std::string("sprite sheet ") + sheet_name +
                                 " is missing or has the wrong size");
    }
    return sheet;
}

Surface load_strip(const char* strip_name) {
    return unpack_embedded(strip_name);
}

}  // namespace

Sheets load_embedded_sheets() {
    return Sheets{load_embedded_sheet(SheetKind::face), load_embedded_sheet(SheetKind::hair),
                  load_embedded_sheet(SheetKind::cloth), load_embedded_sheet(SheetKind::damage)};
}

Surface load_embedded_sheet(SheetKind kind) {
    switch (kind) {
        case SheetKind::face:
            return load_sheet("face_set", head_sheet_geometry);
        case SheetKind::hair:
            return load_sheet("hair_set", head_sheet_geometry);
        case SheetKind::cloth:
            return load_sheet("cloth_set", cloth_sheet_geometry);
        case SheetKind::damage:
            break;
    }
    return load_sheet("damage_set", damage_sheet_geometry);
}

PaletteStrips load_embedded_palette_strips() {
    return PaletteStrips{load_strip("hair_color_set"), load_strip("eye_color_set"),
                         load_strip("cloth_color_set"), load_strip("cloth_color_23_set"),
                         load_strip("body_color_set")};
}

}  // namespace kelvara
