#include "tools/sheetgen/face_art.h"

#include "tools/sheetgen/canvas.h"
#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/stamp.h"

namespace kelvara::sheetgen {

namespace {

// The near eye sits right of the nose and shows whole; the far eye is foreshortened against the
// cheek. Both look left, the way the fighter faces.
constexpr Point near_eye{9, 8};
constexpr Point far_eye{4, 8};

struct EyePair {
    StampRows near_eye;
    StampRows far_eye;
};

const EyePair& eye_art(int style) {
    static const EyePair eyes[eye_styles] = {
        {{"kkk", "ewg", "ekg"}, {"kk", "ew", "ek"}},         // round
        {{"kkkk", "ewgg", "ek.."}, {"kk", "ew", "k."}},      // wide
        {{"kkk", "ekg", "eeg", ".33"}, {"kk", "ek", "ee"}},  // large
        {{"kkkk", "ekgd"}, {"kk", "ek"}},                    // narrow
        {{"dkkk", "kkgd", ".33"}, {"dk", "kk"}},             // heavy lidded
        {{".kk", "kk.", "dk."}, {"k.", ".k"}},               // dark dots
        {{"k...", "kkkk", "ewgd"}, {"kk", "ew"}},            // fierce
        {{"ddd", "kwk", "kkk"}, {"dd", "kk"}},               // half closed
    };
    return eyes[style];
}

const EyePair& brow_art(int style) {
    static const EyePair brows[brow_styles] = {
        {{"kkk"}, {"kk"}},                      // straight
        {{"kkkk", "kk.."}, {"kkk"}},            // thick
        {{"...kk", "kkk.."}, {"kk..", ".kk"}},  // angry, low at the nose
        {{".kk.", "k..k"}, {"kk.", "..k"}},     // raised
    };
    return brows[style];
}

void paint_nose(Surface& s, int style) {
    switch (style) {
        case 0:
            stamp(s, {7, 10}, {"3", "3"});
            break;
        case 1:
            stamp(s, {6, 10}, {".1", "43"});
            break;
        default:
            stamp(s, {7, 9}, {"2", "3", "4"});
            break;
    }
}

void paint_extra(Surface& s, int extra) {
    switch (extra) {
        case 1:  // headband tied at the back
            stamp(s, {3, 5}, {"kaaaaaaaaaaaak", "kkkkkkkkkkkkkaak", "..............kak"});
            break;
        case 2:  // scar across the near cheek
            stamp(s, {11, 10}, {".d", "d."});
            break;
        case 3:  // plaster on the near cheek
            stamp(s, {11, 11}, {"ww"});
            break;
        default:
            break;
    }
}

}  // namespace

FaceFeatures face_features(int index) {
    // Stepping through the combinations by a stride coprime to their number visits each once,
    // and neighbouring cells then differ in several features, not just the eyes.
    int code = (index * 389) % face_feature_combinations;
    FaceFeatures f{};
    f.eyes = code % eye_styles;
    code /= eye_styles;
    f.brows = code % brow_styles;
    code /= brow_styles;
    f.nose = code % nose_styles;
    code /= nose_styles;
    f.ear = code % ear_styles;
    code /= ear_styles;
    f.extra = code % extra_styles;
    return f;
}

Surface draw_face(const FaceFeatures& features) {
    Canvas canvas(head_size, head_size);
    const Point head{0, 0};
    add_neck(canvas, head, 3);
    add_skull(canvas, head);
    add_ear(canvas, head, features.ear);
    Surface face = canvas.render();
    paint_ear_detail(face, head, features.ear);

    const EyePair& eyes = eye_art(features.eyes);
    stamp(face, near_eye, eyes.near_eye);
    stamp(face, far_eye, eyes.far_eye);
    const EyePair& brows = brow_art(features.brows);
    stamp(face, {near_eye.x, near_eye.y - 2}, brows.near_eye);
    stamp(face, {far_eye.x - 1, far_eye.y - 2}, brows.far_eye);
    paint_nose(face, features.nose);
    paint_extra(face, features.extra);
    paint_mouth(face, head, Mouth::closed);
    return face;
}

}  // namespace kelvara::sheetgen
