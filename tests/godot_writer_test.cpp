// The Godot SpriteFrames resource and scene against texts written by hand from Godot's file
// format, and the sets that cannot be written.
#include <gtest/gtest.h>

#include <functional>

#include "formats/godot_writer.h"
#include "model/version.h"

namespace kelvara::formats {
namespace {

using catalogue::Direction;

GodotSpriteSet small_set() {
    return {.texture_path = "hero.png",
            .sprite_frames_path = "hero.tres",
            .texture_width = 189,
            .texture_height = 63,
            .cells = {{0, 0, 63, 63}, {63, 0, 63, 63}, {126, 0, 63, 63}},
            .animations = {{"stand", {1, 0}, Direction::forward, 400, true},
                           {"dizzy", {0, 1, 2}, Direction::pingpong, 120, false}},
            .pivot_x = 31,
            .pivot_y = 60,
            .default_animation = "stand",
            .node_name = "hero.v2",
            .parameters = "名前=\"ｹﾝ\"\nfolder=C:\\art"};
}

// clang-format off
const std::string metadata = std::string(R"(metadata/kelvara_parameters = "名前=\"ｹﾝ\"\nfolder=C:\\art"
metadata/license = "CC0-1.0"
metadata/software = "Kelvara )") + version_text + "\"\n";
// clang-format on

// An AtlasTexture and a frame as Godot's text format lays them out.
std::string cell(int k, const std::string& rect) {
    return "\n[sub_resource type=\"AtlasTexture\" id=\"cell_" + std::to_string(k) +
           "\"]\natlas = ExtResource(\"1_atlas\")\nregion = Rect2(" + rect +
           ")\nfilter_clip = true\n";
}
std::string frame(int k) {
    return "{\n\"duration\": 1.0,\n\"texture\": SubResource(\"cell_" + std::to_string(k) + "\")\n}";
}

// Every region lies inside the 189 x 63 atlas; one with x and y swapped would fall outside.
TEST(GodotWriter, SmallSetAsWrittenByHand) {
    // clang-format off
    EXPECT_EQ(godot_sprite_frames(small_set()), R"([gd_resource type="SpriteFrames" format=3]

[ext_resource type="Texture2D" path="hero.png" id="1_atlas"]
)" + cell(0, "0, 0, 63, 63") + cell(1, "63, 0, 63, 63") + cell(2, "126, 0, 63, 63") + R"(
[resource]
animations = [{
"frames": [)" + frame(1) + ", " + frame(0) + R"(],
"loop": true,
"name": &"stand",
"speed": 2.5
}, {
"frames": [)" + frame(0) + ", " + frame(1) + ", " + frame(2) + ", " + frame(1) + R"(],
"loop": false,
"name": &"dizzy",
"speed": 8.333333333333334
}]
)" + metadata);
    // clang-format on

    EXPECT_EQ(godot_scene(small_set()), R"([gd_scene format=3]

[ext_resource type="SpriteFrames" path="hero.tres" id="1_frames"]

[node name="hero_v2" type="AnimatedSprite2D"]
texture_filter = 1
sprite_frames = ExtResource("1_frames")
animation = &"stand"
autoplay = "stand"
centered = false
offset = Vector2(-31, -60)
)" + metadata);
}

TEST(GodotWriter, RefusesWhatGodotCouldNotLoad) {
    const std::vector<std::function<void(GodotSpriteSet&)>> breaks = {
        [](auto& s) { s.texture_path = "res://hero.png"; },
        [](auto& s) { s.sprite_frames_path = "/home/me/hero.tres"; },
        [](auto& s) { s.cells[2].x = 127; },
        [](auto& s) { s.animations[1].cells.push_back(3); },
        [](auto& s) { s.animations[1].name = "stand"; },
        [](auto& s) { s.default_animation = "walk"; },
    };
    EXPECT_EQ(godot_problem(small_set()), "");
    for (std::size_t k = 0; k < breaks.size(); ++k) {
        GodotSpriteSet s = small_set();
        breaks[k](s);
        EXPECT_NE(godot_problem(s), "") << k;
        EXPECT_THROW(godot_scene(s), std::invalid_argument) << k;
    }
}

}  // namespace
}  // namespace kelvara::formats
