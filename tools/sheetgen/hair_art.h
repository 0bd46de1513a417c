#pragma once

#include <span>

#include "compositor/sheets.h"
#include "compositor/surface.h"

namespace kelvara::sheetgen {

enum class HairCut {
    bald,
    crew,
    spiky,
    long_hair,
    pompadour,
    cap,
    bob,
    ponytail,
    afro,
    mohawk,
    bandana
};
constexpr int hair_cut_count = 10;  // every cut but bald

// A hair cell's style: a cut and the variations drawn on it, each counting from 0 below its limit.
struct HairStyle {
    HairCut cut;
    int fringe;  // shape of the edge over the forehead
    int volume;  // how far the hair stands off the skull
    int length;  // how far it reaches down the back
    int accent;  // 0 plain, 1 light streaks, 2 dark strands
};

constexpr int fringe_styles = 4;
constexpr int volume_styles = 2;
constexpr int length_styles = 3;
constexpr int accent_styles = 3;
constexpr int bald_hair = 75;

// The style of hair cell `index`.
HairStyle hair_style(int index);

// Cell pixels of hair `index` that mark holes in the finished head, painted marker red; empty for
// hairs without holes.
std::span<const Point> hair_holes(int index);

// A 19 x 19 hair cell on the key colour, with the given holes opened and marked.
Surface draw_hair(const HairStyle& style, std::span<const Point> holes = {});

}  // namespace kelvara::sheetgen
