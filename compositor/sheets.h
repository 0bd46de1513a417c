#pragma once

#include "compositor/surface.h"
#include "model/selection_ranges.h"

namespace kelvara {

// Geometry of the four sprite sheets. In every sheet index i lies in column i / 10 and row i % 10,
// cells are separated by one-pixel black grid lines, and the space around each drawing is the key
// colour.
enum class SheetKind { face, hair, cloth, damage };

struct SheetGeometry {
    int width;
    int height;
    int columns;
    int rows;
    int cell_size;  // drawable pixels of a cell, without grid lines
    int pitch;      // distance between the top-left corners of neighbouring cells
    int origin_x;   // top-left of cell (0, 0)
    int origin_y;
    int cell_count;  // indices in use: 0 .. cell_count - 1
};

constexpr SheetGeometry head_sheet_geometry{1461, 221, 72, 10, 19, 20, 21, 21, face_count};
constexpr SheetGeometry cloth_sheet_geometry{972, 681, 14, 10, 67, 68, 20, 1, pose_count};
constexpr SheetGeometry damage_sheet_geometry{428, 681, 6, 10, 67, 68, 20, 1, damage_pose_count};

constexpr const SheetGeometry& geometry_of(SheetKind kind) {
    switch (kind) {
        case SheetKind::face:
        case SheetKind::hair:
            return head_sheet_geometry;
        case SheetKind::cloth:
            return cloth_sheet_geometry;
        case SheetKind::damage:
            break;
    }
    return damage_sheet_geometry;
}

struct Point {
    int x;
    int y;
    bool operator==(const Point&) const = default;
};

// Top-left pixel of the cell that holds index i.
constexpr Point cell_origin(const SheetGeometry& g, int i) {
    return {g.origin_x + g.pitch * (i / 10), g.origin_y + g.pitch * (i % 10)};
}

constexpr int sprite_frame = 67;  // the sprite's frame is 67 x 67 pixels

// The four sheets the program carries, decoded into surfaces.
struct Sheets {
    Surface face_set;
    Surface hair_set;
    Surface cloth_set;
    Surface damage_set;
};

// Copies the 19 x 19 face or hair cell of index i into the top-left of a head surface.
void cut_head_cell(const Surface& sheet, int i, Surface& destination);

// Copies pose cell i (a 68 x 68 square from the cell's top-left, so the grid line to its right and
// below comes along) into the pose surface, which keeps what fits of it.
void cut_pose_cell(const Surface& sheet, int i, Surface& destination);

}  // namespace kelvara
