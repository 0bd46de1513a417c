#pragma once

#include <QPoint>

#include "character_output.h"

namespace kelvara::sprites {

// The point of a cell that a game puts on the sprite's position: the ground under the middle of
// the fighting stance. Every pose and damage figure is drawn on the same ground line, so one
// point serves every frame of a character, and it is found in the art rather than typed in.
//
// The rule, on the stance drawn on a ground colour: the lowest row holding any other colour is
// where the soles rest, so the ground is the line just below it; the point under the stance's
// middle is halfway between the outermost pixels of that row, the outer edges of the two feet.
// Only the feet count, not the outline: a fist or the hair, which differ between characters,
// would move it, while the feet are the same for everyone, so every character shares the point.
// A picture with nothing on the ground gives the middle of its bottom edge.
QPoint ground_point(const Surface& stance, Colour ground);

// The ground point of the character's fighting stance at the scale, in the cell's pixels from its
// top-left corner.
QPoint stance_pivot(const CharacterOutput& output, const EditorState& selection, int scale);

}  // namespace kelvara::sprites
