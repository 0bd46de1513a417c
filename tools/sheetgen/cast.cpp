#include "tools/sheetgen/cast.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "compositor/sheets.h"
#include "model/families.h"
#include "tools/sheetgen/head_shape.h"

namespace kelvara::sheetgen {

namespace {

using Options = std::vector<int>;

// What a family's members may wear. An option listed twice comes up twice as often.
struct FamilyStyle {
    Options eyes, brows, noses, ears, cheeks, marks;
    std::vector<Cut> cuts;
    int max_volume;
};

using C = Cut;

constexpr int borrow_after = 2000;

const FamilyStyle& style_of(int index, int attempt) {
    static const FamilyStyle styles[] = {
        // the academy gang: keen eyes, short lively hair, the odd plaster or scar
        {{eyes_round, eyes_sharp, eyes_fierce, eyes_large, eyes_bright},
         {brows_thin, brows_thick, brows_angry},
         {nose_dot, nose_pointed, nose_button},
         {ear_small, ear_large},
         {cheek_plain, cheek_plain, cheek_full},
         {mark_none, mark_none, mark_plaster, mark_scar, mark_headband, mark_nose_tape},
         {C::spiky, C::crew, C::pompadour, C::shaggy, C::side_part, C::spiky},
         2},
        // the technical school's toughs: pompadours and slick hair, hard eyes, scars
        {{eyes_sharp, eyes_sleepy, eyes_cool, eyes_small},
         {brows_angry, brows_thick, brows_faint},
         {nose_pointed, nose_broad, nose_dot},
         {ear_small, ear_large},
         {cheek_plain, cheek_brow_ridge},
         {mark_scar, mark_none, mark_shades, mark_cross_scar},
         {C::pompadour, C::slicked, C::mohawk, C::pompadour},
         2},
        // schoolgirls: large bright eyes, fine brows, long and tied hair
        {{eyes_large, eyes_lashes, eyes_bright, eyes_round, eyes_wide, eyes_cool},
         {brows_thin, brows_arched, brows_faint, brows_worried},
         {nose_dot, nose_button},
         {ear_small, ear_large},
         {cheek_plain, cheek_full},
         {mark_none, mark_none, mark_mole, mark_glasses, mark_plaster},
         {C::long_hair, C::ponytail, C::twin_tails, C::bob, C::bun},
         2},
        // masked fighters: a hood down to the nose, eyes staring out of it
        {{eyes_fierce, eyes_wide, eyes_sharp, eyes_round},
         {brows_thin},
         {nose_pointed, nose_dot},
         {ear_small},
         {cheek_plain},
         {mark_mask},
         {C::hood},
         2},
        // team captains: bright faces, cropped hair, caps and headbands
        {{eyes_round, eyes_bright, eyes_fierce, eyes_wide},
         {brows_thick, brows_thin, brows_angry},
         {nose_dot, nose_button, nose_pointed},
         {ear_small, ear_large},
         {cheek_plain, cheek_full},
         {mark_none, mark_headband, mark_headband, mark_plaster},
         {C::crew, C::cap, C::spiky, C::side_part},
         1},
        // teachers: glasses, tired eyes, neat or thinning hair
        {{eyes_dots, eyes_sleepy, eyes_small, eyes_closed},
         {brows_thick, brows_long, brows_worried},
         {nose_long, nose_broad, nose_pointed},
         {ear_large, ear_small},
         {cheek_plain, cheek_brow_ridge},
         {mark_glasses, mark_glasses, mark_lines, mark_none},
         {C::side_part, C::receding, C::slicked, C::crew},
         1},
        // grown-ups of the shopping street: lined faces, caps, thinning or slick hair
        {{eyes_dots, eyes_small, eyes_sleepy, eyes_round, eyes_cool},
         {brows_thick, brows_long, brows_faint, brows_worried},
         {nose_broad, nose_long, nose_button},
         {ear_large, ear_small},
         {cheek_full, cheek_brow_ridge, cheek_plain},
         {mark_lines, mark_none, mark_shades, mark_mole},
         {C::receding, C::slicked, C::cap, C::afro, C::side_part},
         1},
        // masters of the mountain temple: eyes shut, white brows, topknots and bare crowns
        {{eyes_closed, eyes_sleepy, eyes_small},
         {brows_bushy_white},
         {nose_long, nose_broad},
         {ear_large, ear_pointed},
         {cheek_brow_ridge, cheek_plain},
         {mark_lines, mark_none},
         {C::topknot, C::receding},
         2},
        // bosses of the other schools: big pompadours, scars and dark glasses
        {{eyes_sharp, eyes_fierce, eyes_cool, eyes_sleepy, eyes_small},
         {brows_angry, brows_thick, brows_long},
         {nose_pointed, nose_broad, nose_dot},
         {ear_small, ear_large},
         {cheek_plain, cheek_brow_ridge},
         {mark_scar, mark_shades, mark_none, mark_cross_scar, mark_headband, mark_eyepatch},
         {C::pompadour, C::slicked, C::spiky, C::mohawk, C::pompadour},
         2},
        // the night riders: bandanas, crests and long wild hair, shades and war paint
        {{eyes_sharp, eyes_cool, eyes_fierce, eyes_small},
         {brows_angry, brows_faint, brows_thick},
         {nose_pointed, nose_broad},
         {ear_small, ear_pointed},
         {cheek_plain, cheek_brow_ridge},
         {mark_shades, mark_paint, mark_scar, mark_none, mark_nose_tape},
         {C::bandana, C::mohawk, C::long_hair, C::slicked, C::dreads},
         2},
        // young people of the old town: a little of everything
        {{eyes_round, eyes_sharp, eyes_large, eyes_dots, eyes_sleepy, eyes_cool, eyes_small,
          eyes_bright},
         {brows_thin, brows_thick, brows_angry, brows_worried, brows_faint},
         {nose_dot, nose_pointed, nose_button, nose_broad},
         {ear_small, ear_large},
         {cheek_plain, cheek_full},
         {mark_none, mark_none, mark_plaster, mark_mole, mark_glasses, mark_nose_tape},
         {C::crew, C::spiky, C::shaggy, C::side_part, C::cap, C::bob, C::ponytail, C::bandana},
         2},
        // fighters from abroad: strong noses and brows, afros, crests and locks
        {{eyes_round, eyes_wide, eyes_fierce, eyes_sharp, eyes_bright},
         {brows_thick, brows_long, brows_angry},
         {nose_long, nose_pointed, nose_broad},
         {ear_small, ear_large, ear_pointed},
         {cheek_brow_ridge, cheek_plain},
         {mark_none, mark_paint, mark_scar, mark_headband},
         {C::afro, C::mohawk, C::dreads, C::long_hair, C::crew, C::topknot},
         2},
    };
    // Characters between the runs are a crowd of all sorts.
    static const FamilyStyle crowd{
        {eyes_round, eyes_sharp, eyes_large, eyes_dots, eyes_sleepy, eyes_fierce, eyes_wide,
         eyes_lashes, eyes_cool, eyes_small, eyes_bright},
        {brows_thin, brows_thick, brows_angry, brows_worried, brows_faint, brows_long,
         brows_arched},
        {nose_dot, nose_pointed, nose_long, nose_broad, nose_button},
        {ear_small, ear_large, ear_pointed},
        {cheek_plain, cheek_full, cheek_brow_ridge},
        {mark_none, mark_none, mark_none, mark_plaster, mark_scar, mark_glasses, mark_shades,
         mark_headband, mark_lines, mark_mole, mark_nose_tape, mark_paint},
        {C::crew, C::spiky, C::pompadour, C::slicked, C::long_hair, C::ponytail, C::twin_tails,
         C::bob, C::mohawk, C::cap, C::bandana, C::afro, C::side_part, C::receding, C::shaggy,
         C::dreads, C::bun},
        2};
    // A family whose lists run out of distinct faces borrows from the crowd.
    const int family = families::family_of(index);
    return family < 0 || attempt >= borrow_after ? crowd : styles[family];
}

// A well-mixed number for each character, attempt and feature, so successive attempts wander
// over the family's lists instead of stepping through them in order.
std::uint32_t mix(int index, int attempt, int salt) {
    std::uint64_t z = static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull +
                      static_cast<std::uint64_t>(attempt) * 0xBF58476D1CE4E5B9ull +
                      static_cast<std::uint64_t>(salt) * 0x94D049BB133111EBull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 16);
}

template <typename T>
T pick(const std::vector<T>& options, int index, int attempt, int salt) {
    return options[mix(index, attempt, salt) % options.size()];
}

FaceLook face_candidate(int index, int attempt) {
    const FamilyStyle& s = style_of(index, attempt);
    return {pick(s.eyes, index, attempt, 1),   pick(s.brows, index, attempt, 2),
            pick(s.noses, index, attempt, 3),  pick(s.ears, index, attempt, 4),
            pick(s.cheeks, index, attempt, 5), pick(s.marks, index, attempt, 6)};
}

HairLook hair_candidate(int index, int attempt, const FaceLook& face) {
    const FamilyStyle& s = style_of(index, attempt);
    const auto small = [&](int salt, int limit) {
        return static_cast<int>(mix(index, attempt, salt) % static_cast<std::uint32_t>(limit));
    };
    HairLook h{pick(s.cuts, index, attempt, 7), small(8, s.max_volume + 1), small(9, fringe_styles),
               small(10, lean_styles), small(11, length_styles)};
    // The hair agrees with what the face wears: a hood over a mask, a band over a band.
    if (face.mark == mark_mask) h.cut = Cut::hood;
    if (face.mark == mark_headband && attempt < borrow_after) {
        if (h.cut == Cut::cap || h.cut == Cut::bandana || h.cut == Cut::hood) h.cut = Cut::crew;
        h.band = true;
    }
    return h;
}

// The hairs that mark holes need hair all round them.
bool fixed_hair(int index, HairLook& look) {
    switch (index) {
        case bald_hair:
            look = {Cut::bald, 0, 0, 0, 0};
            return true;
        case 301:
            look = {Cut::long_hair, 1, 1, 0, 1};
            return true;
        case 304:
            look = {Cut::bob, 2, 0, 0, 2};
            return true;
        case 709:
            look = {Cut::pompadour, 1, 0, 1, 1};
            return true;
        default:
            return false;
    }
}

using Pixels = std::vector<Colour>;

// The rows a body shows.
Pixels shown_rows_of(const Pixels& cell) {
    return Pixels(cell.begin(), cell.begin() + head_size * (last_face_row + 1));
}
Pixels shown_rows(const Surface& s) {
    return shown_rows_of(s.bits());
}

int difference(const Pixels& a, const Pixels& b) {
    int d = 0;
    for (std::size_t k = 0; k < a.size(); ++k) d += a[k] != b[k] ? 1 : 0;
    return d;
}

bool far_from_all(const Pixels& p, const std::vector<Pixels>& taken, int at_least) {
    for (const Pixels& t : taken) {
        if (!t.empty() && difference(p, t) < at_least) return false;
    }
    return true;
}

// Early attempts ask for a wide margin, later ones settle for the minimum.
int wanted(int attempt, int minimum) {
    return attempt < 40 ? 2 * minimum : attempt < 200 ? minimum + 2 : minimum;
}

constexpr int max_attempts = 5000;

Pixels head_rows(const Pixels& face, const Pixels& hair) {
    Pixels head = face;
    for (std::size_t k = 0; k < head.size(); ++k) {
        if (hair[k] != key_color) head[k] = hair[k];
    }
    return head;
}

struct Cast {
    std::vector<FaceLook> faces;
    std::vector<HairLook> hairs;
};

const Cast& cast() {
    static const Cast all = [] {
        Cast c;
        c.faces.resize(face_count);
        c.hairs.resize(face_count);
        std::vector<Pixels> face_pixels(face_count);
        std::vector<Surface> face_cells(face_count);
        for (int i = 0; i < face_count; ++i) {
            for (int t = 0;; ++t) {
                if (t == max_attempts)
                    throw std::logic_error("no distinct face left for " + std::to_string(i));
                const FaceLook look = face_candidate(i, t);
                Surface cell = draw_face(look);
                const Pixels p = shown_rows(cell);
                if (far_from_all(p, face_pixels, wanted(t, min_face_difference))) {
                    c.faces[i] = look;
                    face_cells[i] = std::move(cell);
                    face_pixels[i] = p;
                    break;
                }
            }
        }
        // Fixed hairs first, so the others keep clear of them.
        std::vector<Pixels> hair_pixels(face_count);
        std::vector<Pixels> heads(face_count);
        std::vector<int> order;
        for (int i = 0; i < face_count; ++i) {
            HairLook fixed{};
            if (fixed_hair(i, fixed)) {
                c.hairs[i] = fixed;
                const Pixels p = draw_hair_for(fixed, hair_holes(i), face_cells[i]).bits();
                if (i != bald_hair) hair_pixels[i] = p;
                heads[i] = head_rows(face_pixels[i], shown_rows_of(p));
            } else {
                order.push_back(i);
            }
        }
        for (const int i : order) {
            for (int t = 0;; ++t) {
                if (t == max_attempts) {
                    throw std::logic_error("no distinct hair left for " + std::to_string(i));
                }
                const HairLook look = hair_candidate(i, t, c.faces[i]);
                const Pixels p = draw_hair_for(look, {}, face_cells[i]).bits();
                if (!far_from_all(p, hair_pixels, wanted(t, min_hair_difference))) continue;
                const Pixels head = head_rows(face_pixels[i], shown_rows_of(p));
                if (!far_from_all(head, heads, 1)) continue;
                c.hairs[i] = look;
                hair_pixels[i] = p;
                heads[i] = head;
                break;
            }
        }
        return c;
    }();
    return all;
}

}  // namespace

FaceLook face_look(int index) {
    return cast().faces.at(static_cast<std::size_t>(index));
}

HairLook hair_look(int index) {
    return cast().hairs.at(static_cast<std::size_t>(index));
}

}  // namespace kelvara::sheetgen
