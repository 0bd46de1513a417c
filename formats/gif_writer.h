#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "compositor/surface.h"

namespace kelvara::gif {

struct GifFrame {
    Surface picture;
    int delay_ms;  // kept to whole hundredths of a second, the unit a GIF counts in
};

// Encodes frames of one size and at most 256 distinct colours in all as a GIF89a animation that
// loops for ever. Pixels in the transparent colour, if there is one, become see-through, and each
// frame is cleared before the next one is shown so that nothing of it shows through. Returns an
// empty vector when there are no frames, their sizes differ or there are too many colours.
std::vector<std::uint8_t> encode_animation(const std::vector<GifFrame>& frames,
                                           std::optional<Colour> transparent);

// One still picture of at most 256 distinct colours, the transparent one included, whose pixels
// become the image's transparent index. Empty when there are too many colours.
std::vector<std::uint8_t> encode_gif(const Surface& picture, Colour transparent);

}  // namespace kelvara::gif
