#pragma once

#include <QString>
#include <vector>

#include "export/file_error.h"
#include "formats/embedded_text.h"
#include "formats/encoded.h"
#include "formats/gif_writer.h"
#include "sprite_frames.h"

namespace kelvara::sprites {

// One animation of the catalogue played by a character, as a looping GIF or as a strip of its
// frames side by side in one PNG.
struct AnimationRequest {
    EditorState selection;
    catalogue::Animation animation{};
    SpriteStyle style;
    bool strip = false;
    formats::EmbeddedText text;  // carried by the GIF or the strip
};

// A drawn frame of an animation and how long it shows.
struct AnimationFrame {
    Surface picture;
    int delay_ms;
};

// One loop of the animation, frame by frame, each shown for the catalogue's frame length.
std::vector<AnimationFrame> draw_animation(const CharacterOutput& output,
                                           const EditorState& selection,
                                           const catalogue::Animation& animation,
                                           const SpriteStyle& style);

// A looping GIF of the frames, the ground see-through when the style asks for it, with the text
// given in its comment.
formats::Encoded animation_gif(const std::vector<AnimationFrame>& frames, const SpriteStyle& style,
                               const formats::EmbeddedText& text = {});
formats::Encoded animation_gif(const std::vector<formats::GifFrame>& frames,
                               const SpriteStyle& style, const formats::EmbeddedText& text = {});

// The frames side by side, left to right; all of one size.
Surface animation_strip(const std::vector<AnimationFrame>& frames);
Surface animation_strip(const std::vector<PixelView>& frames);

// The request's file: the GIF, or the strip as a PNG.
formats::Encoded animation_file(const CharacterOutput& output, const AnimationRequest& request);
FileStatus write_animation(const CharacterOutput& output, const AnimationRequest& request,
                           const QString& path);

}  // namespace kelvara::sprites
