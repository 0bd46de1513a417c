#pragma once

#include "compositor/surface.h"

namespace kelvara {

// The saved picture is 63 x 63 pixels at x1, whatever the drawing size.
constexpr int export_image_size = 63;

// Fills picture (the save preview, which is also exactly what gets saved) from the composed
// sprite: the background colour everywhere, then the sprite frame copied in at (-4, -4). The
// frame's four leftmost columns and top rows fall off, and since pre_pic is only 64 x 64 the
// three rightmost columns and bottom rows keep the background colour.
void prepare_export_image(Surface& picture, const Surface& pre_pic, Colour back_color);

// A fresh 63 x 63 picture prepared as above.
Surface export_image(const Surface& pre_pic, Colour back_color);

}  // namespace kelvara
