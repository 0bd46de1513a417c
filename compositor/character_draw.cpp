#include "compositor/character_draw.h"

#include "compositor/recolor.h"

namespace kelvara {

Point view_origin(int size_num) {
    switch (size_num) {
        case 1:
            return {102, 100};
        case 2:
            return {67, 67};
        case 3:
            return {30, 30};
        case 5:
            return {-40, -40};
        case 6:
            return {-70, -70};
        default:
            return {0, 0};
    }
}

void lay_head(const Surface& head, bool face_front, Surface& sprite) {
    if (face_front) {
        // The head covers the body wherever the head is drawn.
        for (int i = 0; i < 19; ++i) {
            for (int j = 0; j < head_rows_front; ++j) {
                const Colour c = head.GetPixel(i, j);
                if (c != key_color) sprite.SetPixel(i + head_offset.x, j + head_offset.y, c);
            }
        }
        return;
    }
    // The body covers the head: the head shows only where the body is transparent.
    for (int i = 0; i < 19; ++i) {
        for (int j = 0; j < head_rows_behind; ++j) {
            if (sprite.GetPixel(i + head_offset.x, j + head_offset.y) == key_color) {
                sprite.SetPixel(i + head_offset.x, j + head_offset.y, head.GetPixel(i, j));
            }
        }
    }
}

void Character_draw(const EditorState& state, bool face_front_flg, Workspace& w) {
    w.pre_pic.Cls();
    w.pre_pic.PaintPicture(w.pre_cloth_pic, 0, 0, sprite_frame, sprite_frame, 0, 0, sprite_frame,
                           sprite_frame);
    // Damage poses are complete figures: no selected head is laid on them.
    if (state.type_flg == 0) lay_head(w.pre_face_pic, face_front_flg, w.pre_pic);
    recolor_sprite(state, w.pre_pic);

    const Point at = view_origin(state.size_num);
    const int size = sprite_frame * state.size_num;
    // The view is cleared and the sprite painted over it; the pixels covered by the sprite's
    // existing columns and rows would be overwritten, so only the rest is cleared.
    const int covered = w.pre_pic.width() * state.size_num;
    w.character_view.setBackColor(state.back_color);
    w.character_view.ClsExcept(at.x, at.y, covered, covered);
    w.character_view.PaintPicture(w.pre_pic, at.x, at.y, size, size, 0, 0, sprite_frame,
                                  sprite_frame);
}

}  // namespace kelvara
