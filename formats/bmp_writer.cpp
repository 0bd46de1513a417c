#include "export/bmp_file.h"

#include <cstdint>

namespace kelvara {

namespace {

void put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}

constexpr std::uint32_t file_header_size = 14;
constexpr std::uint32_t info_header_size = 40;

}  // namespace

QByteArray encode_bmp(const Surface& picture) {
    const auto width = static_cast<std::uint32_t>(picture.width());
    const auto height = static_cast<std::uint32_t>(picture.height());
    const std::uint32_t row_bytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixel_bytes = row_bytes * height;
    const std::uint32_t pixel_offset = file_header_size + info_header_size;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(pixel_offset + pixel_bytes));
    out.append("BM", 2);
    put32(out, pixel_offset + pixel_bytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, pixel_offset);

    put32(out, info_header_size);
    put32(out, width);
    put32(out, height);  // positive: bottom-up rows
    put16(out, 1);       // planes
    put16(out, 24);      // bits per pixel
    put32(out, 0);       // no compression
    put32(out, pixel_bytes);
    put32(out, 0);  // horizontal resolution
    put32(out, 0);  // vertical resolution
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours

    const qsizetype padding = static_cast<qsizetype>(row_bytes - width * 3);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const Colour* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            out.append(static_cast<char>(blue_of(row[x])));
            out.append(static_cast<char>(green_of(row[x])));
            out.append(static_cast<char>(red_of(row[x])));
        }
        out.append(padding, '\0');
    }
    return out;
}

}  // namespace kelvara
