#pragma once

#include <cstdint>

namespace kelvara {

// A colour is red + 256 * green + 65536 * blue, the value a pixel read returns. Bitwise AND and OR
// on two colours therefore act on each channel separately, which the hair mask relies on.
using Colour = std::uint32_t;

constexpr Colour RGB(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
           (static_cast<Colour>(b & 0xFF) << 16);
}

constexpr int red_of(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green_of(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue_of(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// What a pixel read outside a surface returns; no real pixel has this value.
constexpr Colour invalid_colour = 0xFFFFFFFFu;

}  // namespace kelvara
