#include "sprite_png.h"

#include "compositor/sheet_colours.h"
#include "export/atomic_write.h"
#include "export/encoded_bytes.h"
#include "formats/bmp_writer.h"
#include "formats/png_writer.h"

namespace kelvara::sprites {

namespace {

std::optional<Colour> see_through(bool transparent) {
    return transparent ? std::optional(key_color) : std::nullopt;
}

}  // namespace

formats::Encoded sprite_png(const Surface& picture, bool transparent,
                            const formats::EmbeddedText& text) {
    formats::Encoded png =
        formats::encode_indexed_png(picture.view(), see_through(transparent),
                                    formats::PngEffort::fast, formats::png_text(text));
    // More than 256 colours: only a picture that is not a character's has them.
    if (!png && png.error().problem == formats::EncodeProblem::too_many_colours) {
        return picture_png(picture, transparent, text);
    }
    return png;
}

formats::Encoded picture_png(const Surface& picture, bool transparent,
                             const formats::EmbeddedText& text) {
    return formats::encode_truecolour_png(picture.view(), see_through(transparent),
                                          formats::PngEffort::small, formats::png_text(text));
}

formats::Encoded picture_bmp(const Surface& picture) {
    return formats::encode_bmp(picture.view());
}

FileStatus write_encoded(const QString& path, const formats::Encoded& encoded) {
    if (!encoded) return FileError{path, QString::fromStdString(encoded.error().describe())};
    return write_file_atomically(path, raw_bytes(encoded.value()));
}

}  // namespace kelvara::sprites
