#pragma once

#include <array>
#include <cstdint>

#include "compositor/sheet_colours.h"

namespace kelvara::sheetgen {

// What a canvas pixel is made of. Each material is painted from one template ramp, so the
// program's recolouring reaches every shade of it.
enum class Material : std::uint8_t {
    none,
    skin,
    hair,
    cloth,
    pants,
    trim,
    accessory,
    shoe,
    white,
    prop
};

// The shades of a material from light to dark, and the one a plain lit pixel takes. A material
// whose lit shade is not its lightest keeps that lightest one as a glint, for the few pixels
// where the light catches the form squarely (-1: none).
struct Ramp {
    std::array<Colour, 4> tones;
    int count;
    int base;
    int glint = -1;
};

constexpr Ramp ramp_of(Material m) {
    switch (m) {
        case Material::skin:
            return {{skin_template[0], skin_template[1], skin_template[2], skin_template[3]}, 4, 1};
        case Material::hair:
            return {{hair_template[0], hair_template[1], hair_template[2]}, 3, 1};
        case Material::cloth:
            // The cloth templates run dark to light; ramps run light to dark. The highlight is
            // the glint, so the cloth matte option has something to flatten.
            return {{cloth_template[3], cloth_template[2], cloth_template[1], cloth_template[0]},
                    4,
                    2,
                    0};
        case Material::pants:
            return {{pants_template[2], pants_template[1], pants_template[0]}, 3, 1};
        case Material::trim:
            return {{line_template[1], line_template[0]}, 2, 0};
        case Material::accessory:
            return {{accessory_template}, 1, 0};
        case Material::shoe:
            return {{outline_dark, outline_dark, outline_black}, 3, 1};
        case Material::white:
            return {{highlight_white}, 1, 0};
        // A ball or a crate, in greys no palette recolours (only the eye option whitens the mid
        // grey), so props keep their look whatever the fighter wears.
        case Material::prop:
            return {{highlight_white, eye_grey_template, outline_dark}, 3, 1};
        case Material::none:
            break;
    }
    return {{key_color}, 1, 0};
}

}  // namespace kelvara::sheetgen
