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
    const int rows = front ? head_rows_front : head_rows_behind;
    for (int i = 0; i < 19; ++i) {
        for (int j = 0; j < rows; ++j) {
            const Colour c = head.GetPixel(i, j);
            const int x = head_offset.x + i;
            const int y = head_offset.y + j;
            // In front the head covers the body; behind it shows only where the body is empty.
            if (front ? c != key_color : frame.GetPixel(x, y) == key_color) frame.SetPixel(x, y, c);
        }
    }
    return frame;
}

}  // namespace kelvara::sheetgen
