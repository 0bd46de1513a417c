#pragma once

#include <vector>

#include "model/colour.h"

namespace kelvara::palettegen {

// A colour given as hue (degrees), saturation and value (0..1).
struct Hsv {
    double h;
    double s;
    double v;
};

Colour from_hsv(Hsv c);

// A ramp of `shades` colours around a base colour, from the lightest to the darkest. Lighter shades
// lose a little saturation and darker ones gain some and turn slightly towards blue, the way
// pixel artists shade, so the ramp does not look like a plain brightness scale.
std::vector<Colour> ramp_light_to_dark(Hsv base, int shades, double spread);

}  // namespace kelvara::palettegen
