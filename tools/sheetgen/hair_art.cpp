#include "tools/sheetgen/hair_art.h"

#include <array>
#include <vector>

#include "model/pose_ranges.h"
#include "tools/sheetgen/canvas.h"
#include "tools/sheetgen/head_shape.h"
#include "tools/sheetgen/tidy.h"

namespace kelvara::sheetgen {

namespace {

// The lowest hair row of each cell column; -1 leaves the column bare.
using Hairline = std::array<int, head_size>;

// How far below the fringe row each forehead column (2..11) hangs.
constexpr int fringe_drop[fringe_styles][10] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},     // straight
    {1, 2, 1, 0, 1, 2, 1, 0, 0, 0},     // pointed locks
    {2, 2, 1, 1, 0, 0, 0, -1, -1, -1},  // swept to the front
    {1, 1, 0, -1, -2, -1, 0, 0, 0, 0},  // parted
};

// A cut's edge: the fringe over the forehead, a sideburn before the ear, the nape behind it.
Hairline hairline(int fringe_row, int fringe, int sideburn, int nape) {
    Hairline line{};
    line.fill(-1);
    for (int i = 2; i <= 11; ++i) line[i] = fringe_row + fringe_drop[fringe][i - 2];
    line[0] = line[1] = line[2];
    line[12] = line[13] = sideburn;
    line[14] = line[15] = 5;
    line[16] = nape - 1;
    line[17] = line[18] = nape;
    return line;
}

void cut_below(Canvas& c, const Hairline& line) {
    for (int i = 0; i < head_size; ++i) {
        for (int j = line[i] + 1; j < head_size; ++j) c.erase(i, j);
    }
}

// The hair's mass round the skull, a little fuller at the back.
void dome(Canvas& c, int volume) {
    c.capsule({9, 8}, {10, 8}, 16 + volume, Material::hair);
}

// Locks are parted from the hair under them by its darkest shade, not by an outline, so they
// read as strands of one head of hair.
constexpr PartStyle strand{outline_black, hair_template[2], 0};

void triangle(Canvas& c, Point a, Point b, Point tip) {
    const Point corners[] = {a, b, tip};
    c.polygon(corners, Material::hair);
}

// A lock grows out of the part being painted, so it shapes the outline without lines inside.
void lock(Canvas& c, Point a, Point b, Point tip) {
    triangle(c, a, b, tip);
}

// Locks hanging over the forehead from the crown, their tips on `row`.
void bangs(Canvas& c, int row, int count, int lean) {
    const int shift = lean - 1;
    for (int k = 0; k < count; ++k) {
        const int x = 2 + k * 9 / count;
        lock(c, {x + 1, row - 4}, {x + 5, row - 3}, {x + 1 + shift, row});
    }
}

void headband(Canvas& c, int top) {
    c.begin_part();
    const Point band[] = {{1, top + 1}, {16, top}, {16, top + 3}, {1, top + 3}};
    c.polygon(band, Material::accessory);
    c.capsule({16, top + 2}, {18, top + 5}, 3, Material::accessory);
}

void crew(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    c.capsule({9, 7}, {10, 7}, 15 + s.volume, Material::hair);
    cut_below(c, hairline(3 + s.length / 2, s.fringe, 7, 8 + s.length));
    // A flat top is squared off; bristles stand at the front.
    if (s.lean == 1) {
        c.clip(0, 1, head_size - 1, head_size - 1);
        c.begin_part(strand);
        c.capsule({4, 2}, {14, 2}, 3, Material::hair);
        c.unclip();
    } else if (s.lean == 2) {
        lock(c, {2, 4}, {6, 1}, {1, 1});
    }
}

void spiky(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    c.capsule({9, 7}, {10, 7}, 15 + s.volume % 2, Material::hair);
    cut_below(c, hairline(3, s.fringe, 8, 9 + s.length));
    const int lean = s.lean - 1;
    const int reach = s.volume;
    lock(c, {2, 5}, {6, 2}, {0 - reach / 2, 1 + lean});
    lock(c, {5, 3}, {10, 2}, {5 + lean, 0 - reach});
    lock(c, {9, 2}, {14, 3}, {13 + lean, 0 - reach});
    lock(c, {13, 2}, {16, 6}, {18, 1 + lean});
    if (s.length > 0) lock(c, {15, 5}, {16, 9}, {18, 7 + lean + s.length});
    if (s.fringe % 2 == 1) lock(c, {2, 4}, {6, 4}, {3 + lean, 7});
    if (s.fringe >= 2) lock(c, {2, 3}, {7, 3}, {1, 6 + lean});
}

