#pragma once

#include "compositor/sheets.h"
#include "compositor/workspace.h"
#include "model/editor_state.h"
#include "model/pose_ranges.h"

namespace kelvara {

// Builds the character of a complete selection from scratch, without any window: cuts the face,
// hair and pose cells, composes the head and draws. Leaves the same pre_pic and view as the main
// window shows for that selection. The selection's indices must lie in their ranges.
void render_character(const Sheets& sheets, const EditorState& state, Workspace& w);

}  // namespace kelvara
