#pragma once

#include "compositor/surface.h"

namespace kelvara::sheetgen {

// The look on the generic head the damage figures wear.
enum class Expression { wince, gasp, dazed, out_cold, charred };

// How a figure has been hurt beyond a blow.
enum class Finish { none, burnt, frozen };

// A 19 x 19 head facing left, drawn on the same skull as the faces, under a short mop of hair in
// the hair template, so it recolours with the character's skin and hair; finished like its body.
Surface damage_head(Expression look, Finish finish);

// The same head lying on its side, crown to the left, face up or face down, with the features
// drawn for that view.
Surface lying_damage_head(Expression look, Finish finish, bool face_up);

// Scorched or iced over: every shade moves to the finish's colours by how light it was, so the
// light still comes from the same side; outlines stay. Skin and cloth keep apart (the clothes
// stay in their templates when burnt), so outfits still tell apart.
void apply_finish(Surface& frame, Finish finish);

}  // namespace kelvara::sheetgen
