#pragma once

#include <string>

#include "formats/encoded.h"
#include "formats/godot_writer.h"
#include "sprite_atlas.h"

namespace kelvara::sprites {

// The set as an Aseprite file: every entry of the frame list a frame with its duration, every
// animation a tag with its direction and repeat count (0, for ever, or 1), and the pivot a slice
// over the whole frame. Indexed colour; with transparent, the key colour's entry is the
// transparent index.
formats::Encoded set_aseprite(const DrawnSet& drawn, bool transparent);

// Where the Godot files find what they load, and what the scene is called.
struct GodotNames {
    std::string texture;        // the atlas PNG, relative to the .tres
    std::string sprite_frames;  // the .tres, relative to the .tscn
    std::string node;           // the scene's root node
    std::string parameters;     // the character's parameter file, UTF-8
};

// The set for Godot's SpriteFrames resource and scene: a region per atlas cell, each animation
// its cells with its frame time and loop, the scene's offset minus the pivot, and the first
// animation (stand, in a set of every frame) playing as the scene starts.
formats::GodotSpriteSet godot_set(const DrawnSet& drawn, const GodotNames& names);

}  // namespace kelvara::sprites
