#pragma once

#include "compositor/surface.h"

namespace kelvara::sheetgen {

// The features that tell one face from another; each counts from 0 below its limit.
struct FaceFeatures {
    int eyes;
    int brows;
    int nose;
    int ear;
    int extra;  // 0 none, 1 headband, 2 scar, 3 plaster

    bool operator==(const FaceFeatures&) const = default;
};

constexpr int eye_styles = 8;
constexpr int brow_styles = 4;
constexpr int nose_styles = 3;
constexpr int ear_styles = 2;
constexpr int extra_styles = 4;
constexpr int face_feature_combinations =
    eye_styles * brow_styles * nose_styles * ear_styles * extra_styles;

// The features of face cell `index`. Distinct indices get distinct features.
FaceFeatures face_features(int index);

// A 19 x 19 face cell on the key colour.
Surface draw_face(const FaceFeatures& features);

}  // namespace kelvara::sheetgen
