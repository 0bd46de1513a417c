#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formats/encoded.h"
#include "model/pixel_view.h"

namespace kelvara::formats {

// One picture of an animation and how long it shows.
struct AnimationFrame {
    PixelView picture;
    int duration_ms = 100;  // 1 to 65535
};

// The order in which a tag plays its frames.
enum class TagDirection { forward, reverse, ping_pong };

// A named run of frames, from and to inclusive, as an editor's timeline and engine importers show
// it: one animation each.
struct AnimationTag {
    std::string name;
    int from = 0;
    int to = 0;
    TagDirection direction = TagDirection::forward;
    int repeat = 0;  // 0 plays for ever, N plays N times
};

// A named rectangle over every frame, with a pivot point relative to its top-left corner.
struct AnimationSlice {
    std::string name;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int pivot_x = 0;
    int pivot_y = 0;
};

struct AnimationSet {
    std::vector<AnimationFrame> frames;  // all of one size
    std::vector<AnimationTag> tags;
    std::vector<AnimationSlice> slices;
    std::optional<Colour> see_through;  // pixels of this colour are transparent
};

// An Aseprite file (.aseprite) of the frames in indexed colour: their palette of at most 256
// colours, one layer with a compressed cel per frame, every frame's duration, the tags and the
// slices. With a see-through colour that the frames use, that colour's palette entry is the
// transparent index (alpha 0 in the palette) and the layer is an ordinary one; otherwise the layer
// is the opaque background. Fails with empty_picture for no frames or an empty frame,
// frames_differ, too_many_colours, and too_large for a size, count, duration, name, tag range or
// repeat that the file's fields cannot hold.
Encoded encode_aseprite(const AnimationSet& set);

}  // namespace kelvara::formats
