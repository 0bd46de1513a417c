#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/selection_ranges.h"

// The names of every pose and damage figure, and the animations they form: one table that the
// art generator draws from and the renderer writes into sprite atlases and animations.
namespace kelvara::catalogue {

// The two sheets a frame comes from: the poses worn under the selected head (sprite type 0) and
// the complete damage figures (sprite type 1).
enum class Sheet { poses, damage };

constexpr int sprite_type_of(Sheet sheet) {
    return sheet == Sheet::poses ? 0 : 1;
}

// Names are unique across both sheets, so a frame can be found again by its name.
// clang-format off
inline constexpr std::array<std::string_view, pose_count> pose_names = {
    // 0..3 standing
    "fighting stance", "stance, breathing out", "standing at ease", "arms folded",
    // 4..11 walk cycle, far foot first
    "walk 1: far heel down", "walk 2: weight on", "walk 3: passing", "walk 4: far toe off",
    "walk 5: near heel down", "walk 6: weight on", "walk 7: passing", "walk 8: near toe off",
    // 12..17 run cycle
    "run 1: far foot strikes", "run 2: drive", "run 3: near knee through",
    "run 4: near foot strikes", "run 5: drive", "run 6: far knee through",
    // 18..19 footwork
    "step back", "dash",
    // 20..25 jump
    "jump: crouch to spring", "jump: take-off", "jump: tucked", "jump: top, arms spread",
    "jump: dropping", "jump: landing",
    // 26..29 crouching
    "crouch", "crouching guard", "crouching punch", "crouching sweep",
    // 30..33 guard
    "high guard", "low guard", "blocking, pushed back", "forearms crossed",
    // 34..45 punches
    "jab", "straight", "hook", "uppercut", "body blow", "elbow strike", "backfist",
    "twin palm thrust", "hammer raised", "diving punch", "low straight", "long jab",
    // 46..56 kicks
    "front kick", "high kick", "side kick", "knee strike", "low kick", "sweep", "back kick",
    "flying kick", "axe kick", "stamp", "spin heel kick",
    // 57..69 throwing, catching and dodging a ball
    "throw: wind-up", "throw: release", "throw: follow-through", "underhand throw", "jump throw",
    "catch: high", "catch: to the chest", "catch: low", "holding the ball", "bouncing the ball",
    "two-handed pass", "dodge: hop back", "dodge: sidestep",
    // 70..74 carrying, pushing
    "carrying a crate", "ball spun on a finger", "lifting a crate", "pushing", "ball under the arm",
    // 75..77 hands behind the head
    "hands behind the head", "scratching the head", "stretching",
    // 78..84 grabbing and throwing a person
    "grab", "lifting by the collar", "shoulder throw", "tug of war", "grab and knee",
    "collar and cocked fist", "tackle",
    // 85..95 victory and taunts
    "fist raised", "both fists up", "pointing", "hands on hips", "beckoning", "slapping the knee",
    "v sign", "waving", "flexing", "hero landing", "laughing",
    // 96..103 sitting and resting
    "sitting, legs out", "sitting cross-legged", "sitting on a crate", "squatting",
    "one knee down", "hugging the knees", "kneeling upright", "crate, elbows on knees",
    // 104..109 power and fatigue
    "gathering power", "low palm blast", "slide", "arms flung wide", "hands on the knees",
    "holding the stomach",
    // 110..111
    "two-handed overhead throw", "jumping for joy",
    // 112..123 the dodgeball kit
    "kit: ready", "kit: crouching ready", "kit: running", "kit: running, other foot",
    "kit: throw wind-up", "kit: throw release", "kit: jump throw", "kit: catch high",
    "kit: catch to the chest", "kit: dodge", "kit: holding the ball", "kit: victory",
    // 124..127 the track suit
    "track suit: stance", "track suit: running", "track suit: stretching up",
    "track suit: hands on hips",
    // 128..131 street clothes
    "street: at ease", "street: squatting", "street: collar and fist", "street: beckoning",
    // 132..135 the gi
    "gi: stance", "gi: straight", "gi: high kick", "gi: gathering power",
};

inline constexpr std::array<std::string_view, damage_pose_count> damage_names = {
    // 0..5 hit from the front and from behind
    "hit in the face", "hit in the face, reeling", "hit in the stomach", "buckling",
    "hit in the back", "pitched forward",
    // 6..8 knocked back through the air
    "knocked back", "knocked back, on the back", "knocked high, face down",
    // 9..11 falling
    "falling backwards", "falling forwards", "hitting the ground",
    // 12..15 lying
    "down on the back", "out cold on the back", "down on the face", "down on the face, reaching",
    // 16..18 dizzy
    "dazed on one knee", "dizzy, knees buckling", "dizzy, tottering",
    // 19..21 getting up
    "on hands and knees", "up on one knee", "pushing up off the knees",
    // 22..23 burnt and frozen
    "burnt to a crisp", "frozen mid-stride",
    // 24..35 the dodgeball kit
    "kit: hit in the face", "kit: hit in the stomach", "kit: hit in the back", "kit: knocked back",
    "kit: falling backwards", "kit: hitting the ground", "kit: down on the back",
    "kit: down on the face", "kit: dizzy, knees buckling", "kit: on hands and knees",
    "kit: burnt to a crisp", "kit: frozen mid-stride",
    // 36..41 the track suit
    "track suit: hit in the face, reeling", "track suit: pitched forward",
    "track suit: knocked back, on the back", "track suit: out cold on the back",
    "track suit: dizzy, knees buckling", "track suit: up on one knee",
    // 42..47 street clothes
    "street: hit in the face", "street: buckling", "street: knocked high, face down",
    "street: falling forwards", "street: down on the face, reaching", "street: burnt to a crisp",
    // 48..53 the gi
    "gi: hit in the stomach", "gi: hit in the back", "gi: falling backwards",
    "gi: down on the back", "gi: dizzy, tottering", "gi: pushing up off the knees",
};
// clang-format on

constexpr std::string_view frame_name(Sheet sheet, int index) {
    return sheet == Sheet::poses ? pose_names.at(static_cast<std::size_t>(index))
                                 : damage_names.at(static_cast<std::size_t>(index));
}

// forward plays the frames in order; pingpong plays them forward, then back without repeating
// the ends.
enum class Direction { forward, pingpong };

// Whether an animation starts again after its last frame (standing, moving, dazed) or stops and
// holds it (a move, a hit, a fall, getting up), as a game plays it. A GIF loops either way.
enum class Playback { loop, once };

constexpr int max_animation_frames = 8;

struct Animation {
    std::string_view name;
    Sheet sheet;
    int frame_ms;  // how long each frame is shown
    Direction direction;
    int count;
    std::array<int, max_animation_frames> frames;  // the first count entries are the frames
    Playback playback = Playback::loop;

