#pragma once

#include <array>

#include "model/colour.h"

namespace kelvara {

// The four fixed colours of the sprite sheets and the working surfaces.
constexpr Colour key_color = RGB(0, 255, 0);       // transparent pixel
constexpr Colour mask_black = RGB(0, 0, 0);        // key pixels of the hair mask
constexpr Colour mask_white = RGB(255, 255, 255);  // all other mask pixels; key pixels of the hair
constexpr Colour marker_red = RGB(255, 0, 0);      // hole in the finished head (three hair cells)

// The template colours the sheets are painted in; recolouring replaces each by the colour the
// user's selection picks from a palette. They are pairwise distinct and differ from the four
// sheet colours above.
constexpr Colour accessory_template = RGB(255, 255, 0);
constexpr Colour eye_template = RGB(0, 24, 184);
constexpr Colour eye_grey_template = RGB(192, 192, 216);
constexpr Colour eye_white = RGB(255, 255, 239);

// Shade k is element k - 1. Skin and hair run light to dark, cloth dark to light.
constexpr std::array<Colour, 4> skin_template = {RGB(248, 248, 224), RGB(248, 208, 168),
                                                 RGB(216, 160, 112), RGB(168, 112, 64)};
constexpr std::array<Colour, 4> cloth_template = {RGB(16, 128, 128), RGB(8, 192, 192),
                                                  RGB(104, 232, 232), RGB(192, 240, 240)};
constexpr std::array<Colour, 3> pants_template = {RGB(208, 24, 24), RGB(232, 104, 104),
                                                  RGB(240, 192, 192)};
constexpr std::array<Colour, 3> hair_template = {RGB(200, 160, 112), RGB(144, 112, 40),
                                                 RGB(88, 64, 16)};
constexpr std::array<Colour, 2> line_template = {RGB(64, 120, 16), RGB(96, 168, 24)};

// Colours the art may use besides the templates: outlines and highlights.
constexpr Colour outline_black = RGB(0, 0, 0);
constexpr Colour outline_dark = RGB(48, 48, 64);
constexpr Colour highlight_white = RGB(255, 255, 255);

}  // namespace kelvara
