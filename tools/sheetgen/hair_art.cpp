#include "tools/sheetgen/hair_art.h"

#include <array>

#include "tools/sheetgen/canvas.h"
#include "tools/sheetgen/head_shape.h"

namespace kelvara::sheetgen {

namespace {

// The lowest hair row of each cell column; -1 leaves the column bare.
using Hairline = std::array<int, head_size>;

// How far below the fringe row each forehead column (2..11) hangs.
constexpr int fringe_drop[fringe_styles][10] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   // straight
    {1, 1, 0, 1, 1, 0, 1, 1, 0, 0},   // jagged
    {2, 2, 1, 1, 1, 0, 0, 0, 0, 0},   // swept forward
    {1, 1, 1, 0, -1, 0, 1, 1, 0, 0},  // parted
};

// A short cut's edge: fringe over the forehead, a sideburn before the ear, the nape behind it.
Hairline short_hairline(const HairStyle& s, int fringe_row) {
    Hairline line{};
    line.fill(-1);
    for (int i = 2; i <= 11; ++i) line[i] = fringe_row + fringe_drop[s.fringe][i - 2];
    line[12] = 9;
    line[13] = line[14] = line[15] = 7;
    line[16] = 8 + s.length;
    line[17] = line[18] = 9 + s.length;
    return line;
}

// The hair's mass around the skull, a little fuller at the back.
void dome(Canvas& c, int volume) {
    c.disc({9, 7}, 15 + 2 * volume, Material::hair);
    c.disc({10, 7}, 15 + 2 * volume, Material::hair);
}

void cut_below(Canvas& c, const Hairline& line) {
    for (int i = 0; i < head_size; ++i) {
        for (int j = line[i] + 1; j < head_size; ++j) c.erase(i, j);
    }
}

void triangle(Canvas& c, Point a, Point b, Point tip) {
    const Point corners[] = {a, b, tip};
    c.polygon(corners, Material::hair);
}

void crew(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, s.volume);
    cut_below(c, short_hairline(s, 4 + s.length / 2));
    // Tufts roughen the crown.
    triangle(c, {12, 1}, {15, 3}, {17, 1 + s.fringe % 2});
    if (s.length > 0) triangle(c, {3, 3}, {5, 1}, {1, 2});
}

void spiky(Canvas& c, const HairStyle& s) {
    c.begin_part();
    // A tighter mass leaves room in the cell for the spikes.
    c.disc({9, 8}, 13 + 2 * s.volume, Material::hair);
    c.disc({10, 8}, 13 + 2 * s.volume, Material::hair);
    cut_below(c, short_hairline(s, 5));
    const int lean = s.length - 1;
    triangle(c, {2, 5}, {6, 2}, {0, 1 + lean});
    triangle(c, {5, 3}, {10, 2}, {6 + lean, 0});
    triangle(c, {9, 2}, {14, 3}, {13 + lean, 0});
    triangle(c, {13, 2}, {16, 6}, {18, 1 + s.volume});
    triangle(c, {15, 5}, {16, 9}, {18, 7 + lean});
    if (s.fringe % 2 == 1) triangle(c, {2, 4}, {5, 5}, {1, 8});
}

void long_hair(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, s.volume);
    Hairline line = short_hairline(s, 6);
    line[2] = line[3] = 11;
    for (int i = 12; i < head_size; ++i) line[i] = 13 + 2 * s.length;
    const Point drape[] = {{12, 3}, {17, 5}, {18, 17}, {12, 17}};
    c.polygon(drape, Material::hair);
    cut_below(c, line);
}

void pompadour(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, 0);
    cut_below(c, short_hairline(s, 3));
    c.disc({5 - s.volume, 2}, 7 + 2 * s.volume, Material::hair);
    c.capsule({5, 1}, {14, 3}, 5, Material::hair);
    // Forelocks falling from the wave.
    if (s.fringe % 2 == 1) c.capsule({5, 4}, {5, 6}, 2, Material::hair);
    if (s.fringe >= 2) c.capsule({3, 3}, {2, 6}, 3, Material::hair);
}

void bob(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, s.volume);
    Hairline line = short_hairline(s, 6);
    line[2] = line[3] = 9;
    for (int i = 12; i < head_size; ++i) line[i] = 10 + s.length;
    cut_below(c, line);
    const Point side[] = {{12, 4}, {17, 5}, {17, 10 + s.length}, {12, 10 + s.length}};
    c.polygon(side, Material::hair);
}

void ponytail(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, 0);
    cut_below(c, short_hairline(s, 3));
    c.capsule({15, 4}, {17, 10 + 2 * s.length}, 4 + s.volume, Material::hair);
    c.begin_part();
    c.disc({15, 4}, 3, Material::accessory);
}

void afro(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, 2);
    constexpr Point bumps[] = {{3, 3}, {7, 0}, {12, 0}, {16, 3}, {17, 8}};
    for (const Point& b : bumps) c.disc(b, 5 + s.volume, Material::hair);
    Hairline line = short_hairline(s, 4);
    line[0] = line[1] = 5;
    cut_below(c, line);
}

