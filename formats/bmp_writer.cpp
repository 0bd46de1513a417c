#include "formats/bmp_writer.h"

#include <cstdint>
#include <limits>

namespace kelvara::formats {

namespace {

void put16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

constexpr std::uint32_t file_header_size = 14;
constexpr std::uint32_t info_header_size = 40;

Encoded bitmap(const PixelView& picture) {
    if (picture.empty()) return EncodeProblem::empty_picture;
    const auto width = static_cast<std::uint64_t>(picture.width);
    const auto height = static_cast<std::uint64_t>(picture.height);
    const std::uint64_t row_bytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixel_offset = file_header_size + info_header_size;
    // The file's size is a 32-bit field.
    if (row_bytes * height > std::numeric_limits<std::uint32_t>::max() - pixel_offset) {
        return EncodeProblem::too_large;
    }
    const auto pixel_bytes = static_cast<std::uint32_t>(row_bytes * height);

    Bytes out;
    out.reserve(pixel_offset + pixel_bytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixel_offset + pixel_bytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, pixel_offset);

    put32(out, info_header_size);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    put16(out, 1);                                   // planes
    put16(out, 24);                                  // bits per pixel
    put32(out, 0);                                   // no compression
    put32(out, pixel_bytes);
    put32(out, 0);  // horizontal resolution
    put32(out, 0);  // vertical resolution
    put32(out, 0);  // colours used
    put32(out, 0);  // important colours

    const std::size_t padding = row_bytes - width * 3;
    for (int y = picture.height - 1; y >= 0; --y) {
        const Colour* row = picture.row(y);
        for (int x = 0; x < picture.width; ++x) {
            out.push_back(static_cast<std::uint8_t>(blue_of(row[x])));
            out.push_back(static_cast<std::uint8_t>(green_of(row[x])));
            out.push_back(static_cast<std::uint8_t>(red_of(row[x])));
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

}  // namespace

Encoded encode_bmp(const PixelView& picture) {
    return unless_out_of_memory([&] { return bitmap(picture); });
}

}  // namespace kelvara::formats
