#pragma once

#include <initializer_list>
#include <string_view>

#include "compositor/sheet_colours.h"
#include "compositor/sheets.h"
#include "compositor/surface.h"

namespace kelvara::sheetgen {

// Small fixed details (eyes, brows, buttons) are written as rows of text, one character a pixel:
//   .  leave the pixel       k  black        d  dark outline    w  white
//   e  eye                   g  eye grey     a  accessory
//   1..4  skin shades, light to dark         5..7  hair shades, light to dark
using StampRows = std::initializer_list<std::string_view>;

// The colour a stamp character paints, or invalid_colour for one that leaves the pixel.
Colour stamp_colour(char c);

// Paints the rows with their first pixel at origin.
void stamp(Surface& target, Point origin, StampRows rows);

// Paints the non-key pixels of source with its top-left at origin.
void overlay(Surface& target, const Surface& source, Point origin);

// The surface turned a quarter turn clockwise `turns` times.
Surface rotated(const Surface& source, int turns);

// The surface mirrored left to right.
Surface mirrored(const Surface& source);

}  // namespace kelvara::sheetgen
