#pragma once

#include <array>

#include "model/colour.h"
#include "model/selection_ranges.h"

namespace kelvara {

// Palette tables, indexed by entry and, where an entry has several shades, by shade 1..N
// (element 0 is unused, so a shade number indexes directly). Hair and skin run light to dark,
// cloth dark to light. Filled from the palette strips at start-up.
template <int Shades>
using ShadeRow = std::array<Colour, Shades + 1>;

struct Palettes {
    std::array<ShadeRow<3>, hair_entries> hair_palette{};
    std::array<Colour, eye_entries> eye_palette{};
    std::array<Colour, eye_entries> accessory_palette{};  // always the eye colours
    std::array<ShadeRow<4>, cloth_entries> cloth_palette{};
    std::array<ShadeRow<4>, cloth23_entries> cloth23_palette{};  // pants and line
    std::array<ShadeRow<4>, body_entries> body_palette{};
};

}  // namespace kelvara
