#include "tools/sheetgen/sheetgen.h"

#include "tools/sheetgen/cast.h"
#include "tools/sheetgen/damage_table.h"
#include "tools/sheetgen/face_art.h"
#include "tools/sheetgen/hair_art.h"
#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/pose_art.h"
#include "tools/sheetgen/sheet_frame.h"

namespace kelvara::sheetgen {

namespace {

template <typename DrawCell>
void fill_cells(Surface& sheet, const SheetGeometry& g, DrawCell draw_cell) {
    for (int i = 0; i < g.columns * g.rows; ++i) {
        const Surface cell = draw_cell(i);
        const Point at = cell_origin(g, i);
        sheet.PaintPicture(cell, at.x, at.y, g.cell_size, g.cell_size, 0, 0, g.cell_size,
                           g.cell_size);
    }
}

}  // namespace

Surface draw_face_cell(int index) {
    if (index < 0 || index >= face_count) return Surface(head_size, head_size, key_color);
    return draw_face(face_look(index));
}

Surface draw_hair_cell(int index) {
    if (index < 0 || index >= face_count) return Surface(head_size, head_size, key_color);
    return draw_hair_for(hair_look(index), hair_holes(index), draw_face_cell(index));
}

Surface draw_pose_cell(int index) {
    if (index < 0 || index >= pose_count) return Surface(sprite_frame, sprite_frame, key_color);
    return draw_pose(pose_spec(index));
}

Surface draw_damage_cell(int index) {
    if (index >= damage_pose_count && index < damage_cells) return draw_unused_damage_cell();
    if (index < 0 || index >= damage_pose_count) {
        return Surface(sprite_frame, sprite_frame, key_color);
    }
    return draw_damage(damage_figure(index));
}

Surface generate_face_set() {
    Surface sheet = blank_head_sheet("F");
    fill_cells(sheet, head_sheet_geometry, draw_face_cell);
    return sheet;
}

Surface generate_hair_set() {
    Surface sheet = blank_head_sheet("H");
    fill_cells(sheet, head_sheet_geometry, draw_hair_cell);
    return sheet;
}

Surface generate_cloth_set() {
    Surface sheet = blank_pose_sheet(cloth_sheet_geometry, "POSE");
    fill_cells(sheet, cloth_sheet_geometry, draw_pose_cell);
    return sheet;
}

Surface generate_damage_set() {
    Surface sheet = blank_pose_sheet(damage_sheet_geometry, "DMG");
    fill_cells(sheet, damage_sheet_geometry, draw_damage_cell);
    return sheet;
}

Sheets generate_sheets() {
    return Sheets{generate_face_set(), generate_hair_set(), generate_cloth_set(),
                  generate_damage_set()};
}

}  // namespace kelvara::sheetgen
