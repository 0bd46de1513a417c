#pragma once

#include <string>
#include <vector>

#include "model/pose_catalogue.h"

// A sprite set as Godot 4 text files: a SpriteFrames resource (.tres) that cuts the atlas into
// one AtlasTexture per cell, and a scene (.tscn) with an AnimatedSprite2D that plays it. Both
// files name what they load by paths relative to themselves, so the folder can be dropped
// anywhere in a project; Godot resolves such a path against the folder of the file that names it.
namespace kelvara::formats {

struct GodotRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct GodotAnimation {
    std::string name;
    // Indices into GodotSpriteSet::cells for one pass, in the animation's order (a ping-pong
    // animation's cells once, not unrolled: SpriteFrames has no ping-pong mode, so the writer
    // unrolls it).
    std::vector<int> cells;
    catalogue::Direction direction = catalogue::Direction::forward;
    int frame_ms = 100;  // how long each frame is shown
    bool loop = true;
};

struct GodotSpriteSet {
    std::string texture_path;        // the atlas PNG, relative to the .tres
    std::string sprite_frames_path;  // the .tres, relative to the .tscn
    int texture_width = 0;
    int texture_height = 0;
    std::vector<GodotRect> cells;
    std::vector<GodotAnimation> animations;
    // The point of a cell that stands on the node's origin, in pixels from the cell's top-left.
    int pivot_x = 0;
    int pivot_y = 0;
    std::string default_animation;  // the one the scene plays when it starts
    std::string node_name;          // the scene's root node
    std::string parameters;         // the character's parameter file, UTF-8
};

// Why the set cannot be written, in words to follow a file name ("cell 3 lies outside the
// atlas"), or empty when it can.
std::string godot_problem(const GodotSpriteSet& set);

// The SpriteFrames resource and the scene. Both throw std::invalid_argument carrying
// godot_problem() when that is not empty.
std::string godot_sprite_frames(const GodotSpriteSet& set);
std::string godot_scene(const GodotSpriteSet& set);

}  // namespace kelvara::formats
