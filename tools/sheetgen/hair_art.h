#pragma once

#include <span>

#include "compositor/sheets.h"
#include "compositor/surface.h"

namespace kelvara::sheetgen {

enum class Cut {
    bald,
    crew,
    spiky,
    pompadour,
    slicked,
    long_hair,
    ponytail,
    twin_tails,
    bob,
    mohawk,
    cap,
    bandana,
    afro,
    side_part,
    receding,
    topknot,
    shaggy,
    hood,
    dreads,
    bun,
};
constexpr int cut_count = 20;

// A hair cell's style: a cut and the variations drawn on it, each counting from 0 below its limit.
struct HairLook {
    Cut cut;
    int volume;         // how far the hair stands off the skull, 0..2
    int fringe;         // the edge over the forehead, 0..3
    int lean;           // where the parting or the spikes lean, 0..2
    int length;         // how far it reaches down the back, 0..2
    bool band = false;  // a headband tied over the hair

    bool operator==(const HairLook&) const = default;
};

constexpr int volume_styles = 3;
constexpr int fringe_styles = 4;
constexpr int lean_styles = 3;
constexpr int length_styles = 3;
constexpr int bald_hair = 75;

// Cell pixels of hair `index` that mark holes in the finished head, painted marker red; empty for
// hairs without holes.
std::span<const Point> hair_holes(int index);

// A 19 x 19 hair cell on the key colour, with the given holes opened and marked.
Surface draw_hair(const HairLook& look, std::span<const Point> holes = {});

// The same, drawn for the face it is worn over: where the hair would leave a lone pixel of that
// face showing between strands, it covers it.
Surface draw_hair_for(const HairLook& look, std::span<const Point> holes, const Surface& face);

}  // namespace kelvara::sheetgen
