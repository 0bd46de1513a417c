#pragma once

#include <QByteArray>
#include <vector>

#include "gif/gif_writer.h"
#include "sprite_frames.h"

namespace kelvara::cli {

// One loop of the animation, frame by frame, each shown for the catalogue's frame length.
std::vector<gif::GifFrame> draw_animation(const CharacterOutput& output,
                                          const EditorState& selection,
                                          const catalogue::Animation& animation,
                                          const SpriteStyle& style);

// A looping GIF of the frames, the ground see-through when the style asks for it. Empty when the
// frames cannot be encoded.
QByteArray animation_gif(const std::vector<gif::GifFrame>& frames, const SpriteStyle& style);

// The frames side by side, left to right.
Surface animation_strip(const std::vector<gif::GifFrame>& frames);

}  // namespace kelvara::cli
