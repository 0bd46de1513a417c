#include "tools/sheetgen/body_art.h"

#include <cmath>

namespace kelvara::sheetgen {

namespace {

enum class Cover { full, half, none };

// What an outfit is made of; every outfit is one row of the table below.
struct OutfitStyle {
    Material top = Material::cloth;
    Cover sleeves = Cover::full;
    Material legwear = Material::cloth;
    Cover legs = Cover::full;
    Material trim =
        Material::none;  // cuffs of long sleeves, a stripe down each leg, a V at the neck
    bool collar = false;
    bool buttons = false;
    Material belt = Material::none;
    bool socks = false;
    bool barefoot = false;
    bool chest_band = false;
    bool open_neck = false;  // a V of skin at the throat instead of a collar
};

constexpr OutfitStyle outfit_styles[outfit_count] = {
    // school uniform: high collar and brass buttons
    {.collar = true, .buttons = true},
    // sports kit: short sleeves, shorts, socks
    {.sleeves = Cover::half,
     .legwear = Material::pants,
     .legs = Cover::half,
     .trim = Material::trim,
     .socks = true},
    // track suit: jacket with a band across the chest, trousers in the second colour
    {.legwear = Material::pants, .trim = Material::trim, .collar = true, .chest_band = true},
    // vest and jeans
    {.sleeves = Cover::none, .legwear = Material::pants, .belt = Material::shoe},
    // training gi: wrapped open at the neck, a belt, bare feet
    {.belt = Material::trim, .barefoot = true, .open_neck = true},
};

// Directions along the spine and across it towards the chest, for placing shoulders and hips on
// a figure in any attitude. Square root, division and rounding are exact IEEE operations, so the
// positions come out the same on every compiler.
struct Frame {
    double along_x, along_y;
    double front_x, front_y;

