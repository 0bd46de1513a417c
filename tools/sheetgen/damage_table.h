#pragma once

#include <string_view>

#include "compositor/sheets.h"
#include "compositor/surface.h"
#include "tools/sheetgen/body_art.h"
#include "tools/sheetgen/damage_head.h"

namespace kelvara::sheetgen {

// How the generic head lies on a damage figure.
enum class HeadTurn { upright, face_up, face_down };

struct DamageFigure {
    std::string_view name;
    Skeleton body;
    Outfit outfit;
    Point head;  // top-left of the head's 19 x 19 square in the frame, after turning it
    HeadTurn turn;
    Expression look;
    Finish finish;
};

// Damage figures below this index wear the school uniform.
constexpr int first_other_outfit_damage = 24;
// Cells past the last figure hold only a dash.
constexpr int damage_cells = 60;

DamageFigure damage_figure(int index);

// A 67 x 67 frame with the complete figure, head included.
Surface draw_damage(const DamageFigure& figure);

// The frame of an unused damage cell: a short dash in the middle.
Surface draw_unused_damage_cell();

}  // namespace kelvara::sheetgen
