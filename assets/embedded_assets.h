#pragma once

#include <QString>

#include "compositor/palettes.h"
#include "compositor/sheets.h"

namespace kelvara {

// Resource path of an image the program carries, by its file name ("face_set.png").
QString embedded_asset_path(const QString& file_name);

// Unpacks the four sprite sheets from the packed copies the build makes of the embedded PNGs. A
// sheet that cannot be decoded, or that does not have its sheet's size, is a broken build: the
// program cannot run without it, so this throws std::runtime_error naming the sheet.
Sheets load_embedded_sheets();
// One of them, for a program that draws from only some.
Surface load_embedded_sheet(SheetKind kind);

// Unpacks the five palette strips the same way (empty when missing); sizes are checked when the
// tables are loaded.
PaletteStrips load_embedded_palette_strips();

}  // namespace kelvara
