#pragma once

#include <cstddef>
#include <vector>

#include "model/colour.h"
#include "model/pixel_view.h"

namespace kelvara {

// A rectangle of pixels standing for a picture box: a sprite sheet, a palette strip, a hidden
// working surface or the view. Pixels persist whether or not the surface is shown.
//
// A picture box distinguishes its persistent image from the picture the bit operations address;
// here both are the one pixel buffer, so committing the image to the picture needs no step.
class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Colour back_color);

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Colour BackColor() const { return back_color_; }
    void setBackColor(Colour c) { back_color_ = c; }

    // Fills the surface with its back colour.
    void Cls();
    // The same, leaving the rectangle (x, y, w, h) alone: a picture about to be painted there
    // would overwrite those pixels anyway.
    void ClsExcept(int x, int y, int w, int h);

    // Reads outside the surface give invalid_colour; writes outside it are ignored.
    Colour GetPixel(int x, int y) const {
        return contains(x, y) ? pixels_[index(x, y)] : invalid_colour;
    }
    void SetPixel(int x, int y, Colour c) {
        if (contains(x, y)) pixels_[index(x, y)] = c;
    }

    // Copies the source rectangle (x2, y2, w2, h2) onto the destination rectangle
    // (x1, y1, w1, h1) of this surface, every pixel unchanged, the key colour included. Where the
    // sizes differ each destination pixel takes the source pixel it maps to, so a whole-factor
    // enlargement turns each source pixel into a block. Pixels that fall outside either surface
    // are skipped; negative destinations are normal.
    void PaintPicture(const Surface& source, int x1, int y1, int w1, int h1, int x2, int y2, int w2,
                      int h2);

    // The whole picture, rows top to bottom; this is what a bitmap-bits read or write addresses.
    const std::vector<Colour>& bits() const { return pixels_; }
    std::vector<Colour>& bits() { return pixels_; }
    const Colour* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Colour* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    // The whole surface as the file encoders take it.
    PixelView view() const { return {pixels_.data(), width_, height_, width_}; }

    bool operator==(const Surface& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    Colour back_color_ = 0;
    std::vector<Colour> pixels_;
};

enum class RasterOp { SRCPAINT, SRCAND };

// Combines the source rectangle at (sx, sy) into the destination at (x, y), channel by channel:
// SRCPAINT ORs, SRCAND ANDs. The rectangle is clipped to both surfaces.
void BitBlt(Surface& destination, int x, int y, int width, int height, const Surface& source,
            int sx, int sy, RasterOp op);

}  // namespace kelvara
