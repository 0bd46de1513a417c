#pragma once

#include "compositor/palettes.h"

namespace kelvara::palettegen {

// Draws the five palette strips. Deterministic: the same strips on every run.
PaletteStrips generate_palette_strips();

// Colours no strip may contain: they mean something else in the sheets (the key colour, the mask
// black, the marker red, the accessory and eye-grey templates and the white the grey part turns
// to).
bool is_reserved_colour(Colour c);

}  // namespace kelvara::palettegen