    constexpr bool loops() const { return playback == Playback::loop; }

    constexpr std::span<const int> indices() const {
        return {frames.data(), static_cast<std::size_t>(count)};
    }
};

namespace detail {
constexpr Animation run_of(std::string_view name, Sheet sheet, int first, int count, int ms,
                           Playback p, Direction d = Direction::forward) {
    Animation a{name, sheet, ms, d, count, {}, p};
    for (int k = 0; k < count; ++k) a.frames[static_cast<std::size_t>(k)] = first + k;
    return a;
}
}  // namespace detail

using detail::run_of;
inline constexpr Sheet P = Sheet::poses;
inline constexpr Sheet D = Sheet::damage;
inline constexpr Playback loop = Playback::loop;
inline constexpr Playback once = Playback::once;

// The animations, poses first. Most are runs of neighbouring cells; catch, knocked-down and
// fall-forward pick their frames from cells drawn apart.
inline constexpr std::array<Animation, 17> animations = {{
    run_of("stand", P, 0, 2, 400, loop),
    run_of("walk", P, 4, 8, 120, loop),
    run_of("run", P, 12, 6, 80, loop),
    run_of("jump", P, 20, 6, 110, once),
    run_of("throw", P, 57, 3, 130, once),
    {"catch", P, 150, Direction::forward, 3, {62, 63, 65}, once},
    run_of("kit-run", P, 114, 2, 120, loop),
    run_of("hit", D, 0, 2, 150, once),
    run_of("hit-stomach", D, 2, 2, 150, once),
    run_of("hit-back", D, 4, 2, 150, once),
    run_of("knocked-back", D, 6, 2, 120, once),
    {"knocked-down", D, 150, Direction::forward, 4, {9, 11, 12, 13}, once},
    {"fall-forward", D, 150, Direction::forward, 3, {10, 14, 15}, once},
    run_of("dizzy", D, 16, 3, 200, loop, Direction::pingpong),
    run_of("get-up", D, 19, 3, 200, once),
    // Burnt and frozen hold their one frame until the game moves on.
    run_of("burnt", D, 22, 1, 500, loop),
    run_of("frozen", D, 23, 1, 500, loop),
}};

// The animation of that name, or none.
std::optional<Animation> find_animation(std::string_view name);

// The cells in the order they are shown in one loop: pingpong comes back without repeating ends.
std::vector<int> played_frames(const Animation& a);

// Whether the frames are neighbouring cells in sheet order.
bool is_contiguous(const Animation& a);

// The frame length of the first animation that shows the cell, or default_frame_ms.
constexpr int default_frame_ms = 100;
int frame_ms_of(Sheet sheet, int index);

}  // namespace kelvara::catalogue
