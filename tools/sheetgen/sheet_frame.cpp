#include "tools/sheetgen/sheet_frame.h"

#include <string>

#include "tools/sheetgen/pixel_font.h"

namespace kelvara::sheetgen {

namespace {

void fill_rect(Surface& s, int x0, int y0, int width, int height, Colour c) {
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) s.SetPixel(x, y, c);
    }
}

}  // namespace

Surface blank_head_sheet(std::string_view label) {
    const SheetGeometry& g = head_sheet_geometry;
    Surface sheet(g.width, g.height, key_color);
    fill_rect(sheet, 0, 0, g.width, g.pitch, head_header_colour);
    fill_rect(sheet, 0, 0, g.pitch, g.height, head_header_colour);
    for (int x = 0; x < g.width; x += g.pitch) fill_rect(sheet, x, 0, 1, g.height, grid_colour);
    for (int y = 0; y < g.height; y += g.pitch) fill_rect(sheet, 0, y, g.width, 1, grid_colour);

    const int box = g.cell_size;
    draw_text_centred(sheet, {1, 1}, box, box, label, header_ink);
    for (int c = 0; c < g.columns; ++c) {
        draw_text_centred(sheet, {g.origin_x + g.pitch * c, 1}, box, box, std::to_string(c),
                          header_ink);
    }
    for (int r = 0; r < g.rows; ++r) {
        draw_text_centred(sheet, {1, g.origin_y + g.pitch * r}, box, box, std::to_string(r),
                          header_ink);
    }
    return sheet;
}

Surface blank_pose_sheet(const SheetGeometry& g, std::string_view label) {
    Surface sheet(g.width, g.height, key_color);
    fill_rect(sheet, 0, 0, pose_header_width, g.height, pose_header_colour);
    for (int x = pose_header_width; x < g.width; x += g.pitch) {
        fill_rect(sheet, x, 0, 1, g.height, grid_colour);
    }
    for (int y = 0; y < g.height; y += g.pitch) {
        fill_rect(sheet, pose_header_width, y, g.width - pose_header_width, 1, grid_colour);
    }
    draw_text_centred(sheet, {0, 3}, pose_header_width, glyph_height, label, header_ink);
    return sheet;
}

}  // namespace kelvara::sheetgen
