#include "ramp.h"

#include <algorithm>
#include <cmath>

namespace kelvara::palettegen {

Colour from_hsv(Hsv c) {
    const double h = std::fmod(std::fmod(c.h, 360.0) + 360.0, 360.0) / 60.0;
    const double s = std::clamp(c.s, 0.0, 1.0);
    const double v = std::clamp(c.v, 0.0, 1.0);
    const double chroma = v * s;
    const double x = chroma * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    double r = 0;
    double g = 0;
    double b = 0;
    switch (static_cast<int>(h)) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = v - chroma;
    auto channel = [m](double value) { return static_cast<int>(std::lround((value + m) * 255.0)); };
    return RGB(channel(r), channel(g), channel(b));
}

std::vector<Colour> ramp_light_to_dark(Hsv base, int shades, double spread) {
    std::vector<Colour> out;
    for (int k = 0; k < shades; ++k) {
        // t runs from +1 (lightest) to -1 (darkest).
        const double t = shades == 1 ? 0.0 : 1.0 - 2.0 * k / (shades - 1);
        Hsv c = base;
        if (t > 0) {
            c.v = base.v + (1.0 - base.v) * 0.75 * t * spread + 0.12 * t * spread;
            c.s = base.s * (1.0 - 0.35 * t * spread);
            c.h = base.h + 8.0 * t * spread * (base.h < 180 ? 1 : -1) * 0.5;
        } else {
            c.v = base.v * (1.0 + 0.55 * t * spread);
            c.s = std::min(1.0, base.s * (1.0 - 0.25 * t * spread) + 0.05 * -t);
            c.h = base.h - 10.0 * t * spread * (base.h < 60 || base.h > 240 ? -1 : 1) * 0.5;
        }
        out.push_back(from_hsv(c));
    }
    return out;
}

}  // namespace kelvara::palettegen
