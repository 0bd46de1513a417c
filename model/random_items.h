#pragma once

#include <array>
#include <string_view>

#include "model/editor_state.h"

namespace kelvara {

// The selections random generation may set, in the order their values are drawn.
enum class RandomItem {
    face,
    hair,
    hair_color,
    eye_color,
    pose,
    cloth_color,
    body_color,
    pants_color,
    line_color,
    accessory_color,
};

// One random item: the selection it sets, the flag that enables it, its name on the command line
// and its check box's caption in the random settings (UTF-8).
struct RandomItemInfo {
    RandomItem item;
    Int16 EditorState::*value;
    Int16 EditorState::*flag;
    std::string_view name;
    std::string_view label;
};

// Indexed by RandomItem, so in drawing order.
inline constexpr std::array<RandomItemInfo, 10> random_items = {{
    {RandomItem::face, &EditorState::face_num, &EditorState::rnd_face_flg, "face", "顔"},
    {RandomItem::hair, &EditorState::hair_num, &EditorState::rnd_hair_flg, "hair", "カミ"},
    {RandomItem::hair_color, &EditorState::hair_color_num, &EditorState::rnd_hair_color_flg,
     "hair_color", "カミの色"},
    {RandomItem::eye_color, &EditorState::eye_color_num, &EditorState::rnd_eye_color_flg,
     "eye_color", "目の色"},
    {RandomItem::pose, &EditorState::cloth_num, &EditorState::rnd_cloth_flg, "pose", "ポーズ"},
    {RandomItem::cloth_color, &EditorState::cloth_color_num, &EditorState::rnd_cloth_color_flg,
     "cloth_color", "服の色 1"},
    {RandomItem::body_color, &EditorState::body_color_num, &EditorState::rnd_body_color_flg,
     "body_color", "肌の色"},
    {RandomItem::pants_color, &EditorState::cloth2_color_num, &EditorState::rnd_cloth2_color_flg,
     "pants_color", "服の色 2"},
    {RandomItem::line_color, &EditorState::cloth3_color_num, &EditorState::rnd_cloth3_color_flg,
     "line_color", "服の色 3"},
    {RandomItem::accessory_color, &EditorState::accessory_color_num,
     &EditorState::rnd_accessory_color_flg, "accessory_color", "アクセサリーの色"},
}};

constexpr const RandomItemInfo& random_item(RandomItem item) {
    return random_items[static_cast<std::size_t>(item)];
}

// The last value random generation may give an item: the selector's maximum (face and hair follow
// the window's face_max and hair_max; the pose follows the sprite type).
constexpr Int16 last_random_value(RandomItem item, const EditorState& s, Int16 face_max,
                                  Int16 hair_max) {
    switch (item) {
        case RandomItem::face:
            return face_max;
        case RandomItem::hair:
            return hair_max;
        case RandomItem::hair_color:
            return last_hair_color;
        case RandomItem::eye_color:
        case RandomItem::accessory_color:
            return last_eye_color;
        case RandomItem::pose:
            return last_pose_of_type(s.type_flg);
        case RandomItem::cloth_color:
            return last_cloth_color;
        case RandomItem::body_color:
            return last_body_color;
        case RandomItem::pants_color:
        case RandomItem::line_color:
            break;
    }
    return last_cloth23_color;
}

}  // namespace kelvara
