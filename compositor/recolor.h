#pragma once

#include <array>

#include "compositor/surface.h"
#include "model/editor_state.h"

namespace kelvara {

// One template colour and what the current selection turns it into.
struct Replacement {
    Colour from;
    Colour to;
};

// The replacements of the current selection, in the order pixels are compared: skin 1..4, eye,
// cloth 1..4, hair 1..3, pants 1..3, key, accessory, line 1..2. Built before any pixel is touched.
using WorkingColourSet = std::array<Replacement, 19>;
WorkingColourSet working_colour_set(const EditorState& state);

// Rewrites the composed sprite in its final colours: every template colour becomes the colour the
// selection picks from its palette, the key colour becomes the background colour, and the grey
// part of the eye turns white while the eye option is off. Every decision is made on the colour a
// pixel had before the pass, so a replacement that equals another template is never replaced again.
void recolor_sprite(const EditorState& state, Surface& pre_pic);

}  // namespace kelvara
