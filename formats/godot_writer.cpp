#include "formats/godot_writer.h"

#include <charconv>
#include <set>
#include <stdexcept>
#include <string_view>

#include "model/version.h"

namespace kelvara::formats {
namespace {

// A string in Godot's text syntax. Control characters are escaped so that every property stays
// on one line; other UTF-8 passes through as it is, which the loader decodes.
std::string quoted(std::string_view text) {
    constexpr std::string_view hex = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A float as Godot writes one: the shortest text that reads back the same value, and ".0" on a
// whole number so that it stays a float.
std::string real(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string s(text, end);
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return s;
}

// Godot resolves a path that is neither absolute nor holds "://" against the folder of the file
// that names it (ResourceLoaderText::load), which is what lets the files move together.
bool relative(std::string_view path) {
    return !path.empty() && path.front() != '/' && path.find_first_of(":\\") == path.npos;
}

// Characters Godot does not allow in a node name, and would drop on loading the scene.
std::string node_name(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (std::string_view(".:@/\"%").find(c) != std::string_view::npos) c = '_';
    }
    return out;
}

std::string cell_id(int cell) {
    return "cell_" + std::to_string(cell);
}

// SpriteFrames plays frames in one direction only, so a ping-pong pass is written out in full:
// forward, then back without repeating either end.
std::vector<int> played_cells(const GodotAnimation& a) {
    std::vector<int> out = a.cells;
    if (a.direction == catalogue::Direction::pingpong) {
        for (int k = static_cast<int>(a.cells.size()) - 2; k >= 1; --k) {
            out.push_back(a.cells[static_cast<std::size_t>(k)]);
        }
    }
    return out;
}

// Metadata, unlike a comment, survives the editor saving the resource or the scene again.
std::string metadata(const GodotSpriteSet& set) {
    return "metadata/kelvara_parameters = " + quoted(set.parameters) +
           "\nmetadata/license = \"CC0-1.0\"\nmetadata/software = " +
           quoted(std::string("Kelvara ") + version_text) + "\n";
}

void require_writable(const GodotSpriteSet& set) {
    const std::string problem = godot_problem(set);
    if (!problem.empty()) throw std::invalid_argument(problem);
}

}  // namespace

std::string godot_problem(const GodotSpriteSet& set) {
    if (!relative(set.texture_path) || !relative(set.sprite_frames_path)) {
        return "the Godot files can only name the atlas and the sprite frames by relative paths";
    }
    if (set.cells.empty()) return "there are no cells";
    for (std::size_t k = 0; k < set.cells.size(); ++k) {
        const GodotRect& r = set.cells[k];
        if (r.width <= 0 || r.height <= 0 || r.x < 0 || r.y < 0 ||
            r.x > set.texture_width - r.width || r.y > set.texture_height - r.height) {
            return "cell " + std::to_string(k) + " lies outside the atlas";
        }
        if (set.pivot_x < 0 || set.pivot_x > r.width || set.pivot_y < 0 || set.pivot_y > r.height) {
            return "the pivot lies outside cell " + std::to_string(k);
        }
    }
    std::set<std::string, std::less<>> names;
    for (const GodotAnimation& a : set.animations) {
        if (a.name.empty() || !names.insert(a.name).second) {
            return "the animation name \"" + a.name + "\" is empty or given twice";
        }
        if (a.cells.empty() || a.frame_ms <= 0) {
            return "the animation " + a.name + " has no frames or no frame time";
        }
        for (const int c : a.cells) {
            if (c < 0 || c >= static_cast<int>(set.cells.size())) {
                return "the animation " + a.name + " shows a cell that is not in the atlas";
            }
        }
    }
    if (!names.contains(set.default_animation)) {
        return "the animation to start with, \"" + set.default_animation + "\", is not in the set";
    }
    if (set.node_name.empty()) return "the scene's node has no name";
    return {};
}

std::string godot_sprite_frames(const GodotSpriteSet& set) {
    require_writable(set);
    std::string out = "[gd_resource type=\"SpriteFrames\" format=3]\n\n";
    out +=
        "[ext_resource type=\"Texture2D\" path=" + quoted(set.texture_path) + " id=\"1_atlas\"]\n";
    for (std::size_t k = 0; k < set.cells.size(); ++k) {
        const GodotRect& r = set.cells[k];
        out +=
            "\n[sub_resource type=\"AtlasTexture\" id=\"" + cell_id(static_cast<int>(k)) + "\"]\n";
        out += "atlas = ExtResource(\"1_atlas\")\n";
        out += "region = Rect2(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " +
               std::to_string(r.width) + ", " + std::to_string(r.height) + ")\n";
        out += "filter_clip = true\n";
    }
    // Laid out as Godot saves it, dictionary keys in order, so that saving again changes little.
    // Every frame shows for the animation's frame time: a duration of 1 at `speed` frames a second.
    out += "\n[resource]\nanimations = [";
    for (std::size_t i = 0; i < set.animations.size(); ++i) {
        const GodotAnimation& a = set.animations[i];
        out += i == 0 ? "{\n" : ", {\n";
        out += "\"frames\": [";
        const std::vector<int> cells = played_cells(a);
        for (std::size_t j = 0; j < cells.size(); ++j) {
            out += j == 0 ? "{\n" : ", {\n";
            out += "\"duration\": 1.0,\n";
            out += "\"texture\": SubResource(\"" + cell_id(cells[j]) + "\")\n}";
        }
        out += "],\n";
        out += std::string("\"loop\": ") + (a.loop ? "true" : "false") + ",\n";
        out += "\"name\": &" + quoted(a.name) + ",\n";
        out += "\"speed\": " + real(1000.0 / a.frame_ms) + "\n}";
    }
    return out + "]\n" + metadata(set);
}

std::string godot_scene(const GodotSpriteSet& set) {
    require_writable(set);
    std::string out = "[gd_scene format=3]\n\n";
    out += "[ext_resource type=\"SpriteFrames\" path=" + quoted(set.sprite_frames_path) +
           " id=\"1_frames\"]\n\n";
    out += "[node name=" + quoted(node_name(set.node_name)) + " type=\"AnimatedSprite2D\"]\n";
    out += "texture_filter = 1\n";  // nearest
    out += "sprite_frames = ExtResource(\"1_frames\")\n";
    out += "animation = &" + quoted(set.default_animation) + "\n";
    out += "autoplay = " + quoted(set.default_animation) + "\n";
    // Drawn from its top-left corner and moved back by the pivot, a cell lands on whole pixels;
    // centred, a cell of odd size would sit half a pixel off.
    out += "centered = false\n";
    out += "offset = Vector2(" + std::to_string(-set.pivot_x) + ", " +
           std::to_string(-set.pivot_y) + ")\n";
    return out + metadata(set);
}

}  // namespace kelvara::formats