void pompadour(Canvas& c, const HairLook& s) {
    c.begin_part();
    dome(c, 0);
    cut_below(c, hairline(3, 0, 8, 8 + s.length));
    // The roll stands out over the brow, bigger with volume and lower with the lean; a duck tail
    // sits at the nape.
    c.begin_part(strand);
    c.capsule({4 - s.volume, 2 + s.lean / 2}, {12, 1}, 5 + s.volume, Material::hair);
    if (s.length > 0) lock(c, {14, 6}, {17, 5}, {18, 10 + s.length});
    if (s.fringe == 1) lock(c, {4, 4}, {6, 4}, {4 + s.lean, 7});
    if (s.fringe == 2) lock(c, {2, 3}, {5, 3}, {1, 6});
    if (s.fringe == 3) c.capsule({3, 3}, {2 + s.lean / 2, 7}, 2, Material::hair);
}

void slicked(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume == 2 ? 1 : 0);
    cut_below(c, hairline(4 - s.fringe % 2, 0, 7, 9 + s.length));
    // Combed straight back: strands of their own run from the brow to the nape.
    // Each comb line is a strand's one-pixel edge in the dark shade, so the mass between them
    // keeps its light.
    for (int k = 0; k <= s.lean; ++k) {
        const int y = 2 + 2 * k;
        c.begin_part(strand);
        c.capsule({9 + k, y}, {16, y + 2 + k}, 1, Material::hair);
    }
    const Point tail[] = {{14, 3}, {18, 6}, {18, 9 + s.length}, {15, 8}};
    c.begin_part(strand);
    c.polygon(tail, Material::hair);
    // A strand that will not stay back.
    if (s.fringe >= 2) lock(c, {5, 3}, {7, 3}, {3 + s.fringe, 7});
}

void long_hair(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    Hairline line = hairline(5, s.fringe, 12, 13 + 2 * s.length);
    for (int i = 12; i < head_size; ++i) line[i] = 12 + 2 * s.length;
    line[0] = line[1] = line[2] = 5 + s.fringe % 2;
    const Point drape[] = {{12, 3}, {17, 4}, {18, 18}, {12, 18}};
    c.polygon(drape, Material::hair);
    cut_below(c, line);
    if (s.lean != 1) bangs(c, 6, 3 + s.fringe % 2, s.lean);
    // The far side falls past the cheek in front of the face, down to the jaw's row, and a
    // strand falls in front of the ear: the hair reads as long on the body, which shows no lower.
    c.begin_part(strand);
    const Point far_side[] = {{2, 3}, {4, 4}, {3, 9 + s.length / 2}, {2, 12}, {0, 12}, {0, 6}};
    c.polygon(far_side, Material::hair);
    c.begin_part(strand);
    c.capsule({13, 5}, {13 + s.lean / 2, 11 + s.length}, 3, Material::hair);
}

void ponytail(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    cut_below(c, hairline(3, s.fringe, 8, 8));
    c.begin_part(strand);
    const int root = 2 + s.lean;
    c.capsule({16, root + 1}, {17 + s.volume / 2, 10 + 2 * s.length}, 3 + s.volume, Material::hair);
    c.begin_part();
    c.disc({15, root}, 4, Material::accessory);
    if (s.fringe >= 2) bangs(c, 5, 3, 1);
}

void twin_tails(Canvas& c, const HairLook& s) {
    // The far tail hangs behind, a shade darker.
    c.begin_part({outline_black, outline_dark, 1});
    c.capsule({14, 2}, {17, 9 + 2 * s.length}, 3 + s.volume, Material::hair);
    c.begin_part(strand);
    dome(c, s.volume);
    cut_below(c, hairline(4, s.fringe, 9, 8));
    c.begin_part(strand);
    c.capsule({16, 5}, {18, 12 + 2 * s.length}, 3 + s.volume, Material::hair);
    c.begin_part();
    c.disc({15, 4 - s.lean / 2}, 4, Material::accessory);
    if (s.lean != 0) bangs(c, 6, 3, s.lean);
}

