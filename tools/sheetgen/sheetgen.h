#pragma once

#include "compositor/sheets.h"

namespace kelvara::sheetgen {

// The four sprite sheets the program carries, drawn from this generator's tables. The output
// depends on nothing but the code: the same build always draws the same pixels.
Surface generate_face_set();
Surface generate_hair_set();
Surface generate_cloth_set();
Surface generate_damage_set();
Sheets generate_sheets();

// One cell's drawing as it appears in its sheet: 19 x 19 for faces and hairs, the 67 x 67 frame
// for poses and damage figures. Cells past the last index are what the sheet holds there (key
// colour, or a dash in the damage sheet).
Surface draw_face_cell(int index);
Surface draw_hair_cell(int index);
Surface draw_pose_cell(int index);
Surface draw_damage_cell(int index);

}  // namespace kelvara::sheetgen