void mohawk(Canvas& c, const HairStyle& s) {
    // Shaved sides, a shade darker, under a crest that is a part of its own.
    c.begin_part({outline_black, outline_dark, 1});
    c.disc({9, 8}, 13, Material::hair);
    c.disc({10, 8}, 13, Material::hair);
    Hairline line = short_hairline(s, 3);
    for (int i = 12; i < head_size; ++i) line[i] = 6;
    cut_below(c, line);
    c.begin_part();
    c.capsule({4, 3}, {15, 3}, 3 + s.volume, Material::hair);
    const int lean = s.length - 1;
    // The fringe style picks which of the crest's spikes stand.
    if (s.fringe != 1) triangle(c, {3, 3}, {7, 1}, {2 + lean, 0});
    if (s.fringe != 2) triangle(c, {7, 1}, {11, 1}, {9 + lean, 0});
    if (s.fringe != 3) triangle(c, {11, 1}, {16, 3}, {17, lean + 1});
}

// Hair under the cap or bandana, which is a part of its own painted after the hair.
void cap(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, 0);
    Hairline line = short_hairline(s, 6);
    for (int i = 12; i < head_size; ++i) line[i] = 9 + s.length;
    cut_below(c, line);
    c.begin_part();
    c.clip(0, 0, head_size - 1, 4);
    c.disc({9, 6}, 13 + s.volume, Material::accessory);
    c.disc({10, 6}, 13 + s.volume, Material::accessory);
    c.unclip();
    const Point brim[] = {{0, 5}, {8, 4}, {8, 6}, {1, 6}};
    c.polygon(brim, Material::accessory);
}

void bandana(Canvas& c, const HairStyle& s) {
    c.begin_part();
    dome(c, s.volume);
    Hairline line = short_hairline(s, 5);
    for (int i = 13; i < head_size; ++i) line[i] = 8 + s.length;
    cut_below(c, line);
    c.begin_part();
    c.capsule({3, 3}, {15, 2}, 4, Material::accessory);
    c.capsule({16, 3}, {18, 6 + s.length}, 3, Material::accessory);
}

// Light streaks run over the crown and the back, dark strands fall at the ends; both touch only
// hair, so they show under a cap or a band as well.
void paint_accent(Surface& s, int accent) {
    const auto is_hair = [&](int x, int y) {
        const Colour c = s.GetPixel(x, y);
        return c == hair_template[0] || c == hair_template[1] || c == hair_template[2];
    };
    if (accent == 1) {
        for (int i : {4, 5, 6, 7, 8, 9, 13, 14, 15}) {
            int seen = 0;
            for (int j = 0; j < head_size && seen < 2; ++j) {
                if (is_hair(i, j) && ++seen == 2) s.SetPixel(i, j, hair_template[0]);
            }
        }
    } else if (accent == 2) {
        for (int i : {5, 9, 13, 16}) {
            int seen = 0;
            for (int j = head_size - 1; j >= 0 && seen < 2; --j) {
                if (is_hair(i, j)) {
                    s.SetPixel(i, j, hair_template[2]);
                    ++seen;
                }
            }
        }
    }
}

constexpr Point holes_301[] = {{15, 7}, {15, 8}, {15, 9}};
constexpr Point holes_304[] = {{15, 7}, {15, 8}};
constexpr Point holes_709[] = {{6, 4}};

}  // namespace

HairStyle hair_style(int index) {
    if (index == bald_hair) return {HairCut::bald, 0, 0, 0, 0};
    // Hairs with holes need hair all round the hole.
    if (index == 301) return {HairCut::long_hair, 1, 1, 1, 2};
    if (index == 304) return {HairCut::bob, 3, 1, 2, 0};
    if (index == 709) return {HairCut::pompadour, 0, 1, 0, 1};
    // The cut follows the index's last digit, so each sheet row holds one cut. The variations
    // step through their combinations by a stride coprime to their number, so no two hairs of a
    // cut share them.
    constexpr int variants = fringe_styles * volume_styles * length_styles * accent_styles;
    static_assert(face_count / hair_cut_count < variants);
    const int cut = index % hair_cut_count;
    int code = (index / hair_cut_count * 31) % variants;
    HairStyle s{static_cast<HairCut>(cut + 1), 0, 0, 0, 0};
    s.fringe = code % fringe_styles;
    code /= fringe_styles;
    s.volume = code % volume_styles;
    code /= volume_styles;
    s.length = code % length_styles;
    code /= length_styles;
    s.accent = code % accent_styles;
    return s;
}

std::span<const Point> hair_holes(int index) {
    switch (index) {
        case 301:
            return holes_301;
        case 304:
            return holes_304;
        case 709:
            return holes_709;
        default:
            return {};
    }
}

Surface draw_hair(const HairStyle& style, std::span<const Point> holes) {
    using CutPainter = void (*)(Canvas&, const HairStyle&);
    // In the order of HairCut, bald left out.
    static constexpr CutPainter painters[hair_cut_count] = {
        crew, spiky, long_hair, pompadour, cap, bob, ponytail, afro, mohawk, bandana};
    Canvas c(head_size, head_size);
    if (style.cut == HairCut::bald) return c.render();
    painters[static_cast<int>(style.cut) - 1](c, style);
    // Opening the hole before rendering rings it with outline, like a gap between strands.
    for (const Point& h : holes) c.erase(h.x, h.y);
    Surface hair = c.render();
    paint_accent(hair, style.accent);
    for (const Point& h : holes) hair.SetPixel(h.x, h.y, marker_red);
    return hair;
}

}  // namespace kelvara::sheetgen
