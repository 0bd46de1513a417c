#pragma once

#include <algorithm>
#include <array>

namespace kelvara {

// Poses 0 .. last_school_uniform_pose wear the school uniform; the rest wear other outfits. Of the
// damage figures, 0 .. last_school_uniform_damage do.
constexpr int last_school_uniform_pose = 111;
constexpr int last_school_uniform_damage = 23;

constexpr bool pose_wears_school_uniform(int pose, int type_flg) {
    const int last = type_flg == 0 ? last_school_uniform_pose : last_school_uniform_damage;
    return pose >= 0 && pose <= last;
}

// The poses whose arms or held ball pass behind the head: the head is laid in front of the body.
constexpr std::array<int, 4> head_in_front_poses = {75, 76, 77, 110};

constexpr bool pose_draws_head_in_front(int pose) {
    return std::find(head_in_front_poses.begin(), head_in_front_poses.end(), pose) !=
           head_in_front_poses.end();
}

// The hairs whose cells mark holes (in marker red) that open through the whole head.
constexpr std::array<int, 3> hairs_with_holes = {301, 304, 709};

constexpr bool hair_has_holes(int hair) {
    return std::find(hairs_with_holes.begin(), hairs_with_holes.end(), hair) !=
           hairs_with_holes.end();
}

}  // namespace kelvara
