#include "sprite_animation.h"

#include "export/encoded_bytes.h"
#include "formats/gif_writer.h"

namespace kelvara::cli {

std::vector<AnimationFrame> draw_animation(const CharacterOutput& output,
                                           const EditorState& selection,
                                           const catalogue::Animation& animation,
                                           const SpriteStyle& style) {
    std::vector<AnimationFrame> frames;
    Workspace workspace;
    for (const SpriteFrame& f : animation_frames(animation)) {
        frames.push_back({draw_sprite(output, selection, f, style, workspace), animation.frame_ms});
    }
    return frames;
}

QByteArray animation_gif(const std::vector<AnimationFrame>& frames, const SpriteStyle& style) {
    std::vector<formats::GifFrame> views;
    for (const AnimationFrame& f : frames) views.push_back({f.picture.view(), f.delay_ms});
    const formats::Encoded gif = formats::encode_gif_animation(
        views, style.transparent ? std::optional<Colour>(key_color) : std::nullopt);
    return gif ? byte_array(gif.value()) : QByteArray();
}

Surface animation_strip(const std::vector<AnimationFrame>& frames) {
    if (frames.empty()) return Surface(0, 0, key_color);
    const int w = frames.front().picture.width();
    const int h = frames.front().picture.height();
    Surface strip(w * static_cast<int>(frames.size()), h, key_color);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        strip.PaintPicture(frames[k].picture, static_cast<int>(k) * w, 0, w, h, 0, 0, w, h);
    }
    return strip;
}

}  // namespace kelvara::cli