void bob(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    Hairline line = hairline(5, s.fringe, 11, 10 + s.length);
    for (int i = 12; i < head_size; ++i) line[i] = 10 + s.length;
    cut_below(c, line);
    c.begin_part(strand);
    const Point side[] = {{12, 4}, {17, 4}, {17, 10 + s.length}, {13, 11 + s.length}};
    c.polygon(side, Material::hair);
    if (s.lean != 1) bangs(c, 5 + s.lean / 2, 4, s.lean);
    // The far side is cut level with the near one, framing the cheek.
    c.begin_part(strand);
    const Point far_side[] = {
        {2, 3}, {4, 4}, {3, 9}, {3, 10 + s.length / 2}, {0, 10 + s.length / 2}, {0, 6}};
    c.polygon(far_side, Material::hair);
}

void mohawk(Canvas& c, const HairLook& s) {
    // Shaved sides, a shade darker, under a crest of its own.
    c.begin_part({outline_black, outline_dark, 1});
    c.capsule({9, 8}, {10, 8}, 13, Material::hair);
    cut_below(c, hairline(3, 0, 6, 6));
    c.begin_part(strand);
    c.capsule({4, 2}, {15, 2}, 3 + s.volume, Material::hair);
    const int lean = s.lean - 1;
    if (s.fringe != 1) lock(c, {3, 3}, {7, 1}, {1 + lean, -1 + s.length});
    if (s.fringe != 2) lock(c, {7, 1}, {11, 1}, {9 + lean, -1});
    if (s.fringe != 3) lock(c, {11, 1}, {16, 3}, {18, s.length});
}

// Hair under a cap or a bandana, which is a part of its own painted after the hair.
void cap(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    Hairline line = hairline(4, s.fringe, 8, 8 + s.length);
    cut_below(c, line);
    c.begin_part();
    c.clip(0, 0, head_size - 1, 4);
    c.capsule({9, 6}, {10, 6}, 13 + s.volume, Material::accessory);
    c.unclip();
    c.begin_part();
    if (s.lean == 2) {  // worn back to front
        const Point brim[] = {{12, 4}, {18, 3}, {18, 6}, {13, 5}};
        c.polygon(brim, Material::accessory);
    } else {
        const Point brim[] = {{0, 4 + s.lean}, {8, 3}, {8, 5}, {1, 5 + s.lean}};
        c.polygon(brim, Material::accessory);
    }
}

void bandana(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    Hairline line = hairline(4, s.fringe, 8, 8 + s.length);
    cut_below(c, line);
    c.begin_part();
    c.capsule({3, 3 - s.lean / 2}, {15, 2}, 5, Material::accessory);
    c.begin_part();
    c.capsule({16, 3}, {18, 6 + s.length}, 3, Material::accessory);
    c.capsule({16, 3}, {18, 2}, 2, Material::accessory);
    // Hair sticks out under the cloth at the front and the back.
    c.begin_part(strand);
    if (s.fringe % 2 == 1) triangle(c, {2, 5}, {6, 5}, {2 + s.lean, 8});
    if (s.fringe >= 2) triangle(c, {15, 6}, {17, 7}, {18, 11 + s.length});
}

void afro(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    // Round all over: the cell's edges never flatten it.
    const int middle = 7 + s.volume % 2;
    c.capsule({9, middle}, {10, middle}, 15 + 2 * (s.volume % 2), Material::hair);
    Hairline line = hairline(3, s.fringe, 9, 9 + s.length / 2);
    line[0] = line[1] = 5;
    cut_below(c, line);
    if (s.lean != 1) {
        c.begin_part(strand);
        c.disc({5 + 2 * s.lean, 2}, 5, Material::hair);
    }
    if (s.volume == 2) {
        c.begin_part(strand);
        c.disc({16, 5}, 5, Material::hair);
    }
}

void side_part(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume % 2);
    cut_below(c, hairline(3, 0, 8, 8 + s.length));
    // The longer side sweeps from the parting over the brow.
    const int part = 9 + s.lean;
    c.begin_part(strand);
    const Point sweep[] = {{part, 1}, {part + 1, 3}, {2, 5 + s.fringe % 2}, {2, 3}, {5, 1}};
    c.polygon(sweep, Material::hair);
    if (s.fringe >= 2) lock(c, {3, 4}, {6, 4}, {3, 7});
}

void receding(Canvas& c, const HairLook& s) {
    // Hair left at the back and sides; the bare crown is the face cell's skull.
    c.begin_part(strand);
    dome(c, s.volume);
    Hairline line = hairline(1, 0, 8, 9 + s.length);
    cut_below(c, line);
    for (int j = 0; j < head_size; ++j) {
        for (int i = 0; i < 10 + s.lean; ++i) c.erase(i, j);
    }
    if (s.fringe == 1) {  // strands combed over the crown
        c.begin_part(strand);
        c.capsule({5, 2}, {13, 1}, 2, Material::hair);
    } else if (s.fringe == 2) {  // a forelock hanging on
        lock(c, {4, 1}, {7, 1}, {4, 4});
    }
}

