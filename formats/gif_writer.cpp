#include "formats/gif_writer.h"

#include <algorithm>

#include "formats/palette_indexer.h"

namespace kelvara::formats {

namespace {

// The largest side a GIF's 16-bit sizes hold.
constexpr int largest_side = 0xFFFF;

void put16(Bytes& out, int v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first, as GIF wants them.
class CodeWriter {
  public:
    void put(int code, int width) {
        buffer_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    void flush() {
        if (bits_ > 0) bytes.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
        buffer_ = 0;
        bits_ = 0;
    }
    Bytes bytes;

  private:
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

// Bits per entry of the smallest colour table that holds n colours (at least 2 bits, the least
// code size LZW allows).
int table_bits(std::size_t n) {
    int bits = 2;
    while ((std::size_t{1} << bits) < n) ++bits;
    return bits;
}

void put_header(Bytes& out, int width, int height, const std::vector<Colour>& colours, int bits) {
    for (const char c : {'G', 'I', 'F', '8', '9', 'a'}) out.push_back(static_cast<std::uint8_t>(c));
    put16(out, width);
    put16(out, height);
    // A global colour table, 8 bits per primary, of 2^bits entries.
    out.push_back(static_cast<std::uint8_t>(0xF0 | (bits - 1)));
    out.push_back(0);  // background colour index
    out.push_back(0);  // no aspect ratio
    for (int i = 0; i < (1 << bits); ++i) {
        const Colour c =
            i < static_cast<int>(colours.size()) ? colours[static_cast<std::size_t>(i)] : 0;
        out.push_back(static_cast<std::uint8_t>(red_of(c)));
        out.push_back(static_cast<std::uint8_t>(green_of(c)));
        out.push_back(static_cast<std::uint8_t>(blue_of(c)));
    }
}

// The application extension that makes viewers loop the animation for ever.
void put_loop_forever(Bytes& out) {
    out.insert(out.end(), {0x21, 0xFF, 0x0B});
    for (const char c : {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'}) {
        out.push_back(static_cast<std::uint8_t>(c));
    }
    out.insert(out.end(), {0x03, 0x01, 0x00, 0x00, 0x00});  // loop count 0: for ever
}

// A comment extension: the text in sub-blocks of at most 255 bytes, then the empty one that ends
// them.
void put_comment(Bytes& out, const std::string& comment) {
    out.insert(out.end(), {0x21, 0xFE});
    for (std::size_t at = 0; at < comment.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, comment.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), comment.begin() + static_cast<long>(at),
                   comment.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
}

// Graphic control: how long the frame shows, what becomes of it afterwards, and whether index 0
// is see-through.
void put_control(Bytes& out, int delay_cs, bool transparent, bool clear_after) {
    const int disposal = clear_after ? 2 : 1;
    out.insert(out.end(), {0x21, 0xF9, 0x04});
    out.push_back(static_cast<std::uint8_t>((disposal << 2) | (transparent ? 1 : 0)));
    put16(out, delay_cs);
    out.push_back(0);  // transparent colour index
    out.push_back(0);
}

// LZW with the code tree held as a table of (code, next index) -> code. Codes grow from
// bits + 1 to 12 bits; a full table starts afresh with a clear code.
Bytes compress(const Bytes& indices, int bits) {
    const int clear = 1 << bits;
    const int end = clear + 1;
    constexpr int max_code = 4095;
    std::vector<std::int16_t> next(static_cast<std::size_t>(max_code + 1) << bits, -1);
    CodeWriter codes;
    int width = bits + 1;
    int last_code = end;
    codes.put(clear, width);
    int current = indices.empty() ? -1 : indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::size_t key = (static_cast<std::size_t>(current) << bits) | indices[i];
        if (next[key] >= 0) {
            current = next[key];
            continue;
        }
        codes.put(current, width);
        next[key] = static_cast<std::int16_t>(++last_code);
        if (last_code >= (1 << width)) ++width;
        if (last_code == max_code) {
            codes.put(clear, width);
            std::fill(next.begin(), next.end(), std::int16_t{-1});
            width = bits + 1;
            last_code = end;
        }
        current = indices[i];
    }
    if (current >= 0) codes.put(current, width);
    codes.put(end, width);
    codes.flush();
    return codes.bytes;
}

void put_image(Bytes& out, int width, int height, const Bytes& indices, int bits) {
    out.push_back(0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    out.push_back(0);  // no local colour table, not interlaced
    const Bytes data = compress(indices, bits);
    out.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<long>(at),
                   data.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);  // end of image data
}

Encoded encode(const std::vector<GifFrame>& frames, std::optional<Colour> transparent,
               bool animated, const std::string& comment) {
    if (frames.empty()) return EncodeProblem::empty_picture;
    const int width = frames.front().picture.width;
    const int height = frames.front().picture.height;
    for (const GifFrame& f : frames) {
        if (f.picture.width != width || f.picture.height != height) {
            return EncodeProblem::frames_differ;
        }
    }
    if (width <= 0 || height <= 0) return EncodeProblem::empty_picture;
    if (width > largest_side || height > largest_side) return EncodeProblem::too_large;
    // One colour table for all frames, the transparent colour first.
    PaletteIndexer indexer(transparent);
    std::vector<Bytes> indices;
    for (const GifFrame& f : frames) {
        std::optional<Bytes> frame = indexer.indices(f.picture);
        if (!frame) return EncodeProblem::too_many_colours;
        indices.push_back(std::move(*frame));
    }
    const int bits = table_bits(indexer.palette().size());
    Bytes out;
    put_header(out, width, height, indexer.palette(), bits);
    if (animated) put_loop_forever(out);
    if (!comment.empty()) put_comment(out, comment);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        put_control(out, (frames[k].delay_ms + 5) / 10, transparent.has_value(),
                    animated && transparent.has_value());
        put_image(out, width, height, indices[k], bits);
    }
    out.push_back(0x3B);  // trailer
    return out;
}

}  // namespace

Encoded encode_gif_animation(const std::vector<GifFrame>& frames, std::optional<Colour> transparent,
                             const std::string& comment) {
    return unless_out_of_memory([&] { return encode(frames, transparent, true, comment); });
}

Encoded encode_gif(const PixelView& picture, Colour transparent, const std::string& comment) {
    return unless_out_of_memory([&] {
        return encode({{picture, 0}}, transparent, false, comment);
    });
}

}  // namespace kelvara::formats
