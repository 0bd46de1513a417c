#pragma once

#include <array>

#include "assets/embedded_assets.h"
#include "model/editor_state.h"

namespace kelvara::testing {

// What each colour the sheets are painted in must become, written out here on its own: the
// colours as literals and each replacement read straight from the palette strip picture the
// program carries (row = entry, column = shade - 1). Nothing here goes through the recolouring
// code or the palette tables, so a wrong index, table, shade or option there shows as a mismatch.

enum class Strip { hair, eye, cloth, cloth23, body };

struct ColourRule {
    const char* part;
    Colour painted;
    Strip strip;
    Int16 EditorState::*entry;
    int shade;
    Int16 EditorState::*matte = nullptr;  // while this option is on ...
    int matte_shade = 0;                  // ... this shade is taken instead
};

// Skin and hair run light to dark, cloth dark to light; the mattes drop the highlight. Pants and
// line share the 79-entry table and skip its shade 1.
inline const std::array<ColourRule, 18> colour_rules = {{
    {"skin 1", RGB(248, 248, 224), Strip::body, &EditorState::body_color_num, 1,
     &EditorState::body_matte_flg, 2},
    {"skin 2", RGB(248, 208, 168), Strip::body, &EditorState::body_color_num, 2},
    {"skin 3", RGB(216, 160, 112), Strip::body, &EditorState::body_color_num, 3},
    {"skin 4", RGB(168, 112, 64), Strip::body, &EditorState::body_color_num, 4},
    {"eye", RGB(0, 24, 184), Strip::eye, &EditorState::eye_color_num, 1},
    {"accessory", RGB(255, 255, 0), Strip::eye, &EditorState::accessory_color_num, 1},
    {"cloth 1", RGB(16, 128, 128), Strip::cloth, &EditorState::cloth_color_num, 1},
    {"cloth 2", RGB(8, 192, 192), Strip::cloth, &EditorState::cloth_color_num, 2},
    {"cloth 3", RGB(104, 232, 232), Strip::cloth, &EditorState::cloth_color_num, 3},
    {"cloth 4", RGB(192, 240, 240), Strip::cloth, &EditorState::cloth_color_num, 4,
     &EditorState::cloth_matte_flg, 3},
    {"hair 1", RGB(200, 160, 112), Strip::hair, &EditorState::hair_color_num, 1},
    {"hair 2", RGB(144, 112, 40), Strip::hair, &EditorState::hair_color_num, 2},
    {"hair 3", RGB(88, 64, 16), Strip::hair, &EditorState::hair_color_num, 3},
    {"pants 1", RGB(208, 24, 24), Strip::cloth23, &EditorState::cloth2_color_num, 2},
    {"pants 2", RGB(232, 104, 104), Strip::cloth23, &EditorState::cloth2_color_num, 3},
    {"pants 3", RGB(240, 192, 192), Strip::cloth23, &EditorState::cloth2_color_num, 4},
    {"line 1", RGB(64, 120, 16), Strip::cloth23, &EditorState::cloth3_color_num, 2},
    {"line 2", RGB(96, 168, 24), Strip::cloth23, &EditorState::cloth3_color_num, 3},
}};

constexpr Colour painted_key = RGB(0, 255, 0);
constexpr Colour painted_eye_grey = RGB(192, 192, 216);
constexpr Colour whitened_eye_grey = RGB(255, 255, 239);

inline const PaletteStrips& carried_strips() {
    static const PaletteStrips strips = load_embedded_palette_strips();
    return strips;
}

inline const Surface& strip_picture(Strip s) {
    const PaletteStrips& p = carried_strips();
    switch (s) {
        case Strip::hair:
            return p.hair_color_set;
        case Strip::eye:
            return p.eye_color_set;
        case Strip::cloth:
            return p.cloth_color_set;
        case Strip::cloth23:
            return p.cloth_color_23_set;
        case Strip::body:
            break;
    }
    return p.body_color_set;
}

// Entry `entry`, shade `shade` (from 1) of a strip, as its picture holds it.
inline Colour strip_colour(Strip s, int entry, int shade) {
    return strip_picture(s).GetPixel(shade - 1, entry);
}

inline Colour expected_for_rule(const ColourRule& r, const EditorState& s) {
    const bool matte = r.matte != nullptr && s.*r.matte != 0;
    return strip_colour(r.strip, s.*r.entry, matte ? r.matte_shade : r.shade);
}

// The colour a pixel painted in `painted` must have once the sprite is in its final colours.
inline Colour expected_colour(Colour painted, const EditorState& s) {
    if (painted == painted_key) return s.back_color;
    if (painted == painted_eye_grey) return s.eye_grey_flg == 0 ? whitened_eye_grey : painted;
    for (const ColourRule& r : colour_rules) {
        if (r.painted == painted) return expected_for_rule(r, s);
    }
    return painted;
}

}  // namespace kelvara::testing
