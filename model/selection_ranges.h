#pragma once

#include <cstdint>

namespace kelvara {

// Indices and flags are 16-bit. Flags hold 0 for False and -1 for True, except type_flg (the index
// of the chosen type button) and the random flags (check-box values 0 and 1).
using Int16 = std::int16_t;
constexpr Int16 vb_true = -1;
constexpr Int16 vb_false = 0;

// How many parts the sheets hold: characters (a face and its hair), poses and damage figures.
constexpr int face_count = 712;
constexpr int pose_count = 136;
constexpr int damage_pose_count = 54;

// How many selectable colours each palette table holds.
constexpr int hair_entries = 57;
constexpr int eye_entries = 26;  // also the accessory colours
constexpr int cloth_entries = 78;
constexpr int cloth23_entries = 79;  // pants and line
constexpr int body_entries = 33;

// The last index of each selection: the selectors' maxima, the ranges random draws and parameter
// files keep to.
constexpr Int16 last_face = face_count - 1;
constexpr Int16 last_pose = pose_count - 1;
constexpr Int16 last_damage_pose = damage_pose_count - 1;
constexpr Int16 last_hair_color = hair_entries - 1;
constexpr Int16 last_eye_color = eye_entries - 1;
constexpr Int16 last_cloth_color = cloth_entries - 1;
constexpr Int16 last_cloth23_color = cloth23_entries - 1;
constexpr Int16 last_body_color = body_entries - 1;

// The drawing sizes of the view, x1 .. x6.
constexpr Int16 first_size = 1;
constexpr Int16 last_size = 6;

// The last pose of a sprite type: 0 the poses with face and hair, 1 the damage figures.
constexpr Int16 last_pose_of_type(int type_flg) {
    return type_flg == 0 ? last_pose : last_damage_pose;
}

}  // namespace kelvara
