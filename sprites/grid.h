#pragma once

#include <QRect>
#include <QtGlobal>

namespace kelvara::sprites {

// The largest picture drawn (a contact sheet, an atlas or a strip), on each side: the limit many
// image readers share, and at this size already a gigabyte of pixels.
constexpr int largest_picture_side = 16384;
// The largest texture many GPUs take, WebGL in a browser among them: a larger atlas is drawn
// black or not at all there, so it is written with a warning.
constexpr int common_texture_side = 8192;

// Pictures of one size laid out row by row without gaps, left to right, top to bottom: an atlas's
// frames, a contact sheet's characters, an animation strip's frames (one row).
struct Grid {
    int count = 0;
    int columns = 1;  // at least one, and never more than there are pictures
    int cell_width = 0;
    int cell_height = 0;

    int rows() const { return (count + columns - 1) / columns; }
    // In 64 bits: a long sheet's height overflows an int long before memory runs out.
    qint64 width() const { return qint64{columns} * cell_width; }
    qint64 height() const { return qint64{rows()} * cell_height; }
    // Whether the picture stays within largest_picture_side; only then may it be drawn.
    bool fits() const {
        return width() <= largest_picture_side && height() <= largest_picture_side;
    }
    bool fits_common_textures() const {
        return width() <= common_texture_side && height() <= common_texture_side;
    }
    QRect cell(int k) const {
        return {(k % columns) * cell_width, (k / columns) * cell_height, cell_width, cell_height};
    }
};

// count pictures of cell_width x cell_height in rows of at most columns.
constexpr Grid grid_of(int count, int columns, int cell_width, int cell_height) {
    return {count, qMax(1, qMin(columns, count)), cell_width, cell_height};
}

}  // namespace kelvara::sprites
