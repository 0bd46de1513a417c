#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "compositor/surface.h"

namespace kelvara {

// A compact form of a sprite sheet that is cheap to turn back into a surface. The sheets are
// drawn with a few dozen colours and are mostly the key colour, so the build converts each
// committed PNG into a palette, runs of one palette index and stretches of indices; unpacking at
// start-up is then a fill per run and a table lookup per other pixel instead of a PNG decode.
//
// Layout, all numbers little-endian: "KSP1", width and height (u32), the palette's size n
// (u32, 1 to 65536) and its n colours (u32 each), then the pixels in row order, continuing across
// row ends, as tokens. A token starts with an unsigned LEB128 number t whose bits above the lowest
// are a pixel count c of at least 1: when t is even, c pixels of the one palette index that
// follows; when odd, c pixels whose c indices follow. An index is a u8, or a u16 when n > 256.

// Empty when the surface has more than 65536 colours (or no pixels).
std::vector<std::uint8_t> pack_surface(const Surface& surface);

// An empty surface when the bytes are not a well-formed packed surface: truncated, an index
// outside the palette, or tokens that do not cover the picture exactly.
Surface unpack_surface(std::span<const std::uint8_t> packed, Colour back_color);

}  // namespace kelvara
