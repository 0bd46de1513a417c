#pragma once

#include "compositor/surface.h"

namespace kelvara::about {

constexpr int picture_width = 46;
constexpr int picture_height = 64;

// The character the About box and the window icon show, in its colours on the key colour: the
// program's 64 x 64 drawing surface after a draw at x1.
Surface draw_about_sprite();

// The About box's picture: a character of the program's own sheets in its colours, standing on
// the key colour, which the GIF makes transparent.
Surface draw_about_picture();

}  // namespace kelvara::about
