#include "sprite_png.h"

#include "character_output.h"
#include "compositor/sheet_colours.h"
#include "export/encoded_bytes.h"
#include "formats/png_writer.h"

namespace kelvara::cli {

QByteArray sprite_png(const Surface& picture, bool transparent) {
    const std::optional<Colour> see_through = transparent ? std::optional(key_color) : std::nullopt;
    const formats::Encoded png = formats::encode_indexed_png(picture.view(), see_through);
    if (!png) return CharacterOutput::png_bytes(picture, transparent);
    return byte_array(png.value());
}

}  // namespace kelvara::cli
