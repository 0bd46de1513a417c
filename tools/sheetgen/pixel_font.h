#pragma once

#include <string_view>

#include "compositor/sheets.h"
#include "compositor/surface.h"

namespace kelvara::sheetgen {

// A tiny font for the sheet headers: digits and the capitals the labels use, five pixels high,
// one blank column between characters.
constexpr int glyph_height = 5;

// Width in pixels of the text as drawn; characters the font lacks take no room.
int text_width(std::string_view text);

// Draws the text with its top-left at origin.
void draw_text(Surface& target, Point origin, std::string_view text, Colour colour);

// Draws the text centred in the box with top-left `box` and the given size.
void draw_text_centred(Surface& target, Point box, int box_width, int box_height,
                       std::string_view text, Colour colour);

}  // namespace kelvara::sheetgen
