#include "compositor/palettes.h"

#include <stdexcept>
#include <string>

namespace kelvara {

namespace {

void require_size(const Surface& strip, StripSize size, const char* name) {
    if (strip.width() < size.columns || strip.height() < size.rows) {
        throw std::runtime_error(std::string("palette strip ") + name + " is missing or too small");
    }
}

// A row of a table holds element 0 unused and then shades 1..Width-1.
template <std::size_t Width, std::size_t Entries>
void read_rows(const Surface& strip, std::array<std::array<Colour, Width>, Entries>& table) {
    for (int entry = 0; entry < static_cast<int>(Entries); ++entry) {
        for (int shade = 1; shade < static_cast<int>(Width); ++shade) {
            table[entry][shade] = strip.GetPixel(shade - 1, entry);
        }
    }
}

}  // namespace

void load_palettes(const PaletteStrips& strips, Palettes& p) {
    require_size(strips.hair_color_set, hair_strip_size, "hair_color_set");
    require_size(strips.eye_color_set, eye_strip_size, "eye_color_set");
    require_size(strips.cloth_color_set, cloth_strip_size, "cloth_color_set");
    require_size(strips.cloth_color_23_set, cloth23_strip_size, "cloth_color_23_set");
    require_size(strips.body_color_set, body_strip_size, "body_color_set");

    read_rows(strips.hair_color_set, p.hair_palette);
    for (int entry = 0; entry < eye_entries; ++entry) {
        p.eye_palette[entry] = strips.eye_color_set.GetPixel(0, entry);
        p.accessory_palette[entry] = p.eye_palette[entry];
    }
    read_rows(strips.cloth_color_set, p.cloth_palette);
    read_rows(strips.cloth_color_23_set, p.cloth23_palette);
    read_rows(strips.body_color_set, p.body_palette);
}

}  // namespace kelvara
