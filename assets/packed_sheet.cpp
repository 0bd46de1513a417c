#include "assets/packed_sheet.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <unordered_map>

namespace kelvara {

namespace {

constexpr std::array<std::uint8_t, 4> magic{'K', 'S', 'P', '1'};
// Indices take one byte up to 256 colours and two above (a palette strip is a ramp of hundreds).
constexpr std::size_t max_colours = 65536;
constexpr std::size_t max_byte_colours = 256;
// Shorter runs cost more to unpack, one by one, than their pixels do as part of a stretch.
constexpr std::size_t min_run = 4;
// Keeps a malformed header from asking for gigabytes; the largest sheet is far below it.
constexpr std::uint64_t max_pixels = std::uint64_t{1} << 26;

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void put_length(std::vector<std::uint8_t>& out, std::uint64_t v) {
    while (v >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(v | 0x80));
        v >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(v));
}

class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    const std::uint8_t* position() const { return bytes_.data() + pos_; }

    bool u32(std::uint32_t& v) {
        if (bytes_.size() - pos_ < 4) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t{bytes_[pos_++]} << (8 * i);
        return true;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::uint8_t> pack_surface(const Surface& surface) {
    const std::vector<Colour>& pixels = surface.bits();
    if (pixels.empty()) return {};
    // The palette in order of first appearance.
    std::vector<Colour> palette;
    std::unordered_map<Colour, std::uint32_t> index_of;
    std::vector<std::uint32_t> indices(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const auto [found, added] =
            index_of.try_emplace(pixels[i], static_cast<std::uint32_t>(palette.size()));
        if (added) {
            if (palette.size() == max_colours) return {};
            palette.push_back(pixels[i]);
        }
        indices[i] = found->second;
    }

    std::vector<std::uint8_t> out(magic.begin(), magic.end());
    put_u32(out, static_cast<std::uint32_t>(surface.width()));
    put_u32(out, static_cast<std::uint32_t>(surface.height()));
    put_u32(out, static_cast<std::uint32_t>(palette.size()));
    for (const Colour c : palette) put_u32(out, c);
    const bool wide = palette.size() > max_byte_colours;
    const auto put_index = [&](std::uint32_t index) {
        out.push_back(static_cast<std::uint8_t>(index));
        if (wide) out.push_back(static_cast<std::uint8_t>(index >> 8));
    };
    std::size_t literal_start = 0;  // pixels from here up to a run go out as a stretch
    const auto put_literal = [&](std::size_t literal_end) {
        if (literal_end == literal_start) return;
        put_length(out, (std::uint64_t{literal_end - literal_start} << 1) | 1);
        for (std::size_t i = literal_start; i < literal_end; ++i) put_index(indices[i]);
    };
    for (std::size_t start = 0; start < indices.size();) {
        std::size_t end = start + 1;
        while (end < indices.size() && indices[end] == indices[start]) ++end;
        if (end - start >= min_run) {
            put_literal(start);
            put_length(out, std::uint64_t{end - start} << 1);
            put_index(indices[start]);
            literal_start = end;
        }
        start = end;
    }
    put_literal(indices.size());
    return out;
}

Surface unpack_surface(std::span<const std::uint8_t> packed, Colour back_color) {
    if (packed.size() < magic.size() || !std::equal(magic.begin(), magic.end(), packed.begin())) {
        return {};
    }
    Reader in(packed.subspan(magic.size()));
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t colours = 0;
    if (!in.u32(width) || !in.u32(height) || !in.u32(colours)) return {};
    const std::uint64_t total = std::uint64_t{width} * height;
    if (width == 0 || height == 0 || total > max_pixels ||
        width > std::uint32_t{std::numeric_limits<int>::max()} || colours == 0 ||
        colours > max_colours) {
        return {};
    }
    std::vector<Colour> palette(colours);
    for (std::uint32_t i = 0; i < colours; ++i) {
        if (!in.u32(palette[i])) return {};
    }

    Surface surface(static_cast<int>(width), static_cast<int>(height), back_color);
    // Read through raw pointers: a sheet has a hundred thousand runs and stretches, mostly short,
    // so this loop is most of the cost of starting the program.
    const std::uint8_t* p = in.position();
    const std::uint8_t* const end = packed.data() + packed.size();
    const bool wide = colours > max_byte_colours;
    const std::size_t index_bytes = wide ? 2 : 1;
    Colour* const out = surface.bits().data();
    std::uint64_t filled = 0;
    while (filled < total) {
        std::uint64_t token = 0;
        for (int shift = 0;; shift += 7) {
            if (p == end || shift > 56) return {};
            const std::uint8_t b = *p++;
            token |= std::uint64_t{b & 0x7Fu} << shift;
            if ((b & 0x80) == 0) break;
        }
        const std::uint64_t count = token >> 1;
        if (count == 0 || count > total - filled) return {};
        Colour* o = out + filled;
        if ((token & 1) == 0) {
            if (static_cast<std::size_t>(end - p) < index_bytes) return {};
            std::uint32_t index = *p++;
            if (wide) index |= std::uint32_t{*p++} << 8;
            if (index >= colours) return {};
            // The surface starts in the back colour (the key colour, for the sheets, which is
            // most of every sheet): its runs are already there.
            const Colour c = palette[index];
            if (c != back_color) {
                for (std::uint64_t i = 0; i < count; ++i) o[i] = c;
            }
        } else {
            if (static_cast<std::uint64_t>(end - p) / index_bytes < count) return {};
            if (wide) {
                for (std::uint64_t i = 0; i < count; ++i, p += 2) {
                    const std::uint32_t index = p[0] | (std::uint32_t{p[1]} << 8);
                    if (index >= colours) return {};
                    o[i] = palette[index];
                }
            } else {
                for (std::uint64_t i = 0; i < count; ++i) {
                    if (p[i] >= colours) return {};
                    o[i] = palette[p[i]];
                }
                p += count;
            }
        }
        filled += count;
    }
    if (p != end) return {};
    return surface;
}

}  // namespace kelvara
