#pragma once

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "model/editor_state.h"

namespace kelvara {

// The hidden working surfaces in which the character is built, and the view it is shown in.
// Sizes are the drawing areas inside the picture boxes' 2-pixel frames; the sprite's 67 x 67 frame
// is cut to 63 or 64 pixels, which still holds every drawn pixel of the sheets.
struct Workspace {
    // The face or hair cell just cut, in the top-left 19 x 19 pixels.
    Surface face_pic{20, 20, button_face};
    Surface hair_pic{20, 20, button_face};
    // The head: face with hair laid over it, in the top-left 19 x 19 pixels.
    Surface pre_face_pic{21, 21, RGB(192, 192, 192)};
    // Scratch surfaces of compose_head.
    Surface pre_hair_pic{21, 21, button_face};
    Surface pre_hair_mask{21, 21, button_face};
    // The pose cell just cut.
    Surface pre_cloth_pic{63, 63, key_color};
    // The composed sprite; its pixels are what the view shows and what a save writes.
    Surface pre_pic{64, 64, key_color};
    Surface character_view{264, 264, key_color};

    // The grey of a picture box whose back colour was never set.
    static constexpr Colour button_face = default_back_color;
};

}  // namespace kelvara
