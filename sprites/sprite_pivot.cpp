#include "sprite_pivot.h"

#include "compositor/sheet_colours.h"
#include "sprite_frames.h"

namespace kelvara::sprites {

QPoint ground_point(const Surface& stance, Colour ground) {
    for (int y = stance.height() - 1; y >= 0; --y) {
        int left = -1;
        int right = -1;
        for (int x = 0; x < stance.width(); ++x) {
            if (stance.GetPixel(x, y) == ground) continue;
            if (left < 0) left = x;
            right = x;
        }
        if (left >= 0) return {(left + right + 1) / 2, y + 1};
    }
    return {stance.width() / 2, stance.height()};
}

QPoint stance_pivot(const CharacterOutput& output, const EditorState& selection, int scale) {
    // Drawn on the key colour, which no part of a character uses, and at scale 1 so that every
    // scale's point is the same point enlarged.
    Workspace workspace;
    const SpriteStyle keyed{key_color, true, 1};
    const Surface stance =
        draw_sprite(output, selection, {catalogue::Sheet::poses, 0}, keyed, workspace);
    return ground_point(stance, key_color) * scale;
}

}  // namespace kelvara::sprites
