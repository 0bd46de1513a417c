#pragma once

#include <span>

#include "compositor/surface.h"

namespace kelvara::sheetgen {

// Shading thin shapes by rule leaves lone pixels of a tone; at this size they read as noise.
// Each pixel in one of `tones` that shares its colour with none of its four neighbours takes the
// tone most of those neighbours have (the darker on a tie), or, with none of the tones beside it,
// the colour most of its neighbours have; so every tone lies in clusters.
void merge_specks(Surface& s, std::span<const Colour> tones);

// Where the hair leaves a lone pixel of the face showing between its strands, the hair covers it
// in the colour most of its neighbours have. Only the first `rows` rows, the ones a body shows.
void seal_gaps(Surface& hair, const Surface& face, int rows);

}  // namespace kelvara::sheetgen
