#include "tools/sheetgen/preview_grid.h"

#include <string>

#include "compositor/recolor.h"
#include "compositor/sheet_colours.h"
#include "tools/sheetgen/pixel_font.h"

namespace kelvara::sheetgen {

namespace {

constexpr Colour label_ink = RGB(255, 255, 255);

}  // namespace

EditorState palette_for(int seed, const Palettes& palettes) {
    EditorState s;
    s.palettes = palettes;
    const auto pick = [&](std::uint32_t salt, int entries) {
        const std::uint32_t h = (static_cast<std::uint32_t>(seed) + salt) * 2654435761u;
        return static_cast<Int16>((h >> 16) % static_cast<std::uint32_t>(entries));
    };
    s.hair_color_num = pick(1, hair_entries);
    s.eye_color_num = pick(2, eye_entries);
    s.accessory_color_num = pick(3, eye_entries);
    s.body_color_num = pick(4, body_entries);
    s.cloth_color_num = pick(5, cloth_entries);
    s.cloth2_color_num = pick(6, cloth23_entries);
    s.cloth3_color_num = pick(7, cloth23_entries);
    s.eye_grey_flg = seed % 3 == 0 ? -1 : 0;
    s.back_color = preview_back;
    return s;
}

Surface recoloured(Surface frame, int seed, const Palettes& palettes) {
    recolor_sprite(palette_for(seed, palettes), frame);
    return frame;
}

Surface silhouette(const Surface& frame) {
    Surface out(frame.width(), frame.height(), label_ink);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            out.SetPixel(x, y, frame.GetPixel(x, y) == key_color ? label_ink : outline_black);
        }
    }
    return out;
}

Surface grid(const std::vector<std::pair<int, Surface>>& items, Crop crop, int scale, int columns) {
    const int cell_w = crop.w * scale + 4;
    const int cell_h = crop.h * scale + glyph_height + 6;
    const int count = static_cast<int>(items.size());
    const int rows = (count + columns - 1) / columns;
    Surface sheet(cell_w * std::min(columns, count) + 4, cell_h * rows + 4, preview_back);
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

}  // namespace kelvara::sheetgen
