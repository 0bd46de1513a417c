#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "compositor/surface.h"

namespace kelvara {

// A compact form of a sprite sheet that is cheap to turn back into a surface. The sheets are
// drawn with a few dozen colours and are mostly the key colour, so the build converts each
// committed PNG into a palette and runs of palette indices; unpacking at start-up is then a fill
// per run instead of a PNG decode.
//
// Layout, all numbers little-endian: "KSP1", width and height (u32), the palette's size n
// (u32, 1 to 65536) and its n colours (u32 each), then runs in row order, each a palette index
// (u8, or u16 when n > 256) and a length (unsigned LEB128, at least 1). Runs continue across row
// ends.

// Empty when the surface has more than 65536 colours (or no pixels).
std::vector<std::uint8_t> pack_surface(const Surface& surface);

// An empty surface when the bytes are not a well-formed packed surface: truncated, an index
// outside the palette, or runs that do not cover the picture exactly.
Surface unpack_surface(std::span<const std::uint8_t> packed, Colour back_color);

}  // namespace kelvara
