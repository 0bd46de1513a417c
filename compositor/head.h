#pragma once

#include "compositor/workspace.h"
#include "model/pose_ranges.h"

namespace kelvara {

// Lays the hair in hair_pic over the face in face_pic and leaves the head in pre_face_pic: for each
// of its 19 x 19 pixels the hair pixel where the hair is drawn, else the face pixel. hair_index is
// the hair selector's value, which decides whether marker pixels are punched out.
void compose_head(Workspace& w, int hair_index);

}  // namespace kelvara
