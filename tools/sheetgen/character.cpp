#include "tools/sheetgen/character.h"

#include "compositor/character_draw.h"
#include "compositor/head.h"
#include "compositor/workspace.h"
#include "tools/sheetgen/pose_art.h"
#include "tools/sheetgen/sheetgen.h"

namespace kelvara::sheetgen {

Surface character_head(int index) {
    Workspace w;
    w.face_pic.PaintPicture(draw_face_cell(index), 0, 0, 19, 19, 0, 0, 19, 19);
    w.hair_pic.PaintPicture(draw_hair_cell(index), 0, 0, 19, 19, 0, 0, 19, 19);
    compose_head(w, index);
    Surface head(19, 19, key_color);
    head.PaintPicture(w.pre_face_pic, 0, 0, 19, 19, 0, 0, 19, 19);
    return head;
}

Surface character_on_pose(int index, int pose) {
    Surface frame = draw_pose_cell(pose);
    const Surface head = character_head(index);
    const bool front = pose_has_head_in_front(pose);
    lay_head(head, front, frame);
    return frame;
}

}  // namespace kelvara::sheetgen
