#pragma once

#include <cstdint>
#include <vector>

#include "compositor/surface.h"

namespace kelvara::about {

// Encodes a picture of at most 255 distinct colours as a GIF89a image; pixels in the transparent
// colour become the image's transparent index. Returns an empty vector when the picture has too
// many colours.
std::vector<std::uint8_t> encode_gif(const Surface& picture, Colour transparent);

}  // namespace kelvara::about
