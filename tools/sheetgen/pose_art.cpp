#include "tools/sheetgen/pose_art.h"

#include "compositor/sheets.h"

namespace kelvara::sheetgen {

bool pose_has_head_in_front(int index) {
    return index >= 0 && index < pose_count && pose_spec(index).head_in_front;
}

Surface draw_pose(const PoseSpec& pose) {
    Canvas canvas(sprite_frame, sprite_frame);
    int skull = 0;
    paint_figure(canvas, pose.body, pose.outfit,
                 pose.head_in_front ? ArmDepth::behind_head : ArmDepth::in_front, pose.prop,
                 [&](Canvas& c) { skull = add_skull(c, head_in_frame); });
    Surface frame = canvas.render();
    drop_button_specks(frame);
    // The face cell supplies the head down to its last row on the body; a head laid in front
    // leaves that row to the body.
    const int first_pose_row = head_in_frame.y + last_face_row + (pose.head_in_front ? 0 : 1);
    for (int y = 0; y < first_pose_row; ++y) {
        for (int x = 0; x < sprite_frame; ++x) {
            if (canvas.part_at(x, y) == skull) frame.SetPixel(x, y, key_color);
        }
    }
    paint_mouth(frame, head_in_frame, pose.mouth);
    return frame;
}

}  // namespace kelvara::sheetgen
