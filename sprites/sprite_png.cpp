#include "sprite_png.h"

#include "compositor/sheet_colours.h"
#include "export/atomic_write.h"
#include "export/bmp_file.h"
#include "png/png_writer.h"

namespace kelvara::sprites {

namespace {

std::optional<Colour> see_through(bool transparent) {
    return transparent ? std::optional(key_color) : std::nullopt;
}

// The PNG writer gives no bytes only for a picture beyond what a PNG holds.
formats::Encoded png_result(std::vector<std::uint8_t> png) {
    if (png.empty()) return formats::EncodeProblem::too_large;
    return png;
}

}  // namespace

formats::Encoded sprite_png(const Surface& picture, bool transparent) {
    std::vector<std::uint8_t> png = png::encode_indexed(picture, see_through(transparent));
    if (png.empty()) return picture_png(picture, transparent);
    return png;
}

formats::Encoded picture_png(const Surface& picture, bool transparent) {
    return png_result(png::encode_truecolour(picture, see_through(transparent)));
}

formats::Encoded picture_bmp(const Surface& picture) {
    const QByteArray bmp = encode_bmp(picture);
    return formats::Bytes(bmp.begin(), bmp.end());
}

QByteArray byte_array(const formats::Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

QByteArray raw_bytes(const formats::Bytes& bytes) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                   static_cast<qsizetype>(bytes.size()));
}

FileStatus write_encoded(const QString& path, const formats::Encoded& encoded) {
    if (!encoded) return FileError{path, QString::fromStdString(encoded.error().describe())};
    return write_file_atomically(path, raw_bytes(encoded.value()));
}

}  // namespace kelvara::sprites
