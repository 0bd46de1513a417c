#pragma once

#include "compositor/surface.h"
#include "model/palette_tables.h"

namespace kelvara {

// The five palette strips: each row one selectable colour, each column one shade (the leftmost
// column is shade 1).
struct PaletteStrips {
    Surface hair_color_set;      // 3 x 57
    Surface eye_color_set;       // 1 x 26
    Surface cloth_color_set;     // 4 x 78
    Surface cloth_color_23_set;  // 4 x 79
    Surface body_color_set;      // 4 x 33
};

struct StripSize {
    int columns;
    int rows;
};
constexpr StripSize hair_strip_size{3, hair_entries};
constexpr StripSize eye_strip_size{1, eye_entries};
constexpr StripSize cloth_strip_size{4, cloth_entries};
constexpr StripSize cloth23_strip_size{4, cloth23_entries};
constexpr StripSize body_strip_size{4, body_entries};

// Reads the strips pixel by pixel into the tables. A strip smaller than its table would leave
// colours undefined; that is a broken build, reported by std::runtime_error naming the strip.
void load_palettes(const PaletteStrips& strips, Palettes& palettes);

}  // namespace kelvara
