#pragma once

#include <string>
#include <vector>

#include "compositor/surface.h"

namespace kelvara::about {

// One size of the window icon: a square picture on the key colour, which the PNG file makes
// transparent.
struct WindowIcon {
    int size;
    Surface picture;
};

// File name of the icon of the given size in assets/ ("window_icon_32.png").
std::string window_icon_file(int size);

// The window icon in 16, 32, 48, 64 and 128 pixels: the About box's character, the head alone at
// the smallest size and head and shoulders above it, each enlarged by a whole factor so the
// pixels stay square.
std::vector<WindowIcon> draw_window_icons();

}  // namespace kelvara::about
