#pragma once

#include "compositor/sheets.h"
#include "compositor/workspace.h"
#include "model/editor_state.h"

namespace kelvara {

// Where the top-left of the enlarged sprite lands in the view for each drawing size. These are
// fixed placements, not a centring: at x4 the sprite fills the view from its corner, at x5 and x6
// it is cut on every side.
Point view_origin(int size_num);

// Head rows laid on the body: in front of it the last row of the head is left to the body.
constexpr int head_rows_front = 12;
constexpr int head_rows_behind = 13;
constexpr Point head_offset{24, 16};

// Lays the 19 x 19 head on the sprite at head_offset: in front, rows 0..11 cover the body wherever
// the head is drawn; behind, rows 0..12 show only where the body is transparent.
void lay_head(const Surface& head, bool face_front, Surface& sprite);

// The one drawing routine: assembles the sprite in pre_pic from the cut pose and the composed
// head, recolours it in the selected colours, and paints it enlarged into the view on the
// background colour. It draws whatever the caller's redraw flag says; callers decide whether to
// draw. compose_head must have run since the last face or hair change.
void Character_draw(const EditorState& state, bool face_front_flg, Workspace& w);

}  // namespace kelvara
