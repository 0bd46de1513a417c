#include "sprite_png.h"

#include "character_output.h"
#include "compositor/sheet_colours.h"
#include "png/png_writer.h"

namespace kelvara::cli {

QByteArray sprite_png(const Surface& picture, bool transparent) {
    const std::optional<Colour> see_through = transparent ? std::optional(key_color) : std::nullopt;
    const std::vector<std::uint8_t> png = png::encode_indexed(picture, see_through);
    if (png.empty()) return CharacterOutput::png_bytes(picture, transparent);
    return QByteArray(reinterpret_cast<const char*>(png.data()),
                      static_cast<qsizetype>(png.size()));
}

}  // namespace kelvara::cli