    Point at(Point base, double along, double front) const {
        return {base.x + static_cast<int>(std::lround(along * along_x + front * front_x)),
                base.y + static_cast<int>(std::lround(along * along_y + front * front_y))};
    }
};

Frame frame_of(const Skeleton& b) {
    double dx = b.pelvis.x - b.neck.x;
    double dy = b.pelvis.y - b.neck.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    dx /= length;
    dy /= length;
    const double side = b.chest_flipped ? -1.0 : 1.0;
    return {dx, dy, side * -dy, side * dx};
}

Point lerp(Point a, Point b, int numerator, int denominator) {
    return {a.x + (b.x - a.x) * numerator / denominator,
            a.y + (b.y - a.y) * numerator / denominator};
}

void paint_arm(Canvas& c, Point shoulder, const Limb& arm, Hand hand, const OutfitStyle& o,
               int bias) {
    const PartStyle style{outline_black, outline_dark, bias};
    const Material arm_material = o.sleeves == Cover::full ? o.top : Material::skin;
    c.begin_part(style);
    c.capsule(shoulder, arm.joint, 4, arm_material);
    c.capsule(arm.joint, arm.end, 4, arm_material);
    if (o.sleeves == Cover::full && o.trim != Material::none) {
        c.capsule(lerp(arm.joint, arm.end, 3, 4), lerp(arm.joint, arm.end, 3, 4), 4, o.trim);
    }
    if (o.sleeves == Cover::half) {
        c.begin_part(style);
        c.capsule(shoulder, lerp(shoulder, arm.joint, 2, 3), 5, o.top);
    }
    c.begin_part(style);
    if (hand == Hand::fist) {
        c.disc(arm.end, 5, Material::skin);
    } else {
        const Point reach{arm.end.x + (arm.end.x - arm.joint.x) / 3,
                          arm.end.y + (arm.end.y - arm.joint.y) / 3};
        c.capsule(arm.end, reach, 4, Material::skin);
    }
}

void paint_leg(Canvas& c, Point hip, const Limb& leg, const OutfitStyle& o, int bias) {
    const PartStyle style{outline_black, outline_dark, bias};
    const Material leg_material = o.legs == Cover::full ? o.legwear : Material::skin;
    c.begin_part(style);
    c.capsule(hip, leg.joint, 5, leg_material);
    c.capsule(leg.joint, leg.end, 5, leg_material);
    if (o.legs == Cover::full && o.trim != Material::none) {
        c.capsule(hip, leg.joint, 1, o.trim);
        c.capsule(leg.joint, leg.end, 1, o.trim);
    }
    if (o.legs == Cover::half) {
        c.begin_part(style);
        const Point hem = lerp(hip, leg.joint, 3, 5);
        c.capsule(hip, hem, 7, o.legwear);
        if (o.trim != Material::none) c.capsule(hip, hem, 1, o.trim);
    }
    if (o.socks) {
        c.begin_part(style);
        c.capsule(lerp(leg.joint, leg.end, 1, 2), leg.end, 5, Material::white);
    }
    // The foot points the way the fighter faces, turned along the shin when the leg kicks.
    c.begin_part(style);
    const Point toe{leg.end.x - 3 + (leg.end.y < leg.joint.y ? 1 : 0),
                    leg.end.y + (leg.end.y < leg.joint.y ? -1 : 0)};
    c.capsule(leg.end, toe, o.barefoot ? 3 : 4, o.barefoot ? Material::skin : Material::shoe);
}

void paint_torso(Canvas& c, const Skeleton& b, const Frame& f, const OutfitStyle& o) {
    c.begin_part();
    const Point hem = f.at(b.pelvis, 1, 0);
    const Point corners[] = {f.at(b.neck, 0, 3), f.at(b.neck, 2, 6),  f.at(hem, 0, 5),
                             f.at(hem, 0, -5),   f.at(b.neck, 2, -6), f.at(b.neck, 0, -3)};
    c.polygon(corners, o.top);
    if (o.buttons) {
        for (int k = 3; k <= 9; k += 3)
            c.plot(f.at(b.neck, k, 2).x, f.at(b.neck, k, 2).y, Material::accessory);
    }
    if (o.belt != Material::none) c.capsule(f.at(hem, -2, 5), f.at(hem, -2, -5), 1, o.belt);
    if (o.chest_band) c.capsule(f.at(b.neck, 4, 6), f.at(b.neck, 4, -6), 2, o.trim);
    if (o.open_neck) {
        const Point v[] = {f.at(b.neck, 0, 2), f.at(b.neck, 4, 0), f.at(b.neck, 0, -2)};
        c.polygon(v, Material::skin);
    }
    if (o.collar) {
        c.begin_part();
        c.capsule(f.at(b.neck, 0, 3), f.at(b.neck, 0, -3), 3, o.top);
    } else if (o.trim != Material::none) {
        c.capsule(f.at(b.neck, 0, 3), f.at(b.neck, 2, 0), 1, o.trim);
        c.capsule(f.at(b.neck, 2, 0), f.at(b.neck, 0, -3), 1, o.trim);
    }
}

void paint_prop(Canvas& c, const Prop& prop) {
    if (prop.kind == PropKind::none) return;
    c.begin_part();
    if (prop.kind == PropKind::ball) {
        c.disc(prop.at, 7, Material::prop);
        return;
    }
    const Point corners[] = {prop.at,
                             {prop.at.x + 12, prop.at.y},
                             {prop.at.x + 12, prop.at.y + 9},
                             {prop.at.x, prop.at.y + 9}};
    c.polygon(corners, Material::prop);
    // Slats across the crate.
    c.capsule({prop.at.x + 1, prop.at.y + 4}, {prop.at.x + 11, prop.at.y + 4}, 1, Material::shoe);
}

}  // namespace

void paint_figure(Canvas& canvas, const Skeleton& body, Outfit outfit, ArmDepth arms,
                  const Prop& prop, const std::function<void(Canvas&)>& paint_head) {
    const OutfitStyle& o = outfit_styles[static_cast<int>(outfit)];
    const Frame f = frame_of(body);
    if (prop.behind) paint_prop(canvas, prop);
    paint_arm(canvas, f.at(body.neck, 2, 4), body.far_arm, body.far_hand, o, 1);
    paint_leg(canvas, f.at(body.pelvis, 0, 2), body.far_leg, o, 1);
    paint_leg(canvas, f.at(body.pelvis, 0, -3), body.near_leg, o, 0);
    canvas.begin_part();
    canvas.capsule(f.at(body.neck, -4, 0), body.neck, 5, Material::skin);
    paint_torso(canvas, body, f, o);
    const Point near_shoulder = f.at(body.neck, 2, -4);
    const auto near_side = [&] {
        paint_arm(canvas, near_shoulder, body.near_arm, body.near_hand, o, 0);
        if (!prop.behind) paint_prop(canvas, prop);
    };
    if (arms == ArmDepth::behind_head) {
        near_side();
        paint_head(canvas);
    } else {
        paint_head(canvas);
        near_side();
    }
}

}  // namespace kelvara::sheetgen
