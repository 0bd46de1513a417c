#include "palette_strips.h"

#include <algorithm>
#include <vector>

#include "compositor/sheet_colours.h"
#include "ramp.h"

namespace kelvara::palettegen {

namespace {

constexpr Colour dark_slate = RGB(48, 48, 64);  // the sheets' dark outline colour
constexpr Colour gloss_white = RGB(248, 248, 248);

bool is_template_colour(Colour c) {
    for (Colour t : {accessory_template, eye_template, eye_grey_template, eye_white}) {
        if (c == t) return true;
    }
    for (Colour t : skin_template)
        if (c == t) return true;
    for (Colour t : cloth_template)
        if (c == t) return true;
    for (Colour t : pants_template)
        if (c == t) return true;
    for (Colour t : hair_template)
        if (c == t) return true;
    for (Colour t : line_template)
        if (c == t) return true;
    return false;
}

// A generated colour must never collide with a colour that has a meaning of its own; moving the
// blue channel by one, towards the middle so it never wraps, is invisible.
Colour distinct(Colour c) {
    const int step = blue_of(c) >= 128 ? -1 : 1;
    while (is_reserved_colour(c) || is_template_colour(c) || c == mask_white) {
        c = RGB(red_of(c), green_of(c), blue_of(c) + step);
    }
    return c;
}

void put_row(Surface& strip, int row, const std::vector<Colour>& shades) {
    for (int k = 0; k < static_cast<int>(shades.size()); ++k) strip.SetPixel(k, row, shades[k]);
}

std::vector<Colour> generated(Hsv base, int shades, double spread, bool dark_first) {
    std::vector<Colour> r = ramp_light_to_dark(base, shades, spread);
    for (Colour& c : r) c = distinct(c);
    if (dark_first) std::reverse(r.begin(), r.end());
    return r;
}

// Natural tones first, then fantasy tones as two hue sweeps, vivid and pastel.
std::vector<Hsv> hair_bases() {
    std::vector<Hsv> b = {
        {30, .35, .22},  {25, .50, .30},  {25, .55, .40},  {20, .60, .50}, {30, .55, .55},
        {35, .50, .66},  {10, .65, .55},  {18, .75, .70},  {25, .80, .85}, {20, .45, .86},
        {40, .50, .70},  {45, .62, .86},  {50, .45, .92},  {50, .15, .94}, {45, .20, .74},
        {30, .20, .50},  {220, .05, .58}, {220, .06, .80}, {50, .03, .93}, {225, .45, .26},
        {260, .20, .18},
    };
    for (int i = 0; i < 17; ++i) b.push_back({20.0 * i, .78, .80});
    for (int i = 0; i < 17; ++i) b.push_back({10.0 + 20.0 * i, .38, .90});
    return b;  // 55 entries: 1..55
}

std::vector<Hsv> cloth_bases() {
    // Entries 1..76 except the fixed 5, 19 and 25 (their slots hold a placeholder here).
    std::vector<Hsv> b = {
        {230, .25, .25}, {225, .60, .40}, {215, .70, .50}, {220, .75, .75}, {0, 0, 0},
        {350, .70, .45}, {140, .60, .40}, {120, .50, .50}, {25, .60, .45},  {45, .40, .60},
        {70, .50, .45},  {210, .08, .55}, {210, .06, .75}, {210, .04, .92}, {275, .50, .45},
        {285, .55, .65}, {335, .60, .50}, {355, .75, .70}, {0, 0, 0},       {25, .80, .85},
        {40, .80, .85},  {52, .75, .90},  {85, .70, .75},  {130, .70, .65}, {0, 0, 0},
        {200, .60, .85}, {190, .70, .70}, {245, .60, .55}, {265, .35, .80}, {310, .60, .70},
        {340, .45, .90}, {10, .50, .90},  {35, .30, .85},  {200, .20, .45},
    };
    for (int i = 0; i < 21; ++i) b.push_back({7.0 + 17.0 * i, .65, .58});
    for (int i = 0; i < 21; ++i) b.push_back({15.0 + 17.0 * i, .40, .86});
    return b;  // 76 entries: 1..76
}

std::vector<Hsv> body_bases() {
    return {
        {25, .15, .98},  {25, .25, .95},  {22, .32, .93},  {25, .42, .85},  {35, .40, .75},
        {22, .50, .65},  {18, .55, .50},  {15, .50, .38},  {10, .30, .95},  {40, .30, .95},
        {8, .45, .90},   {28, .55, .70},  {30, .12, .80},  {220, .05, .85}, {10, .35, .35},
        {38, .50, .85},  {120, .40, .70}, {90, .30, .65},  {210, .45, .80}, {225, .55, .55},
        {275, .35, .70}, {0, .60, .75},   {25, .70, .85},  {55, .50, .90},  {0, 0, .60},
        {210, .10, .70}, {0, 0, .82},     {330, .30, .95}, {175, .50, .70}, {290, .20, .85},
        {40, .10, .50},
    };  // 31 entries: 1..31
}

int luma(Colour c) {
    return 299 * red_of(c) + 587 * green_of(c) + 114 * blue_of(c);
}

bool has_gloss_highlight(int entry) {
    return (entry >= 1 && entry <= 8) || entry == 12 || (entry >= 24 && entry <= 30);
}

Surface hair_strip() {
    Surface s(hair_strip_size.columns, hair_strip_size.rows, key_color);
    put_row(s, 0, {hair_template[0], hair_template[1], hair_template[2]});
    const std::vector<Hsv> bases = hair_bases();
    for (int e = 1; e <= 55; ++e) put_row(s, e, generated(bases[e - 1], 3, 1.0, false));
    put_row(s, 56, {dark_slate, dark_slate, dark_slate});
    return s;
}

Surface eye_strip() {
    const Colour eyes[eye_entries] = {
        RGB(66, 49, 66),    RGB(48, 48, 64),    RGB(168, 0, 216),   RGB(0, 184, 0),
        RGB(168, 168, 160), RGB(152, 104, 64),  RGB(248, 56, 56),   RGB(56, 88, 248),
        RGB(0, 24, 184),    RGB(247, 247, 247), RGB(212, 214, 212), RGB(198, 0, 0),
        RGB(189, 123, 123), RGB(214, 82, 49),   RGB(222, 107, 0),   RGB(189, 156, 0),
        RGB(123, 66, 0),    RGB(92, 54, 28),    RGB(90, 206, 156),  RGB(0, 107, 41),
        RGB(82, 132, 181),  RGB(66, 132, 173),  RGB(132, 82, 165),  RGB(165, 66, 148),
        RGB(255, 0, 128),   RGB(107, 107, 99)};
    Surface s(eye_strip_size.columns, eye_strip_size.rows, key_color);
    for (int e = 0; e < eye_entries; ++e) s.SetPixel(0, e, eyes[e]);
    return s;
}

Surface cloth_strip() {
    Surface s(cloth_strip_size.columns, cloth_strip_size.rows, key_color);
    put_row(s, 0, {RGB(96, 96, 112), RGB(136, 136, 168), RGB(184, 184, 200), RGB(240, 240, 248)});
    const std::vector<Hsv> bases = cloth_bases();
    for (int e = 1; e <= 76; ++e) put_row(s, e, generated(bases[e - 1], 4, 1.0, true));
    // The red whose upper shades are the pants templates, the green around the line templates,
    // and the teal that is the cloth template itself.
    put_row(s, 5, {RGB(128, 16, 16), pants_template[0], pants_template[1], pants_template[2]});
    put_row(s, 19, {RGB(32, 72, 8), line_template[0], line_template[1], RGB(168, 216, 104)});
    put_row(s, 25, {cloth_template[0], cloth_template[1], cloth_template[2], cloth_template[3]});
    put_row(s, 77, {dark_slate, dark_slate, dark_slate, dark_slate});
    return s;
}

// Pants and line read this strip: the cloth colours one row lower, under an extra light grey.
Surface cloth23_strip(const Surface& cloth) {
    Surface s(cloth23_strip_size.columns, cloth23_strip_size.rows, key_color);
    put_row(s, 0, {RGB(216, 216, 224), RGB(181, 181, 189), RGB(240, 240, 248), RGB(216, 216, 224)});
    s.PaintPicture(cloth, 0, 1, cloth.width(), cloth.height(), 0, 0, cloth.width(), cloth.height());
    return s;
}

Surface body_strip() {
    Surface s(body_strip_size.columns, body_strip_size.rows, key_color);
    put_row(s, 0, {skin_template[0], skin_template[1], skin_template[2], skin_template[3]});
    const std::vector<Hsv> bases = body_bases();
    for (int e = 1; e <= 31; ++e) {
        if (has_gloss_highlight(e)) {
            // The gloss must stay the lightest shade, so a very light skin is toned down under it.
            Hsv base = bases[e - 1];
            std::vector<Colour> shades = generated(base, 3, 0.8, false);
            while (luma(shades[0]) >= luma(gloss_white)) {
                base.v -= 0.02;
                shades = generated(base, 3, 0.8, false);
            }
            shades.insert(shades.begin(), gloss_white);
            put_row(s, e, shades);
        } else {
            put_row(s, e, generated(bases[e - 1], 4, 1.0, false));
        }
    }
    put_row(s, 32, {dark_slate, dark_slate, dark_slate, dark_slate});
    return s;
}

}  // namespace

bool is_reserved_colour(Colour c) {
    return c == key_color || c == mask_black || c == marker_red || c == accessory_template ||
           c == eye_grey_template || c == eye_white;
}

PaletteStrips generate_palette_strips() {
    PaletteStrips p;
    p.hair_color_set = hair_strip();
    p.eye_color_set = eye_strip();
    p.cloth_color_set = cloth_strip();
    p.cloth_color_23_set = cloth23_strip(p.cloth_color_set);
    p.body_color_set = body_strip();
    return p;
}

}  // namespace kelvara::palettegen
