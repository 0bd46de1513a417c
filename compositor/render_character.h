#pragma once

#include "compositor/sheets.h"
#include "compositor/workspace.h"
#include "editor/editor_state.h"

namespace kelvara {

// Whether pose `pose` of the pose sheet lays the head in front of the body.
bool pose_draws_head_in_front(int pose);

// Builds the character of a complete selection from scratch, without any window: cuts the face,
// hair and pose cells, composes the head and draws. Leaves the same pre_pic and view as the main
// window shows for that selection. The selection's indices must lie in their ranges.
void render_character(const Sheets& sheets, const EditorState& state, Workspace& w);

}  // namespace kelvara
