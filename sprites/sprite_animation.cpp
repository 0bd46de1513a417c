#include "sprite_animation.h"

#include <algorithm>

#include "grid.h"
#include "sprite_png.h"

namespace kelvara::sprites {

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

formats::Encoded animation_gif(const std::vector<AnimationFrame>& frames, const SpriteStyle& style,
                               const formats::EmbeddedText& text) {
    std::vector<formats::GifFrame> views;
    views.reserve(frames.size());
    for (const AnimationFrame& f : frames) views.push_back({f.picture.view(), f.delay_ms});
    return animation_gif(views, style, text);
}

formats::Encoded animation_gif(const std::vector<formats::GifFrame>& frames,
                               const SpriteStyle& style, const formats::EmbeddedText& text) {
    return formats::encode_gif_animation(
        frames, style.transparent ? std::optional<Colour>(key_color) : std::nullopt,
        formats::gif_comment(text));
}

Surface animation_strip(const std::vector<AnimationFrame>& frames) {
    std::vector<PixelView> views;
    views.reserve(frames.size());
    for (const AnimationFrame& f : frames) views.push_back(f.picture.view());
    return animation_strip(views);
}

Surface animation_strip(const std::vector<PixelView>& frames) {
    if (frames.empty()) return Surface(0, 0, key_color);
    const auto count = static_cast<int>(frames.size());
    const Grid grid = grid_of(count, count, frames.front().width, frames.front().height);
    Surface strip(static_cast<int>(grid.width()), static_cast<int>(grid.height()), key_color);
    for (int k = 0; k < count; ++k) {
        const PixelView& frame = frames[static_cast<std::size_t>(k)];
        const QRect cell = grid.cell(k);
        for (int y = 0; y < cell.height(); ++y) {
            std::copy_n(frame.row(y), cell.width(), strip.row(cell.y() + y) + cell.x());
        }
    }
    return strip;
}

formats::Encoded animation_file(const CharacterOutput& output, const AnimationRequest& request) {
    const auto frames = draw_animation(output, request.selection, request.animation, request.style);
    return request.strip
               ? sprite_png(animation_strip(frames), request.style.transparent, request.text)
               : animation_gif(frames, request.style, request.text);
}

FileStatus write_animation(const CharacterOutput& output, const AnimationRequest& request,
                           const QString& path) {
    return write_encoded(path, animation_file(output, request));
}

}  // namespace kelvara::sprites
