#include "png/png_writer.h"

#include <zlib.h>

#include <array>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace kelvara::png {

namespace {

constexpr std::array<std::uint32_t, 256> make_crc_table() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> crc_table = make_crc_table();

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 24));
    out.push_back(static_cast<std::uint8_t>(v >> 16));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

// Appends a chunk whose data is already at the end of out, from data_start on: the length and
// type go in front of it and the CRC after.
void close_chunk(std::vector<std::uint8_t>& out, std::size_t header_start) {
    const std::size_t data_start = header_start + 8;
    const auto length = static_cast<std::uint32_t>(out.size() - data_start);
    for (int i = 0; i < 4; ++i)
        out[header_start + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
    put_u32(out, crc32(std::span(out).subspan(header_start + 4)));
}

std::size_t open_chunk(std::vector<std::uint8_t>& out, std::string_view type) {
    const std::size_t start = out.size();
    out.insert(out.end(), 4, 0);  // the length, known when the chunk is closed
    out.insert(out.end(), type.begin(), type.end());
    return start;
}

struct Header {
    std::uint32_t width;
    std::uint32_t height;
    std::uint8_t colour_type;  // 2 RGB, 3 palette, 6 RGBA
    std::size_t bytes_per_pixel;
};

// The signature and IHDR, or false when the picture cannot be a PNG of that kind.
bool start_file(std::vector<std::uint8_t>& out, const Header& h) {
    if (h.width == 0 || h.height == 0) return false;
    // Every row, its filter byte included, must fit zlib's 32-bit counts.
    if (h.width > (std::numeric_limits<std::uint32_t>::max() - 1) / h.bytes_per_pixel) return false;
    constexpr std::array<std::uint8_t, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    out.insert(out.end(), signature.begin(), signature.end());
    const std::size_t ihdr = open_chunk(out, "IHDR");
    put_u32(out, h.width);
    put_u32(out, h.height);
    out.push_back(8);  // bit depth
    out.push_back(h.colour_type);
    out.push_back(0);  // deflate
    out.push_back(0);  // the standard filters
    out.push_back(0);  // not interlaced
    close_chunk(out, ihdr);
    return true;
}

// Appends one IDAT holding every row, each behind filter byte 0 (none): the pictures are flat
// areas of few colours, which zlib's matches already catch, and no filter keeps encoding quick.
// fill_row writes a row's pixels into the span it is given.
template <class FillRow>
bool write_image_data(std::vector<std::uint8_t>& out, const Header& h, Effort effort,
                      FillRow fill_row) {
    z_stream z{};
    const int level = effort == Effort::fast ? 1 : Z_DEFAULT_COMPRESSION;
    if (deflateInit(&z, level) != Z_OK) return false;
    const std::size_t idat = open_chunk(out, "IDAT");
    std::vector<std::uint8_t> row(1 + h.width * h.bytes_per_pixel);
    row[0] = 0;  // filter type none
    bool ok = true;
    for (std::uint32_t y = 0; ok && y < h.height; ++y) {
        fill_row(y, std::span(row).subspan(1));
        z.next_in = row.data();
        z.avail_in = static_cast<uInt>(row.size());
        const int flush = y + 1 == h.height ? Z_FINISH : Z_NO_FLUSH;
        int status = Z_OK;
        do {
            const std::size_t used = out.size();
            const std::size_t room = std::max<std::size_t>(deflateBound(&z, z.avail_in), 4096);
            out.resize(used + room);
            z.next_out = out.data() + used;
            z.avail_out = static_cast<uInt>(room);
            status = deflate(&z, flush);
            // Room never falls below what is left of it, so the count of bytes made cannot wrap.
            const std::size_t made = room > z.avail_out ? room - z.avail_out : 0;
            out.resize(used + made);
        } while (status == Z_OK && (z.avail_in > 0 || (flush == Z_FINISH)));
        ok = flush == Z_FINISH ? status == Z_STREAM_END : (status == Z_OK || status == Z_BUF_ERROR);
    }
    deflateEnd(&z);
    if (!ok || out.size() - idat - 8 > 0x7FFFFFFFu) return false;
    close_chunk(out, idat);
    return true;
}

void end_file(std::vector<std::uint8_t>& out) {
    close_chunk(out, open_chunk(out, "IEND"));
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) c = crc_table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::vector<std::uint8_t> encode_truecolour(const Surface& picture,
                                            std::optional<Colour> see_through, Effort effort) {
    const bool alpha = see_through.has_value();
    const Header h{static_cast<std::uint32_t>(picture.width()),
                   static_cast<std::uint32_t>(picture.height()),
                   static_cast<std::uint8_t>(alpha ? 6 : 2), alpha ? 4u : 3u};
    std::vector<std::uint8_t> out;
    if (picture.width() <= 0 || picture.height() <= 0 || !start_file(out, h)) return {};
    const bool written =
        write_image_data(out, h, effort, [&](std::uint32_t y, std::span<std::uint8_t> row) {
            const Colour* in = picture.row(static_cast<int>(y));
            std::uint8_t* p = row.data();
            for (std::uint32_t x = 0; x < h.width; ++x) {
                const Colour c = in[x];
                if (alpha && c == *see_through) {
                    std::memset(p, 0, 4);
                    p += 4;
                    continue;
                }
                *p++ = static_cast<std::uint8_t>(red_of(c));
                *p++ = static_cast<std::uint8_t>(green_of(c));
                *p++ = static_cast<std::uint8_t>(blue_of(c));
                if (alpha) *p++ = 255;
            }
        });
    if (!written) return {};
    end_file(out);
    return out;
}

std::vector<std::uint8_t> encode_indexed(const Surface& picture, std::optional<Colour> see_through,
                                         Effort effort) {
    if (picture.width() <= 0 || picture.height() <= 0) return {};
    // The indices first, so that a picture of too many colours is refused before anything is
    // written; sprite pictures are mostly long runs of one colour, so the last lookup is kept.
    const auto width = static_cast<std::size_t>(picture.width());
    std::vector<std::uint8_t> indices(width * static_cast<std::size_t>(picture.height()));
    std::vector<Colour> palette;
    std::unordered_map<Colour, std::uint8_t> index_of;
    Colour last = invalid_colour;
    std::uint8_t last_index = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const Colour* in = picture.row(y);
        std::uint8_t* out = indices.data() + width * static_cast<std::size_t>(y);
        for (std::size_t x = 0; x < width; ++x) {
            const Colour c = in[x];
            if (c != last) {
                auto it = index_of.find(c);
                if (it == index_of.end()) {
                    if (palette.size() == 256) return {};
                    it = index_of.emplace(c, static_cast<std::uint8_t>(palette.size())).first;
                    palette.push_back(c);
                }
                last = c;
                last_index = it->second;
            }
            out[x] = last_index;
        }
    }

    const Header h{static_cast<std::uint32_t>(picture.width()),
                   static_cast<std::uint32_t>(picture.height()), 3, 1};
    std::vector<std::uint8_t> out;
    if (!start_file(out, h)) return {};
    const std::size_t plte = open_chunk(out, "PLTE");
    std::optional<std::size_t> clear;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const Colour c = palette[i];
        if (see_through && c == *see_through) {
            clear = i;
            out.insert(out.end(), 3, 0);
        } else {
            out.push_back(static_cast<std::uint8_t>(red_of(c)));
            out.push_back(static_cast<std::uint8_t>(green_of(c)));
            out.push_back(static_cast<std::uint8_t>(blue_of(c)));
        }
    }
    close_chunk(out, plte);
    if (clear) {
        // Entries after the last one listed are opaque, so the table stops at the clear one.
        const std::size_t trns = open_chunk(out, "tRNS");
        out.insert(out.end(), *clear, 255);
        out.push_back(0);
        close_chunk(out, trns);
    }
    const bool written =
        write_image_data(out, h, effort, [&](std::uint32_t y, std::span<std::uint8_t> row) {
            std::memcpy(row.data(), indices.data() + width * y, width);
        });
    if (!written) return {};
    end_file(out);
    return out;
}

}  // namespace kelvara::png
