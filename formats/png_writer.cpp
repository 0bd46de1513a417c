#include "formats/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <span>
#include <string_view>

#include "formats/palette_indexer.h"

namespace kelvara::formats {

namespace {

void put_u32(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 24));
    out.push_back(static_cast<std::uint8_t>(v >> 16));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

// Ends the chunk that open_chunk began at header_start, whose data now runs to the end of out:
// the length goes in front of the data and the CRC of type and data after it.
void close_chunk(Bytes& out, std::size_t header_start) {
    const std::size_t data_start = header_start + 8;
    const auto length = static_cast<std::uint32_t>(out.size() - data_start);
    for (int i = 0; i < 4; ++i)
        out[header_start + i] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
    const uLong crc = ::crc32(0L, out.data() + header_start + 4, static_cast<uInt>(length + 4));
    put_u32(out, static_cast<std::uint32_t>(crc));
}

std::size_t open_chunk(Bytes& out, std::string_view type) {
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

Header header_of(const PixelView& picture, std::uint8_t colour_type, std::size_t bytes_per_pixel) {
    return {static_cast<std::uint32_t>(std::max(picture.width, 0)),
            static_cast<std::uint32_t>(std::max(picture.height, 0)), colour_type, bytes_per_pixel};
}

// Why the picture cannot be a PNG of that kind, if it cannot; checked before any pixel is read.
std::optional<EncodeProblem> size_problem(const Header& h) {
    if (h.width == 0 || h.height == 0) return EncodeProblem::empty_picture;
    // Every row, its filter byte included, must fit zlib's 32-bit counts.
    if (h.width > (std::numeric_limits<std::uint32_t>::max() - 1) / h.bytes_per_pixel) {
        return EncodeProblem::too_large;
    }
    return std::nullopt;
}

// Whether a reader will take the entry: the keyword rules of the PNG format, and a text that fits
// a chunk and has no NUL (the NULs separate the chunk's fields).
bool valid_text(const PngText& entry) {
    const std::string& k = entry.keyword;
    if (k.empty() || k.size() > 79 || k.front() == ' ' || k.back() == ' ') return false;
    if (k.find("  ") != std::string::npos) return false;
    for (const char ch : k) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || (c > 126 && c < 161)) return false;
    }
    return entry.text.find('\0') == std::string::npos && entry.text.size() < 0x7FFFFF00u;
}

std::optional<EncodeProblem> text_problem(const std::vector<PngText>& text) {
    for (const PngText& entry : text) {
        if (!valid_text(entry)) return EncodeProblem::bad_text;
    }
    return std::nullopt;
}

// iTXt: keyword, NUL, no compression (flag and method 0), an empty language tag and translated
// keyword each ended by NUL, then the UTF-8 text.
void put_text(Bytes& out, const PngText& entry) {
    const std::size_t chunk = open_chunk(out, "iTXt");
    out.insert(out.end(), entry.keyword.begin(), entry.keyword.end());
    out.insert(out.end(), {0, 0, 0, 0, 0});
    out.insert(out.end(), entry.text.begin(), entry.text.end());
    close_chunk(out, chunk);
}

// The signature, IHDR and the text chunks.
void start_file(Bytes& out, const Header& h, const std::vector<PngText>& text) {
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
    for (const PngText& entry : text) put_text(out, entry);
}

// zlib's compressor, ended however the writing ends (a failed allocation included).
struct Deflater {
    explicit Deflater(int level) : started(deflateInit(&z, level)) {}
    ~Deflater() {
        if (started == Z_OK) deflateEnd(&z);
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    z_stream z{};
    const int started;  // what deflateInit said
};

// Appends one IDAT holding every row, each behind filter byte 0 (none): the pictures are flat
// areas of few colours, which zlib's matches already catch, and no filter keeps encoding quick.
// fill_row writes a row's pixels into the span it is given.
template <class FillRow>
std::optional<EncodeProblem> write_image_data(Bytes& out, const Header& h, PngEffort effort,
                                              FillRow fill_row) {
    Deflater deflater(effort == PngEffort::fast ? 1 : Z_DEFAULT_COMPRESSION);
    if (deflater.started != Z_OK) {
        return deflater.started == Z_MEM_ERROR ? EncodeProblem::out_of_memory
                                               : EncodeProblem::compression_failed;
    }
    z_stream& z = deflater.z;
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
    if (!ok) return EncodeProblem::compression_failed;
    // A chunk's length is a 31-bit count.
    if (out.size() - idat - 8 > 0x7FFFFFFFu) return EncodeProblem::too_large;
    close_chunk(out, idat);
    return std::nullopt;
}

void end_file(Bytes& out) {
    close_chunk(out, open_chunk(out, "IEND"));
}

Encoded truecolour(const PixelView& picture, std::optional<Colour> see_through, PngEffort effort,
                   const std::vector<PngText>& text) {
    const bool alpha = see_through.has_value();
    const Header h = header_of(picture, alpha ? 6 : 2, alpha ? 4 : 3);
    if (const auto problem = size_problem(h)) return *problem;
    if (const auto problem = text_problem(text)) return *problem;
    Bytes out;
    start_file(out, h, text);
    const auto problem =
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
    if (problem) return *problem;
    end_file(out);
    return out;
}

Encoded indexed(const PixelView& picture, std::optional<Colour> see_through, PngEffort effort,
                const std::vector<PngText>& text) {
    const Header h = header_of(picture, 3, 1);
    if (const auto problem = size_problem(h)) return *problem;
    if (const auto problem = text_problem(text)) return *problem;
    // The indices first, so that a picture of too many colours is refused before anything is
    // written.
    PaletteIndexer indexer;
    const std::optional<Bytes> indices = indexer.indices(picture);
    if (!indices) return EncodeProblem::too_many_colours;

    Bytes out;
    start_file(out, h, text);
    const std::size_t plte = open_chunk(out, "PLTE");
    std::optional<std::size_t> clear;
    const std::vector<Colour>& palette = indexer.palette();
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
    const std::size_t width = h.width;
    const auto problem =
        write_image_data(out, h, effort, [&](std::uint32_t y, std::span<std::uint8_t> row) {
            std::memcpy(row.data(), indices->data() + width * y, width);
        });
    if (problem) return *problem;
    end_file(out);
    return out;
}

}  // namespace

Encoded encode_truecolour_png(const PixelView& picture, std::optional<Colour> see_through,
                              PngEffort effort, const std::vector<PngText>& text) {
    return unless_out_of_memory([&] { return truecolour(picture, see_through, effort, text); });
}

Encoded encode_indexed_png(const PixelView& picture, std::optional<Colour> see_through,
                           PngEffort effort, const std::vector<PngText>& text) {
    return unless_out_of_memory([&] { return indexed(picture, see_through, effort, text); });
}

}  // namespace kelvara::formats
