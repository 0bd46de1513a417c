#include "tools/sheetgen/damage_table.h"

#include <array>

#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/stamp.h"

namespace kelvara::sheetgen {

namespace {

struct Reaction {
    Skeleton body;
    Point head;
    HeadTurn turn;
};

constexpr Hand fist = Hand::fist;
constexpr Hand open = Hand::open;

// The reactions, per row: neck, pelvis, far arm (elbow, hand), near arm, far leg (knee, ankle),
// near leg, hands, chest flipped; then the head's corner and how it lies.
// clang-format off
constexpr Reaction reactions[] = {
    // hit in the face: thrown back, arms flung
    {{{38, 34}, {37, 44}, {{33, 38}, {29, 34}}, {{45, 37}, {49, 33}}, {{33, 47}, {31, 51}}, {{40, 47}, {43, 51}}, open, open},
     {27, 16}, HeadTurn::upright},
    // hit in the stomach: doubled over
    {{{31, 36}, {37, 44}, {{27, 41}, {28, 45}}, {{35, 42}, {32, 46}}, {{33, 48}, {31, 51}}, {{40, 47}, {42, 51}}, open, open},
     {16, 20}, HeadTurn::upright},
    // knocked off the feet, flying back
    {{{29, 33}, {41, 41}, {{24, 38}, {20, 43}}, {{34, 31}, {36, 25}}, {{44, 45}, {49, 42}}, {{45, 41}, {48, 36}}, open, open},
     {14, 19}, HeadTurn::upright},
    // down on the back
    {{{22, 45}, {37, 45}, {{25, 40}, {29, 38}}, {{27, 50}, {32, 50}}, {{42, 42}, {48, 46}}, {{43, 48}, {49, 50}}, open, open, true},
     {4, 35}, HeadTurn::face_up},
    // down on the face
    {{{22, 46}, {37, 46}, {{26, 51}, {31, 51}}, {{21, 51}, {16, 51}}, {{43, 49}, {49, 47}}, {{43, 50}, {49, 51}}, open, open},
     {4, 35}, HeadTurn::face_down},
    // dazed on one knee
    {{{36, 40}, {38, 48}, {{31, 44}, {30, 49}}, {{42, 45}, {40, 50}}, {{32, 46}, {31, 51}}, {{44, 51}, {47, 51}}, open, fist},
     {25, 22}, HeadTurn::upright},
};
// clang-format on

constexpr int reaction_count = static_cast<int>(std::size(reactions));

constexpr Outfit other_outfits[] = {Outfit::sports, Outfit::track, Outfit::street, Outfit::gi,
                                    Outfit::sports};

// A hurt face under short hair, the same on every figure: eyes squeezed shut, mouth twisted. It
// is one fixed drawing, so the damage sheet keeps its look whatever the face and hair cells do.
Surface generic_head() {
    Surface head(head_size, head_size, key_color);
    // clang-format off
    stamp(head, {0, 0}, {
        "k....k......k......",
        ".kkk.kkk...kk.....k",
        ".k77k557kkk57kkkkk.",
        "..k55555555665557k.",
        "..k5566755776555k..",
        "..k7k77k77kk7667k..",
        "..kkkkk2kkkkk7777kk",
        "..kk12222222kkkk7k.",
        ".k.k22222k22k23kk..",
        "...kkk2222kkk233k..",
        "...k22232k222234k..",
        "...k12232222223k...",
        "...k12222222223k...",
        "...k12222222223k...",
        "...k3d2d2222224k...",
        "....k3d2222234k....",
        ".....k333334dk.....",
        "......kkkddd4k.....",
        ".........kkkkk.....",
    });
    // clang-format on
    return head;
}

Surface turned(const Surface& head, HeadTurn turn) {
    switch (turn) {
        case HeadTurn::face_down:
            return rotated(head, 3);
        case HeadTurn::face_up:
            return mirrored(rotated(head, 1));
        case HeadTurn::upright:
            break;
    }
    return head;
}

}  // namespace

DamageFigure damage_figure(int index) {
    // The uniform shows each reaction in four takes, the other outfits each reaction once (the
    // sports kit twice).
    const bool uniform = index < first_other_outfit_damage;
    const int k = uniform ? index : index - first_other_outfit_damage;
    const Reaction& r = reactions[k % reaction_count];
    const int take = k / reaction_count;
    DamageFigure figure{r.body, uniform ? Outfit::school : other_outfits[take], r.head, r.turn};
    // Later takes swing the limbs a little further.
    const int swing = uniform ? take : take / 4;
    figure.body.far_arm.end.x -= swing;
    figure.body.near_arm.end.y -= swing % 2;
    figure.body.near_leg.end.x += (swing + 1) / 2;
    return figure;
}

Surface draw_damage(const DamageFigure& figure) {
    Canvas canvas(sprite_frame, sprite_frame);
    paint_figure(canvas, figure.body, figure.outfit, ArmDepth::in_front, [](Canvas&) {});
    Surface frame = canvas.render();
    overlay(frame, turned(generic_head(), figure.turn), figure.head);
    return frame;
}

Surface draw_unused_damage_cell() {
    Surface frame(sprite_frame, sprite_frame, key_color);
    stamp(frame, {31, 33}, {"kkkkk"});
    return frame;
}

}  // namespace kelvara::sheetgen
