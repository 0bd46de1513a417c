#pragma once

#include <QImage>
#include <QRect>

#include "model/colour.h"
#include "sprites/sprite_frames.h"

class QPainter;

namespace kelvara::sprites {

// How the preview shows the character: enlarged by whole pixels, on the main window's background
// or on a checkerboard where the picture will be see-through.
struct PreviewLook {
    int scale = start_up_size;
    bool checkerboard = true;
    Colour background = default_back_color;
};

// The checkerboard's squares, in screen pixels, and their two greys.
constexpr int checker_square = 8;
constexpr Colour checker_light = RGB(255, 255, 255);
constexpr Colour checker_dark = RGB(204, 204, 204);

// One frame of the character at 1:1, see-through where the background shows: the picture an
// engine gets, which the preview then lays on its ground.
QImage preview_sprite(const CharacterOutput& output, const EditorState& selection,
                      const SpriteFrame& frame, Workspace& workspace);

// The area filled with the ground, and the sprite enlarged in its middle.
void paint_preview(QPainter& painter, const QRect& area, const QImage& sprite,
                   const PreviewLook& look);

}  // namespace kelvara::sprites
