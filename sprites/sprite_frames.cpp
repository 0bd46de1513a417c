#include "sprite_frames.h"

namespace kelvara::sprites {

std::vector<SpriteFrame> atlas_frames(FrameSet set) {
    std::vector<SpriteFrame> frames;
    if (set != FrameSet::damage) {
        for (int i = 0; i < pose_count; ++i) frames.push_back({catalogue::Sheet::poses, i});
    }
    if (set != FrameSet::poses) {
        for (int i = 0; i < damage_pose_count; ++i) frames.push_back({catalogue::Sheet::damage, i});
    }
    return frames;
}

std::vector<SpriteFrame> animation_frames(const catalogue::Animation& animation) {
    std::vector<SpriteFrame> frames;
    for (const int cell : catalogue::played_frames(animation)) {
        frames.push_back({animation.sheet, cell});
    }
    return frames;
}

Surface draw_sprite(const CharacterOutput& output, const EditorState& selection,
                    const SpriteFrame& frame, const SpriteStyle& style, Workspace& workspace) {
    EditorState s = selection;
    s.type_flg = static_cast<Int16>(catalogue::sprite_type_of(frame.sheet));
    s.cloth_num = static_cast<Int16>(frame.index);
    return CharacterOutput::enlarged(output.picture(s, ground_of(style), workspace), style.scale);
}

}  // namespace kelvara::sprites
