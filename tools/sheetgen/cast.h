#pragma once

#include "tools/sheetgen/face_art.h"
#include "tools/sheetgen/hair_art.h"

namespace kelvara::sheetgen {

// Who each character is: the face and the hair drawn for character number `index` (0..711).
// Each family draws its features from its own short lists, so its members share a look; within
// those lists every character takes the first combination, in an order fixed by its number, that
// sets its face, its hair and its whole head clearly apart from every character before it.
FaceLook face_look(int index);
HairLook hair_look(int index);

// How far apart the choice keeps them, in pixels: faces in the rows a body shows, hairs over the
// whole cell (their backs and tails differ below those rows too).
constexpr int min_face_difference = 6;
constexpr int min_hair_difference = 8;

}  // namespace kelvara::sheetgen
