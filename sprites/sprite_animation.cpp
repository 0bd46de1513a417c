#include "sprite_animation.h"

namespace kelvara::cli {

std::vector<gif::GifFrame> draw_animation(const CharacterOutput& output,
                                          const EditorState& selection,
                                          const catalogue::Animation& animation,
                                          const SpriteStyle& style) {
    std::vector<gif::GifFrame> frames;
    Workspace workspace;
    for (const SpriteFrame& f : animation_frames(animation)) {
        frames.push_back({draw_sprite(output, selection, f, style, workspace), animation.frame_ms});
    }
    return frames;
}

QByteArray animation_gif(const std::vector<gif::GifFrame>& frames, const SpriteStyle& style) {
    const std::vector<std::uint8_t> bytes = gif::encode_animation(
        frames, style.transparent ? std::optional<Colour>(key_color) : std::nullopt);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

Surface animation_strip(const std::vector<gif::GifFrame>& frames) {
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
