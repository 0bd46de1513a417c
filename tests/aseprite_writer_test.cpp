// The .aseprite writer, read back by a chunk walker of this test's own against byte literals taken
// from the published layout: header, chunk order and fields, and a cel through zlib.
#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "formats/aseprite_writer.h"

namespace kelvara::formats {
namespace {

std::uint32_t le(const Bytes& b, std::size_t at, int width) {
    std::uint32_t v = 0;
    for (int i = width - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
    return v;
}

// Bytes written as hex digits, with spaces for reading and text in single quotes.
Bytes hex(std::string_view text) {
    Bytes out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\'') {
            while (text[++i] != '\'') out.push_back(static_cast<std::uint8_t>(text[i]));
        } else if (text[i] != ' ') {
            out.push_back(static_cast<std::uint8_t>(
                std::stoi(std::string(text.substr(i++, 2)), nullptr, 16)));
        }
    }
    return out;
}

using Chunk = std::pair<std::uint32_t, Bytes>;  // type, data
struct Frame {
    std::uint32_t duration;
    std::vector<Chunk> chunks;
};

// The frames after the 128-byte header, each walked by its own and its chunks' size fields.
void walk(const Bytes& b, std::vector<Frame>& frames) {
    std::size_t at = 128;
    for (std::uint32_t f = 0; f < le(b, 6, 2); ++f) {
        const std::size_t end = at + le(b, at, 4);
        EXPECT_EQ(le(b, at + 4, 2), 0xF1FAu);
        EXPECT_EQ(le(b, at + 6, 2), le(b, at + 12, 4));  // the old and the new chunk count
        Frame& frame = frames.emplace_back(Frame{le(b, at + 8, 2), {}});
        at += 16;
        for (std::uint32_t n = le(b, at - 4, 4); n > 0; --n) {
            const std::size_t size = le(b, at, 4);
            ASSERT_TRUE(size >= 6 && at + size <= b.size()) << "chunk at " << at;
            frame.chunks.emplace_back(le(b, at + 4, 2),
                                      Bytes(b.begin() + at + 6, b.begin() + at + size));
            at += size;
        }
        EXPECT_EQ(at, end) << "frame " << f;
    }
    EXPECT_EQ(at, b.size());
}

const Colour red = RGB(200, 0, 0), blue = RGB(0, 0, 200), key = RGB(255, 0, 255),
             ink = RGB(9, 8, 7);
// Two 3 x 2 frames side by side, six colours a row; the key colour comes third in the first, so it
// is palette entry 2.
const std::vector<Colour> pixels = {red, blue, key, key, key, ink, key, red, key, blue, red, red};

AnimationSet sample() {
    return {{{{pixels.data(), 3, 2, 6}, 100}, {{pixels.data() + 3, 3, 2, 6}, 250}},
            {{"walk", 0, 1, TagDirection::ping_pong, 0}, {"hit", 1, 1, TagDirection::reverse, 3}},
            {{"pivot", -1, 0, 3, 2, 1, 2}},
            key};
}

TEST(AsepriteWriter, HeaderChunksAndCel) {
    const Bytes b = encode_aseprite(sample()).value();
    EXPECT_EQ(le(b, 0, 4), b.size());
    EXPECT_EQ(Bytes(b.begin() + 4, b.begin() + 36),
              hex("E0A5 0200 0300 0200 0800"         // magic, frames, width, height, bits per pixel
                  "01000000 6400 00000000 00000000"  // the layer opacity is valid, speed 100
                  "02 000000 0400 01 01"));          // transparent index, colours, square pixels
    std::vector<Frame> frames;
    walk(b, frames);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(std::pair(frames[0].duration, frames[1].duration), std::pair(100u, 250u));
    ASSERT_EQ(frames[0].chunks.size(), 7u);
    const std::vector<Chunk> expected = {
        {0x2007, hex("0100 0000 00000000 0000000000000000")},  // sRGB
        {0x0004, hex("0100 00 04 C80000 0000C8 FF00FF 090807")},
        {0x2019, hex("04000000 00000000 03000000 0000000000000000"  // entries 0 to 3
                     "0000 C8 00 00 FF  0000 00 00 C8 FF"           // red, blue
                     "0000 FF 00 FF 00  0000 09 08 07 FF")},        // the key clear, ink
        {0x2004, hex("0300 0000 0000 0000 0000 0000 FF 000000 0700'Layer 1'")},
        {0x2018, hex("0200 0000000000000000"                                  // two tags
                     "0000 0100 02 0000 000000000000 000000 00 0400'walk'"    // ping-pong
                     "0100 0100 01 0300 000000000000 000000 00 0300'hit'")},  // reverse, 3 times
        {0x2022, hex("01000000 02000000 00000000 0500'pivot'"        // one key, with a pivot
                     "00000000 FFFFFFFF 00000000 03000000 02000000"  // from frame 0: -1, 0, 3 x 2
                     "01000000 02000000")},                          // the pivot
    };
    EXPECT_EQ(std::vector<Chunk>(frames[0].chunks.begin(), frames[0].chunks.end() - 1), expected);

    // The second frame's cel, inflated: its palette indices row by row.
    ASSERT_EQ(frames[1].chunks.size(), 1u);
    const auto& [type, cel] = frames[1].chunks[0];
    EXPECT_EQ(type, 0x2005u);
    EXPECT_EQ(Bytes(cel.begin(), cel.begin() + 20),
              hex("0000 0000 0000 FF 0200 0000 0000000000 0300 0200"));  // layer 0 at 0, 0
    Bytes indices(16);
    uLongf length = indices.size();
    ASSERT_EQ(uncompress(indices.data(), &length, cel.data() + 20, cel.size() - 20), Z_OK);
    indices.resize(length);
    EXPECT_EQ(indices, (Bytes{2, 2, 3, 1, 0, 0}));
}

// At the limits: 256 colours (0 in the old palette's byte) and 65535 ms. Without a see-through
// colour nothing may vanish, so the one layer is the opaque background.
TEST(AsepriteWriter, LimitsAndRefusals) {
    std::vector<Colour> many(65536 + 257);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = RGB(i, i >> 8, i >> 16);
    const Bytes b = encode_aseprite({{{{many.data(), 16, 16, 16}, 65535}}, {}, {}, {}}).value();
    std::vector<Frame> frames;
    walk(b, frames);
    const std::vector<Chunk>& chunks = frames.at(0).chunks;
    ASSERT_EQ(chunks.size(), 5u);  // no tags, no slices
    EXPECT_EQ(le(b, 32, 2), 256u);
    EXPECT_EQ(chunks[1].second.at(3), 0u);
    EXPECT_EQ(chunks[2].second.at(20 + 255 * 6 + 2), 255u);  // the last entry's red
    EXPECT_EQ(le(chunks[3].second, 0, 2), 1u + 2 + 8);       // visible, editable, background

    using enum EncodeProblem;
    const PixelView colours{many.data(), 257, 1, 257}, wide{many.data(), 65536, 1, 65536};
    const std::tuple<const char*, std::function<void(AnimationSet&)>, EncodeProblem> cases[] = {
        {"no frames", [](auto& s) { s.frames.clear(); }, empty_picture},
        {"sizes differ", [](auto& s) { s.frames[1].picture.height = 1; }, frames_differ},
        {"257 colours", [&](auto& s) { s.frames[0].picture = s.frames[1].picture = colours; },
         too_many_colours},
        {"65536 wide", [&](auto& s) { s.frames[0].picture = s.frames[1].picture = wide; },
         too_large},
        {"65536 ms", [](auto& s) { s.frames[0].duration_ms = 65536; }, too_large},
        {"no time", [](auto& s) { s.frames[0].duration_ms = 0; }, too_large},
        {"tag past the end", [](auto& s) { s.tags[1].to = 2; }, too_large},
        {"tag backwards", [](auto& s) { s.tags[1].from = 1, s.tags[1].to = 0; }, too_large},
        {"65536 repeats", [](auto& s) { s.tags[0].repeat = 65536; }, too_large}};
    for (const auto& [what, change, problem] : cases) {
        AnimationSet set = sample();
        change(set);
        const Encoded e = encode_aseprite(set);
        EXPECT_EQ(e.ok() ? std::nullopt : std::optional(e.error().problem), problem) << what;
    }
}

}  // namespace
}  // namespace kelvara::formats
