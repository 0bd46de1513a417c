#include "gif_writer.h"

#include <algorithm>
#include <map>

namespace kelvara::about {

namespace {

void put16(std::vector<std::uint8_t>& out, int v) {
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
    std::vector<std::uint8_t> bytes;

  private:
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

}  // namespace

std::vector<std::uint8_t> encode_gif(const Surface& picture, Colour transparent) {
    // Colour table: the transparent colour first, then the others in order of appearance.
    std::vector<Colour> colours = {transparent};
    std::map<Colour, int> index_of = {{transparent, 0}};
    std::vector<std::uint8_t> indices;
    for (Colour c : picture.bits()) {
        auto [it, added] = index_of.try_emplace(c, static_cast<int>(colours.size()));
        if (added) colours.push_back(c);
        indices.push_back(static_cast<std::uint8_t>(std::min(it->second, 255)));
    }
    if (colours.size() > 256) return {};

    std::vector<std::uint8_t> out = {'G', 'I', 'F', '8', '9', 'a'};
    put16(out, picture.width());
    put16(out, picture.height());
    out.push_back(0xF7);  // global colour table of 256 entries, 8 bits per primary
    out.push_back(0);     // background colour index
    out.push_back(0);     // no aspect ratio
    for (int i = 0; i < 256; ++i) {
        const Colour c = i < static_cast<int>(colours.size()) ? colours[i] : 0;
        out.push_back(static_cast<std::uint8_t>(red_of(c)));
        out.push_back(static_cast<std::uint8_t>(green_of(c)));
        out.push_back(static_cast<std::uint8_t>(blue_of(c)));
    }
    // Graphic control extension: index 0 is transparent.
    for (std::uint8_t b : {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00}) out.push_back(b);
    // Image descriptor over the whole picture, no local colour table.
    out.push_back(0x2C);
    put16(out, 0);
    put16(out, 0);
    put16(out, picture.width());
    put16(out, picture.height());
    out.push_back(0);

    // Image data without compression: every pixel is a literal 9-bit code, and a clear code
    // restarts the table before the decoder's table would grow past 9-bit codes.
    constexpr int min_code_size = 8;
    constexpr int clear = 1 << min_code_size;
    constexpr int end = clear + 1;
    CodeWriter codes;
    codes.put(clear, 9);
    int since_clear = 0;
    for (std::uint8_t index : indices) {
        if (since_clear == 254) {
            codes.put(clear, 9);
            since_clear = 0;
        }
        codes.put(index, 9);
        ++since_clear;
    }
    codes.put(end, 9);
    codes.flush();

    out.push_back(min_code_size);
    for (std::size_t at = 0; at < codes.bytes.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, codes.bytes.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), codes.bytes.begin() + static_cast<long>(at),
                   codes.bytes.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);     // end of image data
    out.push_back(0x3B);  // trailer
    return out;
}

}  // namespace kelvara::about
