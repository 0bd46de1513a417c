#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/encoded.h"
#include "model/pixel_view.h"

namespace kelvara::formats {

struct GifFrame {
    PixelView picture;
    int delay_ms;  // kept to whole hundredths of a second, the unit a GIF counts in
};

// Encodes frames of one size and at most 256 distinct colours in all as a GIF89a animation that
// loops for ever. Pixels in the transparent colour, if there is one, become see-through, and each
// frame is cleared before the next one is shown so that nothing of it shows through. Fails when
// there are no frames, their sizes differ, there are too many colours or the frames are empty or
// larger than 65535 a side.
//
// A comment that is not empty is written as a comment extension after the header (and the loop
// extension), before the first image, so that a reader finds it without passing the pixels.
Encoded encode_gif_animation(const std::vector<GifFrame>& frames, std::optional<Colour> transparent,
                             const std::string& comment = {});

// One still picture of at most 256 distinct colours, the transparent one included, whose pixels
// become the image's transparent index. Fails as above; the comment as above.
Encoded encode_gif(const PixelView& picture, Colour transparent, const std::string& comment = {});

}  // namespace kelvara::formats
