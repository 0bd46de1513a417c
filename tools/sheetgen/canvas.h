#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "compositor/sheets.h"
#include "compositor/surface.h"
#include "tools/sheetgen/materials.h"

namespace kelvara::sheetgen {

// How a part's edge and body are painted.
struct PartStyle {
    Colour outline = outline_black;       // edge against empty space
    Colour inner_outline = outline_dark;  // edge against a part painted before it
    int tone_bias = 0;  // +1 paints the whole part a shade darker, as for a far limb
};

// A drawing in progress. Every pixel records the part that covers it and its material; parts are
// painted in order, each over the ones before. render() then outlines every part and shades it
// from its material's ramp, so drawing routines describe shapes and never pick colours.
class Canvas {
  public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Starts a new part and returns its number; shapes go into it until the next call.
    int begin_part(const PartStyle& style = {});

    // Limits painting to the rectangle from (left, top) to (right, bottom) inclusive, so a shape
    // can be cut off without losing what lies under the cut-off part.
    void clip(int left, int top, int right, int bottom);
    void unclip() { clip(0, 0, width_ - 1, height_ - 1); }

    void plot(int x, int y, Material m);
    // Clears a pixel whatever covers it, so a hole opens in the parts there.
    void erase(int x, int y);
    // A stroke of the given width in pixels with round ends. Odd widths centre on the points'
    // pixels, even widths on the corner to their lower right.
    void capsule(Point a, Point b, int thickness, Material m);
    void disc(Point centre, int thickness, Material m);
    // Fills the convex polygon whose corners are the centres of the given pixels.
    void polygon(std::span<const Point> corners, Material m);
    // Fills the pixels marked `on` in the rows of text, the first row at `origin`.
    void mask(Point origin, std::span<const std::string_view> rows, char on, Material m);

    int part_at(int x, int y) const;
    Material material_at(int x, int y) const;

    // The painted picture on the key colour.
    Surface render() const;

  private:
    struct Pixel {
        std::uint16_t part = 0;  // 0 is empty; parts count from 1 in painting order
        Material material = Material::none;
    };

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    const Pixel& at(int x, int y) const { return pixels_[y * width_ + x]; }
    bool is_edge(int x, int y, bool& against_empty) const;
    bool faces_the_light(int x, int y, const std::vector<bool>& edge) const;
    bool catches_light(int x, int y, const std::vector<bool>& edge) const;
    Colour shade(int x, int y, const std::vector<bool>& edge) const;

    int width_;
    int height_;
    int clip_left_ = 0;
    int clip_top_ = 0;
    int clip_right_;
    int clip_bottom_;
    std::vector<Pixel> pixels_;
    std::vector<PartStyle> parts_;  // parts_[k - 1] styles part k
};

}  // namespace kelvara::sheetgen