void topknot(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    cut_below(c, hairline(1, 0, 9, 10 + s.length));
    for (int j = 0; j < head_size; ++j) {
        for (int i = 0; i < 11; ++i) c.erase(i, j);
    }
    c.begin_part(strand);
    c.capsule({10, 2}, {16, 4}, 3, Material::hair);
    c.begin_part(strand);
    c.disc({11 + s.lean, 0}, 4 + s.volume / 2, Material::hair);
    c.begin_part();
    c.capsule({11 + s.lean, 2}, {12 + s.lean, 2}, 2, Material::accessory);
}

void shaggy(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    cut_below(c, hairline(3, s.fringe, 9, 10 + s.length));
    // Locks round the edge, each its own cluster.
    bangs(c, 6, 3 + s.lean % 2, s.lean);
    lock(c, {12, 5}, {14, 5}, {12, 9});
    lock(c, {15, 5}, {18, 6}, {17 + s.length / 2, 11 + s.length});
}

void hood(Canvas& c, const HairLook& s) {
    // The top of the mask the face cell wears, laced at the back, with a crest or a fin.
    c.begin_part();
    c.clip(0, 0, head_size - 1, 7);
    c.capsule({9, 7}, {10, 7}, 16, Material::accessory);
    c.unclip();
    const Point laces[] = {{14, 5}, {18, 7}, {18, 10 + s.length}, {15, 9}};
    c.polygon(laces, Material::accessory);
    if (s.fringe % 2 == 0) {
        lock(c, {4 + s.volume, 1}, {14, 1}, {9 + s.lean, -2});
    } else {
        c.begin_part(strand);
        c.capsule({3, 1}, {15, 2 - s.lean / 2}, 2 + s.volume, Material::hair);
    }
}

void dreads(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    cut_below(c, hairline(3, s.fringe, 7, 8));
    const int drop = 10 + 2 * s.length;
    for (int k = 0; k < 3 + s.volume; ++k) {
        c.begin_part(strand);
        const int x = 12 + 2 * k;
        c.capsule({x - 1, 3}, {x + s.lean - 1, drop - k}, 2, Material::hair);
    }
}

void bun(Canvas& c, const HairLook& s) {
    c.begin_part(strand);
    dome(c, s.volume);
    cut_below(c, hairline(3, s.fringe, 9, 8));
    c.begin_part(strand);
    c.disc({15, 2 + s.lean}, 5 + s.volume / 2, Material::hair);
    if (s.length > 0) bangs(c, 6, 4, s.length);
}

// The canvas shades each part on its own, so thin locks come out almost all in the dark shade.
// Hair is lit again as one mass: the mid shade for its body, a sheen in the light shade across the
// crown on the lit side, the dark shade only where the mass turns away at the back and bottom.
// Parts painted a shade darker on purpose, such as a far tail, keep their shading.
class Relight {
  public:
    Relight(const Canvas& c, Surface& hair) : c_(c), hair_(hair) {}

    void run() {
        std::vector<bool> far(static_cast<std::size_t>(head_size * head_size + 1), false);
        for (int y = 0; y < head_size; ++y) {
            for (int x = 0; x < head_size; ++x) {
                if (fill(x, y) && enclosed(x, y) && hair_.GetPixel(x, y) == hair_template[2]) {
                    far[static_cast<std::size_t>(c_.part_at(x, y))] = true;
                }
            }
        }
        for (int y = 0; y < head_size; ++y) {
            for (int x = 0; x < head_size; ++x) {
                if (!fill(x, y) || far[static_cast<std::size_t>(c_.part_at(x, y))]) continue;
                hair_.SetPixel(x, y, hair_template[static_cast<std::size_t>(tone(x, y))]);
            }
        }
    }

