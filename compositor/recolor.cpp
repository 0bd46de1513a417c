#include "compositor/recolor.h"

#include "compositor/sheet_colours.h"

namespace kelvara {

WorkingColourSet working_colour_set(const EditorState& s) {
    const Palettes& p = s.palettes;
    const auto& body = p.body_palette[s.body_color_num];
    const auto& cloth = p.cloth_palette[s.cloth_color_num];
    const auto& hair = p.hair_palette[s.hair_color_num];
    const auto& pants = p.cloth23_palette[s.cloth2_color_num];
    const auto& line = p.cloth23_palette[s.cloth3_color_num];
    // The matte options drop the highlight: shade 1 of skin, shade 4 of cloth colour 1.
    const bool skin_matte = s.body_matte_flg != 0;
    const bool cloth_matte = s.cloth_matte_flg != 0;
    return {{
        {skin_template[0], skin_matte ? body[2] : body[1]},
        {skin_template[1], body[2]},
        {skin_template[2], body[3]},
        {skin_template[3], body[4]},
        {eye_template, p.eye_palette[s.eye_color_num]},
        {cloth_template[0], cloth[1]},
        {cloth_template[1], cloth[2]},
        {cloth_template[2], cloth[3]},
        {cloth_template[3], cloth_matte ? cloth[3] : cloth[4]},
        {hair_template[0], hair[1]},
        {hair_template[1], hair[2]},
        {hair_template[2], hair[3]},
        {pants_template[0], pants[2]},
        {pants_template[1], pants[3]},
        {pants_template[2], pants[4]},
        {key_color, s.back_color},
        {accessory_template, p.accessory_palette[s.accessory_color_num]},
        {line_template[0], line[2]},
        {line_template[1], line[3]},
    }};
}

namespace {

// The template colours are pairwise distinct, so at most one rule applies to a pixel and the
// compare order cannot change the outcome: a small hash table replaces the ordered scan.
class ReplacementTable {
  public:
    explicit ReplacementTable(const WorkingColourSet& set, bool whiten_eye_grey) {
        for (const Replacement& r : set) insert(r);
        if (whiten_eye_grey) insert({eye_grey_template, eye_white});
    }

    Colour apply(Colour c) const {
        for (unsigned slot = hash(c);; slot = (slot + 1) & (size - 1)) {
            if (!used_[slot]) return c;
            if (from_[slot] == c) return to_[slot];
        }
    }

  private:
    static constexpr unsigned size = 64;  // a power of two, well above the 20 entries
    static unsigned hash(Colour c) { return (c * 2654435761u) >> 26; }

    void insert(const Replacement& r) {
        unsigned slot = hash(r.from);
        while (used_[slot]) slot = (slot + 1) & (size - 1);
        used_[slot] = true;
        from_[slot] = r.from;
        to_[slot] = r.to;
    }

    std::array<bool, size> used_{};
    std::array<Colour, size> from_{};
    std::array<Colour, size> to_{};
};

}  // namespace

void recolor_sprite(const EditorState& state, Surface& pre_pic) {
    const ReplacementTable table(working_colour_set(state), state.eye_grey_flg == 0);
    for (Colour& c : pre_pic.bits()) c = table.apply(c);
}

}  // namespace kelvara
