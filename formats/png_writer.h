#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "compositor/surface.h"

namespace kelvara::png {

// How hard zlib works: fast suits large atlases (several times quicker, a little larger).
enum class Effort { fast, small };

// A truecolour PNG of the picture: 8-bit RGB, or RGBA when see_through is given, in which case
// pixels of that colour become fully transparent black and all others opaque. Empty when the
// picture is too large to encode.
std::vector<std::uint8_t> encode_truecolour(const Surface& picture,
                                            std::optional<Colour> see_through,
                                            Effort effort = Effort::small);

// An 8-bit palette PNG, the palette in order of first appearance (row by row). With see_through,
// that colour's entry becomes fully transparent black. Empty when the picture has more than 256
// colours or is too large to encode.
std::vector<std::uint8_t> encode_indexed(const Surface& picture, std::optional<Colour> see_through,
                                         Effort effort = Effort::fast);

// The CRC-32 every chunk ends with, over its type and data.
std::uint32_t crc32(std::span<const std::uint8_t> bytes);

}  // namespace kelvara::png