  private:
    bool hair_at(int x, int y) const { return c_.material_at(x, y) == Material::hair; }
    // An edge pixel carries a line; fill pixels are shaded.
    bool edge(int x, int y) const {
        const int part = c_.part_at(x, y);
        for (const Point& n : steps) {
            if (c_.part_at(x + n.x, y + n.y) < part) return true;
        }
        return x == 0 || y == 0 || x == head_size - 1 || y == head_size - 1;
    }
    bool fill(int x, int y) const { return hair_at(x, y) && !edge(x, y); }
    bool enclosed(int x, int y) const {
        for (const Point& n : steps) {
            if (!fill(x + n.x, y + n.y) || c_.part_at(x + n.x, y + n.y) != c_.part_at(x, y)) {
                return false;
            }
        }
        return true;
    }
    // How many pixels of hair lie above this one before the mass ends.
    int depth(int x, int y) const {
        int d = 0;
        while (y - d - 1 >= 0 && hair_at(x, y - d - 1)) ++d;
        return d;
    }
    bool silhouette_edge(int x, int y) const {
        return c_.part_at(x, y) == 0 || x >= head_size || y >= head_size;
    }
    int tone(int x, int y) const {
        // The sheen: just under the outline of the crown, widest over the brow.
        const int d = depth(x, y);
        const int reach = x >= 4 && x <= 9 ? 2 : 1;
        if (y <= 6 && x >= 2 && x <= 11 && d >= 1 && d <= reach) return 0;
        // The back and the underside turn away from the light.
        const bool right_end = !hair_at(x + 1, y) || silhouette_edge(x + 2, y);
        const bool low_end = !hair_at(x, y + 1) || silhouette_edge(x, y + 2);
        if (right_end && low_end) return 2;
        if (right_end && x >= 13 && y >= 4) return 2;
        return 1;
    }

    static constexpr Point steps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    const Canvas& c_;
    Surface& hair_;
};

// A lock's tip drawn a pixel wide is all outline, a thread of black or a lone dot off the
// mass; the last pixel of every such thread goes.
void trim_tips(Canvas& c) {
    constexpr Point steps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    std::vector<Point> loose;
    for (int y = 0; y < head_size; ++y) {
        for (int x = 0; x < head_size; ++x) {
            if (c.part_at(x, y) == 0) continue;
            int held = 0;
            for (const Point& n : steps) held += c.part_at(x + n.x, y + n.y) != 0 ? 1 : 0;
            if (held <= 1) loose.push_back({x, y});
        }
    }
    for (const Point& p : loose) c.erase(p.x, p.y);
}

// The holes of each hair that has them, in the order of hairs_with_holes.
constexpr Point holes_first[] = {{15, 7}, {15, 8}, {15, 9}};
constexpr Point holes_second[] = {{15, 7}, {15, 8}};
constexpr Point holes_third[] = {{6, 4}};
constexpr std::array<std::span<const Point>, hairs_with_holes.size()> hole_sets = {
    holes_first, holes_second, holes_third};

}  // namespace

std::span<const Point> hair_holes(int index) {
    for (std::size_t k = 0; k < hairs_with_holes.size(); ++k) {
        if (hairs_with_holes[k] == index) return hole_sets[k];
    }
    return {};
}

Surface draw_hair(const HairLook& look, std::span<const Point> holes) {
    using CutPainter = void (*)(Canvas&, const HairLook&);
    // In the order of Cut, bald left out.
    static constexpr CutPainter painters[cut_count - 1] = {
        crew,    spiky, pompadour, slicked,  long_hair, ponytail, twin_tails, bob,    mohawk, cap,
        bandana, afro,  side_part, receding, topknot,   shaggy,   hood,       dreads, bun};
    Canvas c(head_size, head_size);
    if (look.cut == Cut::bald) return c.render();
    painters[static_cast<int>(look.cut) - 1](c, look);
    if (look.band) headband(c, 1);
    trim_tips(c);
    // The jaw stays bare, so it meets the jaw every body draws; hair falls behind it. On the
    // jaw's row a lock may still hang beside it, clear of its outline.
    for (int j = last_face_row; j < head_size; ++j) {
        for (int i = j == last_face_row ? jaw_left : 0; i <= jaw_right; ++i) c.erase(i, j);
    }
    // Opening the hole before rendering rings it with outline, like a gap between strands.
    for (const Point& h : holes) c.erase(h.x, h.y);
    Surface hair = c.render();
    Relight(c, hair).run();
    merge_specks(hair, hair_template);
    for (const Point& h : holes) hair.SetPixel(h.x, h.y, marker_red);
    return hair;
}

Surface draw_hair_for(const HairLook& look, std::span<const Point> holes, const Surface& face) {
    Surface hair = draw_hair(look, holes);
    seal_gaps(hair, face, last_face_row + 1);
    return hair;
}

}  // namespace kelvara::sheetgen
