#pragma once

#include <algorithm>
#include <vector>

#include "compositor/sheet_colours.h"
#include "compositor/sheets.h"
#include "tools/sheetgen/sheetgen.h"

namespace kelvara::sheetgen_test {

// The generated sheets, drawn once for the whole test program.
inline const Sheets& generated() {
    static const Sheets sheets = sheetgen::generate_sheets();
    return sheets;
}

// A cell as the program cuts it from the sheet.
inline Surface head_cell(const Surface& sheet, int i) {
    Surface cell(19, 19, key_color);
    cut_head_cell(sheet, i, cell);
    return cell;
}

inline Surface frame_cell(const Surface& sheet, int i) {
    Surface cell(sprite_frame, sprite_frame, key_color);
    cut_pose_cell(sheet, i, cell);
    return cell;
}

inline bool drawn(Colour c) {
    return c != key_color;
}

inline int drawn_count(const Surface& s) {
    return static_cast<int>(std::count_if(s.bits().begin(), s.bits().end(), drawn));
}

template <std::size_t N>
bool one_of(Colour c, const std::array<Colour, N>& colours) {
    return std::find(colours.begin(), colours.end(), c) != colours.end();
}

inline bool is_skin(Colour c) {
    return one_of(c, skin_template);
}
inline bool is_outline(Colour c) {
    return c == outline_black || c == outline_dark;
}
inline bool is_cloth(Colour c) {
    return one_of(c, cloth_template);
}
inline bool is_pants(Colour c) {
    return one_of(c, pants_template);
}
inline bool is_trim(Colour c) {
    return one_of(c, line_template);
}
inline bool is_hair(Colour c) {
    return one_of(c, hair_template);
}

}  // namespace kelvara::sheetgen_test
