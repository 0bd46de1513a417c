#include "tools/sheetgen/body_art.h"

#include <algorithm>
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

// The darkest shade of a material, for a seam between two parts of the same figure.
Colour deepest(Material m) {
    const Ramp r = ramp_of(m);
    return r.tones[static_cast<std::size_t>(r.count - 1)];
}

// A near limb crossing the body is parted from it by its own darkest shade rather than a black
// line, so the arm reads as lying on the chest instead of cutting it; the far limbs keep the
// dark line, which sets them back.
PartStyle limb_style(Material m, int bias) {
    return {outline_black, bias == 0 ? deepest(m) : outline_dark, bias};
}

void paint_arm(Canvas& c, Point shoulder, const Limb& arm, Hand hand, const OutfitStyle& o,
               int bias) {
    const Material arm_material = o.sleeves == Cover::full ? o.top : Material::skin;
    const PartStyle style = limb_style(arm_material, bias);
    c.begin_part(style);
    c.capsule(shoulder, arm.joint, 4, arm_material);
    c.capsule(arm.joint, arm.end, 4, arm_material);
    if (o.sleeves == Cover::full && o.trim != Material::none) {
        c.capsule(lerp(arm.joint, arm.end, 3, 4), lerp(arm.joint, arm.end, 3, 4), 4, o.trim);
    }
    if (o.sleeves == Cover::half) {
        c.begin_part(limb_style(o.top, bias));
        c.capsule(shoulder, lerp(shoulder, arm.joint, 2, 3), 5, o.top);
    }
    c.begin_part(limb_style(Material::skin, bias));
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
    // Seen lying down the torso is its depth, not its width: a slimmer chest with rounded
    // shoulders, so a figure on the ground reads as a body rather than a box.
    const bool lying = std::abs(f.along_y) < 0.5;
    const int chest = lying ? 5 : 6;
    const int waist = lying ? 4 : 5;
    const int shoulder = lying ? 3 : 2;
    const Point corners[] = {f.at(b.neck, 0, 3),
                             f.at(b.neck, shoulder, chest),
                             f.at(hem, -1, waist),
                             f.at(hem, 0, waist - 1),
                             f.at(hem, 0, 1 - waist),
                             f.at(hem, -1, -waist),
                             f.at(b.neck, shoulder, -chest),
                             f.at(b.neck, 0, -3)};
    c.polygon(corners, o.top);
    // Two buttons of two pixels each, side by side along the spine: single pixels read as specks
    // at this size.
    if (o.buttons) {
        const bool upright = std::abs(f.along_y) >= std::abs(f.along_x);
        for (const int k : {3, 7}) {
            const Point p = f.at(b.neck, k, 2);
            c.plot(p.x, p.y, Material::accessory);
            c.plot(p.x + (upright ? 0 : 1), p.y + (upright ? 1 : 0), Material::accessory);
        }
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
    if (prop.kind == PropKind::dust) {
        // A billow rolling forward off the foot along the ground, tapering away from it.
        c.disc(prop.at, 7, Material::prop);
        c.disc({prop.at.x - 5, prop.at.y + 1}, 5, Material::prop);
        c.disc({prop.at.x - 9, prop.at.y + 2}, 3, Material::prop);
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

void drop_button_specks(Surface& frame) {
    const auto accessory = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < frame.width() && y < frame.height() &&
               frame.GetPixel(x, y) == accessory_template;
    };
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (!accessory(x, y) || accessory(x - 1, y) || accessory(x + 1, y) ||
                accessory(x, y - 1) || accessory(x, y + 1)) {
                continue;
            }
            // The cloth around it: the pixel above lies on the same button row's cloth.
            const Colour above = frame.GetPixel(x, y - 1);
            const Colour below = frame.GetPixel(x, y + 1);
            const bool cloth_above = std::find(cloth_template.begin(), cloth_template.end(),
                                               above) != cloth_template.end();
            frame.SetPixel(x, y, cloth_above ? above : below);
        }
    }
}

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
