#include "tools/sheetgen/damage_table.h"

#include <array>

#include "model/pose_catalogue.h"
#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/stamp.h"

namespace kelvara::sheetgen {

namespace {

constexpr Hand F = Hand::fist;
constexpr Hand O = Hand::open;

struct Reaction {
    Skeleton body;
    HeadTurn turn;
    Point shift;  // the head's move from where the neck puts it
    Expression look;
    Finish finish = Finish::none;
};

// neck, pelvis, far arm (elbow, hand), near arm, far leg (knee, ankle), near leg, hands, and
// whether the chest faces up (the figure lies or flies on its back).
constexpr Skeleton S(Point neck, Point pelvis, Point far_elbow, Point far_hand, Point near_elbow,
                     Point near_hand, Point far_knee, Point far_ankle, Point near_knee,
                     Point near_ankle, Hand far = O, Hand near = O, bool on_back = false) {
    return {neck,
            pelvis,
            {far_elbow, far_hand},
            {near_elbow, near_hand},
            {far_knee, far_ankle},
            {near_knee, near_ankle},
            far,
            near,
            on_back};
}

constexpr HeadTurn up = HeadTurn::upright;
constexpr HeadTurn face_up = HeadTurn::face_up;
constexpr HeadTurn face_down = HeadTurn::face_down;

// The reactions the uniform shows, one each, in sheet order.
// clang-format off
constexpr Reaction reactions[] = {
    // 0..1 hit from the front
    {S({38,34},{37,44}, {33,38},{29,34}, {45,37},{49,33}, {33,47},{31,51}, {40,47},{43,51}), up, {0,0}, Expression::gasp},
    {S({39,35},{37,45}, {34,39},{31,43}, {45,39},{50,37}, {33,48},{30,51}, {41,47},{46,50}), up, {0,0}, Expression::wince},
    {S({31,36},{37,44}, {27,41},{28,45}, {35,42},{32,46}, {33,48},{31,51}, {40,47},{42,51}), up, {-4,2}, Expression::gasp},
    {S({31,38},{37,46}, {29,43},{31,47}, {35,44},{32,48}, {32,48},{30,51}, {42,48},{44,51}), up, {-3,2}, Expression::wince},
    // 4..5 hit from behind
    {S({33,34},{38,44}, {37,38},{41,35}, {43,38},{48,36}, {32,47},{29,51}, {42,47},{45,50}), up, {0,0}, Expression::gasp},
    {S({31,35},{38,44}, {35,39},{39,36}, {42,39},{47,38}, {29,47},{25,50}, {42,47},{47,49}), up, {-1,1}, Expression::wince},
    // 6..8 knocked back through the air
    {S({29,33},{41,41}, {24,38},{20,43}, {34,31},{36,25}, {44,45},{49,42}, {45,41},{48,36}), up, {-4,4}, Expression::gasp},
    {S({24,38},{38,37}, {26,33},{29,29}, {28,43},{32,46}, {43,32},{49,29}, {44,38},{50,36}, O, O, true), face_up, {0,0}, Expression::wince},
    {S({23,38},{38,37}, {25,43},{21,47}, {28,43},{33,46}, {43,33},{49,30}, {44,39},{50,41}), face_down, {0,0}, Expression::gasp},
    // 9..11 falling
    {S({40,36},{35,45}, {44,33},{48,29}, {46,38},{49,36}, {29,43},{23,40}, {30,47},{24,46}), up, {1,0}, Expression::gasp},
    {S({29,39},{39,41}, {24,43},{19,47}, {27,45},{22,49}, {44,44},{49,47}, {44,40},{50,41}), up, {0,0}, Expression::wince},
    {S({22,47},{35,47}, {24,42},{26,38}, {27,51},{33,51}, {40,40},{44,34}, {42,43},{48,40}, O, O, true), face_up, {0,0}, Expression::gasp},
    // 12..15 lying
    {S({22,45},{37,45}, {25,40},{29,38}, {27,50},{32,50}, {42,42},{48,46}, {43,48},{49,50}, O, O, true), face_up, {0,0}, Expression::wince},
    {S({22,46},{37,46}, {26,41},{31,40}, {26,51},{20,51}, {44,44},{50,47}, {44,49},{50,50}, O, O, true), face_up, {0,0}, Expression::out_cold},
    {S({22,46},{37,46}, {26,51},{31,51}, {21,51},{16,51}, {43,49},{49,47}, {43,50},{49,51}), face_down, {0,0}, Expression::wince},
    {S({23,47},{38,47}, {30,51},{35,51}, {17,50},{10,49}, {44,49},{50,48}, {44,46},{49,43}), face_down, {0,-1}, Expression::out_cold},
    // 16..18 dizzy
    {S({36,40},{38,48}, {31,44},{30,49}, {42,45},{40,50}, {32,46},{31,51}, {44,51},{47,51}, O, F), up, {0,0}, Expression::dazed},
    {S({34,34},{37,44}, {30,40},{27,45}, {41,40},{43,46}, {36,48},{31,51}, {37,48},{42,51}), up, {0,0}, Expression::dazed},
    {S({37,35},{36,45}, {32,39},{28,42}, {43,40},{47,44}, {33,47},{33,51}, {40,47},{45,50}), up, {1,0}, Expression::dazed},
    // 19..21 getting up
    {S({26,41},{40,41}, {26,46},{24,49}, {29,46},{28,49}, {38,51},{46,51}, {42,51},{49,50}), up, {-2,2}, Expression::wince},
    {S({33,37},{38,46}, {30,42},{29,46}, {40,43},{34,47}, {30,46},{30,51}, {40,51},{47,51}), up, {0,0}, Expression::wince},
    {S({34,35},{38,45}, {30,41},{30,46}, {37,42},{34,46}, {31,47},{29,51}, {40,47},{42,51}), up, {0,0}, Expression::gasp},
    // 22..23 burnt and frozen
    {S({35,34},{36,44}, {29,39},{26,43}, {41,39},{44,43}, {33,48},{32,51}, {39,48},{40,51}), up, {0,0}, Expression::charred, Finish::burnt},
    {S({34,34},{37,44}, {30,39},{28,35}, {41,39},{45,42}, {31,46},{27,50}, {42,47},{47,50}, F, F), up, {0,0}, Expression::wince, Finish::frozen},
};
// clang-format on

static_assert(std::size(reactions) == first_other_outfit_damage);

struct Worn {
    Outfit outfit;
    int reaction;
};

// The other outfits, each through the reactions that suit it; every outfit is burnt and frozen
// once, in a stance of its own.
constexpr Worn other_figures[] = {
    {Outfit::sports, 0},  {Outfit::sports, 2},  {Outfit::sports, 4},  {Outfit::sports, 6},
    {Outfit::sports, 9},  {Outfit::sports, 11}, {Outfit::sports, 12}, {Outfit::sports, 14},
    {Outfit::sports, 17}, {Outfit::sports, 19}, {Outfit::sports, 22}, {Outfit::sports, 23},
    {Outfit::track, 1},   {Outfit::track, 5},   {Outfit::track, 7},   {Outfit::track, 13},
    {Outfit::track, 17},  {Outfit::track, 20},  {Outfit::street, 0},  {Outfit::street, 3},
    {Outfit::street, 8},  {Outfit::street, 10}, {Outfit::street, 15}, {Outfit::street, 22},
    {Outfit::gi, 2},      {Outfit::gi, 4},      {Outfit::gi, 9},      {Outfit::gi, 12},
    {Outfit::gi, 18},     {Outfit::gi, 21},
};

static_assert(std::size(other_figures) == damage_pose_count - first_other_outfit_damage);

Point head_corner(const Reaction& r) {
    const Point neck = r.body.neck;
    switch (r.turn) {
        case HeadTurn::face_up:
            return {neck.x - 18 + r.shift.x, neck.y - 11 + r.shift.y};
        case HeadTurn::face_down:
            return {neck.x - 18 + r.shift.x, neck.y - 9 + r.shift.y};
        case HeadTurn::upright:
            break;
    }
    return {neck.x - 11 + r.shift.x, neck.y - 18 + r.shift.y};
}

Surface head_for(const DamageFigure& figure) {
    if (figure.turn == HeadTurn::upright) return damage_head(figure.look, figure.finish);
    return lying_damage_head(figure.look, figure.finish, figure.turn == HeadTurn::face_up);
}

}  // namespace

DamageFigure damage_figure(int index) {
    const bool uniform = index < first_other_outfit_damage;
    const Worn worn =
        uniform ? Worn{Outfit::school, index} : other_figures[index - first_other_outfit_damage];
    const Reaction& r = reactions[worn.reaction];
    return {catalogue::damage_names.at(static_cast<std::size_t>(index)),
            r.body,
            worn.outfit,
            head_corner(r),
            r.turn,
            r.look,
            r.finish};
}

Surface draw_damage(const DamageFigure& figure) {
    Canvas canvas(sprite_frame, sprite_frame);
    paint_figure(canvas, figure.body, figure.outfit, ArmDepth::in_front, {}, [](Canvas&) {});
    Surface frame = canvas.render();
    drop_button_specks(frame);
    apply_finish(frame, figure.finish);
    overlay(frame, head_for(figure), figure.head);
    return frame;
}

Surface draw_unused_damage_cell() {
    Surface frame(sprite_frame, sprite_frame, key_color);
    stamp(frame, {31, 33}, {"kkkkk"});
    return frame;
}

}  // namespace kelvara::sheetgen
