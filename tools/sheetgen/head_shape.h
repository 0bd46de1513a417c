#pragma once

#include "compositor/sheets.h"
#include "tools/sheetgen/canvas.h"

namespace kelvara::sheetgen {

// Every head is drawn on one skull, in head-cell coordinates (a 19 x 19 cell, facing left). A
// body shows the face cell's rows down to last_face_row and draws the rest itself, so faces and
// poses both build the skull here and meet without a seam.
constexpr int head_size = 19;
constexpr Point head_in_frame{24, 16};  // where head pixel (0, 0) lies in a pose frame
constexpr int last_face_row = 12;
constexpr int jaw_left = 3;  // the skull's outline columns on last_face_row
constexpr int jaw_right = 15;

enum class Mouth { closed, open, grit, pain };

// The skull: cranium, cheeks, jaw and chin, one skin part; returns the part's number.
int add_skull(Canvas& canvas, Point head);

// The neck below the jaw, reaching `length` rows below the head cell's row 15. Painted before the
// skull so the jaw line falls over it.
void add_neck(Canvas& canvas, Point head, int length);

// An ear on the back of the head, added to the skull's part: style 0 small, 1 large, 2 pointed.
void add_ear(Canvas& canvas, Point head, int style);
// The ear's hollow, painted once the skull is rendered.
void paint_ear_detail(Surface& target, Point head, int style);

void paint_mouth(Surface& target, Point head, Mouth mouth);

}  // namespace kelvara::sheetgen
