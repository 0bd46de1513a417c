#include "compositor/sheets.h"

namespace kelvara {

void cut_head_cell(const Surface& sheet, int i, Surface& destination) {
    const Point at = cell_origin(head_sheet_geometry, i);
    destination.PaintPicture(sheet, 0, 0, 19, 19, at.x, at.y, 19, 19);
}

void cut_pose_cell(const Surface& sheet, int i, Surface& destination) {
    // Pose and damage sheets share their cell layout, so one rule serves both.
    const Point at = cell_origin(cloth_sheet_geometry, i);
    destination.PaintPicture(sheet, 0, 0, 68, 68, at.x, at.y, 68, 68);
}

}  // namespace kelvara
