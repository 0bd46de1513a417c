#pragma once

#include <cstddef>

#include "model/colour.h"

namespace kelvara {

// A read-only look at a rectangle of colours in memory, owned elsewhere: row y starts stride
// colours after row y - 1. The file encoders take pictures this way, so they need nothing but
// the colour type.
struct PixelView {
    const Colour* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // in colours, at least width

    const Colour* row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
    Colour at(int x, int y) const { return row(y)[x]; }
    bool empty() const { return width <= 0 || height <= 0; }
};

}  // namespace kelvara
