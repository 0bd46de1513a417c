#include "tools/sheetgen/pose_table.h"

#include <algorithm>
#include <vector>

#include "compositor/sheets.h"

namespace kelvara::sheetgen {

namespace {

struct Keyframe {
    Skeleton body;
    Mouth mouth;
};

constexpr Hand open = Hand::open;

// The fighter's moves, facing left with the head fixed at the top of the frame. Per row: neck,
// pelvis, far arm (elbow, hand), near arm, far leg (knee, ankle), near leg, hands. Hands stay
// clear of the head's square (x 24..42, y 16..28) so no body covers the face.
// clang-format off
constexpr Keyframe moves[] = {
    // stance and breathing
    {{{35, 34}, {36, 44}, {{27, 40}, {24, 36}}, {{41, 41}, {33, 39}}, {{31, 47}, {28, 51}}, {{40, 47}, {42, 51}}}, Mouth::closed},
    {{{35, 35}, {36, 45}, {{27, 41}, {24, 37}}, {{41, 42}, {33, 40}}, {{30, 48}, {28, 51}}, {{41, 48}, {42, 51}}}, Mouth::closed},
    // walk
    {{{35, 34}, {36, 44}, {{31, 40}, {28, 45}}, {{40, 40}, {42, 46}}, {{31, 47}, {27, 51}}, {{39, 48}, {42, 51}}}, Mouth::closed},
    {{{35, 34}, {36, 44}, {{33, 40}, {31, 46}}, {{39, 40}, {39, 46}}, {{35, 48}, {34, 51}}, {{37, 48}, {38, 51}}}, Mouth::closed},
    {{{35, 34}, {36, 44}, {{34, 40}, {35, 46}}, {{38, 41}, {35, 46}}, {{38, 48}, {41, 51}}, {{33, 47}, {30, 51}}}, Mouth::closed},
    // run
    {{{34, 34}, {37, 44}, {{29, 38}, {26, 42}}, {{42, 39}, {45, 43}}, {{30, 45}, {31, 50}}, {{41, 48}, {46, 50}}}, Mouth::open},
    {{{34, 34}, {37, 44}, {{36, 39}, {39, 43}}, {{38, 39}, {33, 42}}, {{40, 48}, {46, 49}}, {{32, 46}, {28, 50}}}, Mouth::open},
    // jab, straight, uppercut, hook, low punch
    {{{35, 34}, {36, 44}, {{20, 36}, {13, 35}}, {{41, 41}, {33, 39}}, {{30, 47}, {26, 51}}, {{41, 47}, {43, 51}}}, Mouth::grit},
    {{{34, 34}, {37, 44}, {{28, 40}, {25, 37}}, {{25, 37}, {15, 36}}, {{30, 47}, {27, 51}}, {{41, 47}, {45, 51}}}, Mouth::open},
    {{{34, 34}, {36, 44}, {{29, 40}, {27, 37}}, {{26, 38}, {20, 28}}, {{31, 47}, {29, 51}}, {{40, 47}, {42, 51}}}, Mouth::open},
    {{{35, 34}, {36, 44}, {{21, 33}, {19, 38}}, {{41, 41}, {34, 39}}, {{31, 47}, {28, 51}}, {{41, 47}, {43, 51}}}, Mouth::grit},
    {{{34, 35}, {37, 45}, {{29, 41}, {26, 38}}, {{27, 44}, {17, 43}}, {{29, 47}, {27, 51}}, {{42, 47}, {45, 51}}}, Mouth::open},
    // front kick, high kick, sweep, back kick
    {{{36, 34}, {37, 44}, {{30, 39}, {27, 36}}, {{42, 40}, {36, 39}}, {{28, 41}, {18, 42}}, {{40, 47}, {41, 51}}}, Mouth::grit},
    {{{37, 34}, {38, 44}, {{31, 39}, {28, 36}}, {{43, 40}, {38, 39}}, {{28, 38}, {15, 31}}, {{40, 47}, {40, 51}}}, Mouth::open},
    {{{35, 35}, {38, 45}, {{27, 40}, {23, 43}}, {{42, 41}, {36, 40}}, {{25, 48}, {13, 51}}, {{43, 46}, {41, 51}}}, Mouth::grit},
    {{{34, 35}, {36, 44}, {{28, 40}, {25, 36}}, {{40, 41}, {33, 39}}, {{33, 47}, {32, 51}}, {{44, 42}, {50, 39}}}, Mouth::grit},
    // crouch, crouching guard
    {{{35, 35}, {37, 46}, {{28, 41}, {25, 38}}, {{41, 42}, {34, 41}}, {{30, 46}, {30, 51}}, {{43, 46}, {41, 51}}}, Mouth::closed},
    {{{35, 35}, {37, 46}, {{27, 38}, {24, 34}}, {{40, 39}, {30, 36}}, {{30, 46}, {30, 51}}, {{43, 46}, {41, 51}}}, Mouth::grit},
    // jump: rising, tucked, flying kick, landing
    {{{35, 34}, {36, 44}, {{29, 38}, {26, 34}}, {{42, 38}, {44, 33}}, {{31, 46}, {32, 50}}, {{40, 48}, {41, 51}}}, Mouth::open},
    {{{35, 34}, {37, 43}, {{29, 39}, {26, 36}}, {{41, 40}, {35, 39}}, {{31, 44}, {34, 48}}, {{41, 45}, {43, 49}}}, Mouth::closed},
    {{{36, 34}, {38, 43}, {{31, 38}, {28, 35}}, {{43, 39}, {38, 38}}, {{28, 44}, {16, 46}}, {{42, 45}, {45, 49}}}, Mouth::open},
    {{{35, 35}, {37, 46}, {{28, 40}, {23, 42}}, {{43, 40}, {47, 43}}, {{29, 47}, {27, 51}}, {{44, 47}, {44, 51}}}, Mouth::closed},
    // high block, low block, grab
    {{{35, 34}, {36, 44}, {{25, 38}, {22, 31}}, {{32, 40}, {23, 35}}, {{31, 47}, {28, 51}}, {{40, 47}, {42, 51}}}, Mouth::grit},
    {{{35, 34}, {36, 44}, {{28, 41}, {25, 45}}, {{33, 42}, {28, 46}}, {{31, 47}, {28, 51}}, {{40, 47}, {42, 51}}}, Mouth::grit},
    {{{34, 34}, {37, 44}, {{25, 38}, {18, 38}, }, {{27, 40}, {20, 41}}, {{30, 47}, {27, 51}}, {{41, 47}, {44, 51}}, open, open}, Mouth::open},
    // victory, palm blast, gathering power
    {{{35, 34}, {36, 44}, {{30, 40}, {31, 44}}, {{46, 31}, {46, 20}}, {{32, 47}, {30, 51}}, {{39, 47}, {41, 51}}}, Mouth::open},
    {{{34, 34}, {37, 44}, {{24, 37}, {14, 38}}, {{27, 40}, {16, 41}}, {{29, 47}, {26, 51}}, {{41, 47}, {45, 51}}, open, open}, Mouth::open},
    {{{36, 34}, {36, 44}, {{31, 41}, {33, 45}}, {{45, 40}, {47, 45}}, {{31, 47}, {29, 51}}, {{41, 47}, {43, 51}}}, Mouth::grit},
};
// clang-format on

// Four takes of each move but the last fill the uniform poses the fixed ones leave.
static_assert(std::size(moves) * 4 >= first_other_outfit_pose - 5);

// Moves whose arms pass behind the head: hands clasped behind it, one arm up, both stretched up,
// and a bow with the shoulders hunched round the head.
struct HeadFrontPose {
    int index;
    Keyframe move;
};

// clang-format off
constexpr HeadFrontPose head_front_poses[] = {
    {75, {{{35, 34}, {36, 44}, {{21, 24}, {28, 20}}, {{47, 23}, {39, 20}}, {{31, 47}, {29, 51}}, {{40, 47}, {42, 51}}}, Mouth::closed}},
    {76, {{{35, 34}, {36, 44}, {{28, 41}, {31, 44}}, {{47, 23}, {39, 20}}, {{32, 47}, {30, 51}}, {{40, 47}, {41, 51}}}, Mouth::closed}},
    {77, {{{35, 34}, {36, 44}, {{25, 22}, {30, 16}}, {{45, 21}, {40, 16}}, {{33, 47}, {32, 51}}, {{39, 47}, {40, 51}}, open, open}, Mouth::open}},
    {110, {{{36, 31}, {38, 43}, {{30, 37}, {30, 44}}, {{43, 37}, {42, 44}}, {{34, 47}, {33, 51}}, {{40, 47}, {41, 51}}, open, open}, Mouth::closed}},
};
// clang-format on

// Uniform poses are the moves in four takes each: as drawn, breathing out, hands up, and a wider
// stance with the teeth set.
Keyframe take(const Keyframe& move, int take_number) {
    Keyframe k = move;
    Skeleton& b = k.body;
    switch (take_number) {
        case 1:
            b.far_arm.end.y += 1;
            b.near_arm.end.y += 1;
            k.mouth = k.mouth == Mouth::closed ? Mouth::open : Mouth::closed;
            break;
        case 2:
            b.far_arm.end.x -= 1;
            b.far_arm.joint.y -= 1;
            b.near_arm.end.x -= 1;
            b.near_arm.joint.y -= 1;
            break;
        case 3:
            b.far_leg.end.x -= 1;
            b.far_leg.joint.x -= 1;
            b.near_leg.end.x += 1;
            k.mouth = Mouth::grit;
            break;
        default:
            break;
    }
    return k;
}

// The moves other outfits are shown in: stance, walk, jab, front kick, victory and gathering power.
constexpr int outfit_moves[] = {0, 2, 7, 12, 25, 27};
constexpr Outfit other_outfits[] = {Outfit::sports, Outfit::track, Outfit::street, Outfit::gi};

// The far-reaching jab: its fist alone crosses into frame column 3.
constexpr int long_jab_pose = 45;
// clang-format off
constexpr Keyframe long_jab{{{35, 34}, {37, 44}, {{19, 33}, {5, 26}}, {{41, 41}, {33, 39}}, {{30, 47}, {26, 51}}, {{41, 47}, {44, 51}}}, Mouth::open};
// clang-format on

}  // namespace

bool pose_has_head_in_front(int index) {
    return std::any_of(std::begin(head_front_poses), std::end(head_front_poses),
                       [&](const HeadFrontPose& p) { return p.index == index; });
}

PoseEntry pose_entry(int index) {
    // The uniform poses in sheet order: the moves in four takes each, with the head-front poses
    // and the long jab at their own indices.
    static const std::vector<PoseEntry> uniform = [] {
        std::vector<PoseEntry> poses;
        int next_take = 0;
        for (int i = 0; i < first_other_outfit_pose; ++i) {
            const auto front =
                std::find_if(std::begin(head_front_poses), std::end(head_front_poses),
                             [&](const HeadFrontPose& p) { return p.index == i; });
            if (front != std::end(head_front_poses)) {
                poses.push_back({front->move.body, Outfit::school, front->move.mouth, true});
            } else if (i == long_jab_pose) {
                poses.push_back({long_jab.body, Outfit::school, long_jab.mouth, false});
            } else {
                const Keyframe k = take(moves[next_take / 4], next_take % 4);
                poses.push_back({k.body, Outfit::school, k.mouth, false});
                ++next_take;
            }
        }
        return poses;
    }();
    if (index < first_other_outfit_pose) return uniform[index];
    const int k = index - first_other_outfit_pose;
    const int per_outfit = static_cast<int>(std::size(outfit_moves));
    const Keyframe& m = moves[outfit_moves[k % per_outfit]];
    return {m.body, other_outfits[k / per_outfit], m.mouth, false};
}

Surface draw_pose(const PoseEntry& pose) {
    Canvas canvas(sprite_frame, sprite_frame);
    int skull = 0;
    paint_figure(canvas, pose.body, pose.outfit,
                 pose.head_in_front ? ArmDepth::behind_head : ArmDepth::in_front,
                 [&](Canvas& c) { skull = add_skull(c, head_in_frame); });
    Surface frame = canvas.render();
    // The face cell supplies the head down to its last row on the body; a head laid in front
    // leaves that row to the body.
    const int first_pose_row = head_in_frame.y + last_face_row + (pose.head_in_front ? 0 : 1);
    for (int y = 0; y < first_pose_row; ++y) {
        for (int x = 0; x < sprite_frame; ++x) {
            if (canvas.part_at(x, y) == skull) frame.SetPixel(x, y, key_color);
        }
    }
    paint_mouth(frame, head_in_frame, pose.mouth);
    return frame;
}

}  // namespace kelvara::sheetgen
