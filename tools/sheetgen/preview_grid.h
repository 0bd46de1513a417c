#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "compositor/palettes.h"
#include "compositor/surface.h"
#include "model/editor_state.h"

namespace kelvara::sheetgen {

// The shared pieces of the preview sheets: palettes picked per picture, silhouettes, and grids of
// numbered, enlarged crops.

constexpr Colour preview_back = RGB(112, 120, 136);

struct Crop {
    int x, y, w, h;
};

// The part of a frame every figure stays in.
constexpr Crop figure_crop{3, 13, 51, 41};

// A selection that wears palette entries picked by a hash of `seed`, so neighbouring pictures
// wear unrelated colours and the same seed always wears the same ones.
EditorState palette_for(int seed, const Palettes& palettes);

// The frame recoloured the way the program shows it on the preview background.
Surface recoloured(Surface frame, int seed, const Palettes& palettes);

// The frame in black on white.
Surface silhouette(const Surface& frame);

// Lays the cropped pictures in rows, enlarged, each with its number above it.
Surface grid(const std::vector<std::pair<int, Surface>>& items, Crop crop, int scale, int columns);

}  // namespace kelvara::sheetgen
