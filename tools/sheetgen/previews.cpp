#include "tools/sheetgen/previews.h"

#include <cstdint>

#include "compositor/recolor.h"
#include "compositor/sheet_colours.h"
#include "compositor/sheets.h"
#include "editor/editor_state.h"
#include "palette_strips.h"
#include "tools/sheetgen/character.h"
#include "tools/sheetgen/families.h"
#include "tools/sheetgen/pixel_font.h"

namespace kelvara::sheetgen {

namespace {

constexpr Colour sheet_back = RGB(112, 120, 136);
constexpr Colour label_ink = RGB(255, 255, 255);

struct Crop {
    int x, y, w, h;
};
// The standing figure, and the head with its chin and neck.
constexpr Crop figure_crop{3, 13, 51, 41};
constexpr Crop head_crop{21, 13, 25, 24};

// Palette entries picked by a multiplicative hash of the character number, so neighbours wear
// unrelated colours and the same character always wears the same ones.
EditorState palette_for(int index, const Palettes& palettes) {
    EditorState s;
    s.palettes = palettes;
    const auto pick = [&](std::uint32_t salt, int entries) {
        const std::uint32_t h = (static_cast<std::uint32_t>(index) + salt) * 2654435761u;
        return static_cast<Int16>((h >> 16) % static_cast<std::uint32_t>(entries));
    };
    s.hair_color_num = pick(1, hair_entries);
    s.eye_color_num = pick(2, eye_entries);
    s.accessory_color_num = pick(3, eye_entries);
    s.body_color_num = pick(4, body_entries);
    s.cloth_color_num = pick(5, cloth_entries);
    s.cloth2_color_num = pick(6, cloth23_entries);
    s.cloth3_color_num = pick(7, cloth23_entries);
    s.eye_grey_flg = index % 3 == 0 ? -1 : 0;
    s.back_color = sheet_back;
    return s;
}

Surface coloured_character(int index, const Palettes& palettes) {
    Surface frame = character_on_pose(index, 0);
    recolor_sprite(palette_for(index, palettes), frame);
    return frame;
}

// Lays the cropped pictures in a grid, enlarged, each with its number above it.
Surface grid(const std::vector<std::pair<int, Surface>>& items, Crop crop, int scale, int columns) {
    const int cell_w = crop.w * scale + 4;
    const int cell_h = crop.h * scale + glyph_height + 6;
    const int count = static_cast<int>(items.size());
    const int rows = (count + columns - 1) / columns;
    Surface sheet(cell_w * columns + 4, cell_h * rows + 4, sheet_back);
    sheet.Cls();
    for (int k = 0; k < count; ++k) {
        const int x = 4 + (k % columns) * cell_w;
        const int y = 4 + (k / columns) * cell_h;
        draw_text(sheet, {x, y}, std::to_string(items[k].first), label_ink);
        sheet.PaintPicture(items[k].second, x, y + glyph_height + 2, crop.w * scale, crop.h * scale,
                           crop.x, crop.y, crop.w, crop.h);
    }
    return sheet;
}

Surface silhouette(const Surface& frame) {
    Surface out(frame.width(), frame.height(), RGB(255, 255, 255));
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            out.SetPixel(x, y, frame.GetPixel(x, y) == key_color ? label_ink : outline_black);
        }
    }
    return out;
}

}  // namespace

std::vector<std::pair<std::string, Surface>> preview_sheets() {
    Palettes palettes;
    load_palettes(palettegen::generate_palette_strips(), palettes);

    std::vector<std::pair<int, Surface>> all;
    std::vector<std::pair<int, Surface>> shapes;
    for (int i = 0; i < face_count; ++i) {
        all.emplace_back(i, coloured_character(i, palettes));
        shapes.emplace_back(i, silhouette(character_on_pose(i, 0)));
    }
    std::vector<std::pair<std::string, Surface>> out;
    out.emplace_back("characters_x3.png", grid(all, figure_crop, 3, 20));
    out.emplace_back("silhouettes_x2.png", grid(shapes, figure_crop, 2, 24));

    // One sheet per family, and one for the characters between the runs.
    for (int f = -1; f < static_cast<int>(families::table.size()); ++f) {
        std::vector<std::pair<int, Surface>> members;
        for (const auto& item : all) {
            if (families::family_of(item.first) == f) members.push_back(item);
        }
        const std::string name = f < 0 ? "others" : std::to_string(f);
        out.emplace_back("family_" + name + "_x6.png", grid(members, head_crop, 6, 12));
    }
    return out;
}

}  // namespace kelvara::sheetgen
