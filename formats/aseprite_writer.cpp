#include "formats/aseprite_writer.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <string_view>

#include "formats/palette_indexer.h"

namespace kelvara::formats {

namespace {

constexpr std::uint16_t file_magic = 0xA5E0;
constexpr std::uint16_t frame_magic = 0xF1FA;
constexpr std::uint16_t old_palette_chunk = 0x0004;
constexpr std::uint16_t layer_chunk = 0x2004;
constexpr std::uint16_t cel_chunk = 0x2005;
constexpr std::uint16_t colour_profile_chunk = 0x2007;
constexpr std::uint16_t tags_chunk = 0x2018;
constexpr std::uint16_t palette_chunk = 0x2019;
constexpr std::uint16_t slice_chunk = 0x2022;
constexpr int word_max = 0xFFFF;

struct IndexedFrames {
    std::vector<Colour> palette;  // in order of first appearance, frame by frame, row by row
    std::vector<Bytes> indices;   // one per frame, row by row
    std::optional<std::uint8_t> see_through_index;
};

// The frames' colours as palette indices, or nothing when there are more than 256. Sprite
// pictures are mostly long runs of one colour, so the last lookup is kept.
std::optional<IndexedFrames> index_colours(const std::vector<AnimationFrame>& frames,
                                           std::optional<Colour> see_through) {
    IndexedFrames result;
    PaletteIndexer indexer;
    for (const AnimationFrame& frame : frames) {
        std::optional<Bytes> indices = indexer.indices(frame.picture);
        if (!indices) return std::nullopt;
        result.indices.push_back(std::move(*indices));
    }
    result.palette = indexer.palette();
    if (see_through) {
        const auto it = std::find(result.palette.begin(), result.palette.end(), *see_through);
        if (it != result.palette.end()) {
            result.see_through_index = static_cast<std::uint8_t>(it - result.palette.begin());
        }
    }
    return result;
}

bool fits(long long value, long long low, long long high) {
    return value >= low && value <= high;
}

// Whether every number and name fits its field and every tag's frames exist; the pictures are
// checked apart.
bool fits_fields(const AnimationSet& set) {
    const auto frame_count = static_cast<long long>(set.frames.size());
    const auto name_fits = [](const std::string& name) { return name.size() <= word_max; };
    return fits(frame_count, 1, word_max) &&
           fits(static_cast<long long>(set.tags.size()), 0, word_max) &&
           std::all_of(set.frames.begin(), set.frames.end(),
                       [](const AnimationFrame& f) { return fits(f.duration_ms, 1, word_max); }) &&
           std::all_of(set.tags.begin(), set.tags.end(),
                       [&](const AnimationTag& t) {
                           return name_fits(t.name) && fits(t.from, 0, t.to) &&
                                  t.to < frame_count && fits(t.repeat, 0, word_max);
                       }) &&
           std::all_of(set.slices.begin(), set.slices.end(), [&](const AnimationSlice& s) {
               return name_fits(s.name) && s.width >= 0 && s.height >= 0;
           });
}

std::optional<EncodeProblem> check(const AnimationSet& set) {
    if (set.frames.empty()) return EncodeProblem::empty_picture;
    const PixelView& first = set.frames.front().picture;
    for (const AnimationFrame& frame : set.frames) {
        if (frame.picture.empty()) return EncodeProblem::empty_picture;
        if (frame.picture.width != first.width || frame.picture.height != first.height)
            return EncodeProblem::frames_differ;
    }
    if (first.width > word_max || first.height > word_max || !fits_fields(set))
        return EncodeProblem::too_large;
    return std::nullopt;
}

void put8(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
}
void put16(Bytes& out, unsigned v) {
    put8(out, v & 0xFF);
    put8(out, (v >> 8) & 0xFF);
}
void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void put_zeros(Bytes& out, std::size_t count) {
    out.insert(out.end(), count, 0);
}
void put_string(Bytes& out, std::string_view s) {
    put16(out, static_cast<unsigned>(s.size()));
    out.insert(out.end(), s.begin(), s.end());
}

// Fills in the size that a file, frame or chunk starting at start begins with, now that it ends at
// the end of out. Each is part of the file, whose size is checked once at the end.
void close_block(Bytes& out, std::size_t start) {
    const auto size = static_cast<std::uint32_t>(out.size() - start);
    for (int i = 0; i < 4; ++i) out[start + i] = static_cast<std::uint8_t>(size >> (8 * i));
}

template <class Fill>
void put_chunk(Bytes& out, std::uint16_t type, Fill fill) {
    const std::size_t start = out.size();
    put_zeros(out, 4);
    put16(out, type);
    fill();
    close_block(out, start);
}

void put_header(Bytes& out, const AnimationSet& set, const IndexedFrames& indexed) {
    const PixelView& picture = set.frames.front().picture;
    put_zeros(out, 4);  // the file's size, filled in at the end
    put16(out, file_magic);
    put16(out, static_cast<unsigned>(set.frames.size()));
    put16(out, static_cast<unsigned>(picture.width));
    put16(out, static_cast<unsigned>(picture.height));
    put16(out, 8);  // bits per pixel: indexed
    put32(out, 1);  // the layer's opacity is valid
    put16(out, static_cast<unsigned>(set.frames.front().duration_ms));  // for old readers
    put_zeros(out, 8);
    put8(out, indexed.see_through_index.value_or(0));
    put_zeros(out, 3);
    put16(out, static_cast<unsigned>(indexed.palette.size()));
    put8(out, 1);  // square pixels
    put8(out, 1);
    put_zeros(out, 8 + 84);  // no grid, then reserved
}

// The first frame's chunks before its cel: everything that holds for the whole file.
void put_sprite_chunks(Bytes& out, const AnimationSet& set, const IndexedFrames& indexed) {
    const std::vector<Colour>& palette = indexed.palette;
    put_chunk(out, colour_profile_chunk, [&] {
        put16(out, 1);  // sRGB
        put_zeros(out, 2 + 4 + 8);
    });
    // The old palette goes first, so that a reader that takes both keeps the new one.
    put_chunk(out, old_palette_chunk, [&] {
        put16(out, 1);                     // one packet
        put8(out, 0);                      // starting at index 0
        put8(out, palette.size() & 0xFF);  // 0 stands for 256
        for (Colour c : palette) {
            put8(out, red_of(c));
            put8(out, green_of(c));
            put8(out, blue_of(c));
        }
    });
    put_chunk(out, palette_chunk, [&] {
        put32(out, static_cast<std::uint32_t>(palette.size()));
        put32(out, 0);
        put32(out, static_cast<std::uint32_t>(palette.size() - 1));
        put_zeros(out, 8);
        for (std::size_t i = 0; i < palette.size(); ++i) {
            put16(out, 0);  // no name
            put8(out, red_of(palette[i]));
            put8(out, green_of(palette[i]));
            put8(out, blue_of(palette[i]));
            put8(out, indexed.see_through_index == i ? 0 : 255);
        }
    });
    const bool background = !indexed.see_through_index;
    put_chunk(out, layer_chunk, [&] {
        put16(out, background ? 1 + 2 + 8 : 1 + 2);  // visible, editable, background
        put_zeros(out, 2 + 2 + 2 + 2 + 2);           // image layer, top level, sizes, normal blend
        put8(out, 255);
        put_zeros(out, 3);
        put_string(out, background ? "Background" : "Layer 1");
    });
    if (!set.tags.empty()) {
        put_chunk(out, tags_chunk, [&] {
            put16(out, static_cast<unsigned>(set.tags.size()));
            put_zeros(out, 8);
            for (const AnimationTag& tag : set.tags) {
                put16(out, static_cast<unsigned>(tag.from));
                put16(out, static_cast<unsigned>(tag.to));
                put8(out, static_cast<unsigned>(tag.direction));
                put16(out, static_cast<unsigned>(tag.repeat));
                put_zeros(out, 6 + 3 + 1);  // reserved, an old reader's tag colour, extra
                put_string(out, tag.name);
            }
        });
    }
    for (const AnimationSlice& slice : set.slices) {
        put_chunk(out, slice_chunk, [&] {
            put32(out, 1);  // one key, from the first frame on
            put32(out, 2);  // a pivot, no nine-patch centre
            put32(out, 0);
            put_string(out, slice.name);
            put32(out, 0);
            put32(out, static_cast<std::uint32_t>(slice.x));
            put32(out, static_cast<std::uint32_t>(slice.y));
            put32(out, static_cast<std::uint32_t>(slice.width));
            put32(out, static_cast<std::uint32_t>(slice.height));
            put32(out, static_cast<std::uint32_t>(slice.pivot_x));
            put32(out, static_cast<std::uint32_t>(slice.pivot_y));
        });
    }
}

bool put_cel(Bytes& out, const PixelView& picture, const Bytes& indices) {
    bool compressed = false;
    put_chunk(out, cel_chunk, [&] {
        put_zeros(out, 2 + 2 + 2);  // layer 0 at 0, 0
        put8(out, 255);
        put16(out, 2);          // compressed image
        put_zeros(out, 2 + 5);  // z-index 0, reserved
        put16(out, static_cast<unsigned>(picture.width));
        put16(out, static_cast<unsigned>(picture.height));
        // zlib's default level: its best saves under 1% on sprite frames at over twice the time.
        const std::size_t start = out.size();
        uLongf length = compressBound(indices.size());
        out.resize(start + length);
        compressed = compress2(out.data() + start, &length, indices.data(), indices.size(),
                               Z_DEFAULT_COMPRESSION) == Z_OK;
        out.resize(start + (compressed ? length : 0));
    });
    return compressed;
}

template <class Fill>
void put_frame(Bytes& out, int duration_ms, std::size_t chunks, Fill fill) {
    const std::size_t start = out.size();
    put_zeros(out, 4);
    put16(out, frame_magic);
    put16(out, static_cast<unsigned>(std::min<std::size_t>(chunks, word_max)));  // the old count
    put16(out, static_cast<unsigned>(duration_ms));
    put_zeros(out, 2);
    put32(out, static_cast<std::uint32_t>(chunks));
    fill();
    close_block(out, start);
}

Encoded write(const AnimationSet& set) {
    const auto indexed = index_colours(set.frames, set.see_through);
    if (!indexed) return EncodeProblem::too_many_colours;
    Bytes out;
    put_header(out, set, *indexed);
    bool compressed = true;
    for (std::size_t f = 0; compressed && f < set.frames.size(); ++f) {
        const AnimationFrame& frame = set.frames[f];
        // The colour profile, both palettes and the layer, then the tags, slices and the cel.
        const std::size_t chunks =
            f == 0 ? 4 + (set.tags.empty() ? 0 : 1) + set.slices.size() + 1 : 1;
        put_frame(out, frame.duration_ms, chunks, [&] {
            if (f == 0) put_sprite_chunks(out, set, *indexed);
            compressed = put_cel(out, frame.picture, indexed->indices[f]);
        });
    }
    if (!compressed) return EncodeProblem::compression_failed;
    if (out.size() > std::numeric_limits<std::uint32_t>::max()) return EncodeProblem::too_large;
    close_block(out, 0);
    return out;
}

}  // namespace

Encoded encode_aseprite(const AnimationSet& set) {
    if (const auto problem = check(set)) return *problem;
    try {
        return write(set);
    } catch (const std::bad_alloc&) {
        return EncodeProblem::out_of_memory;
    }
}

}  // namespace kelvara::formats
