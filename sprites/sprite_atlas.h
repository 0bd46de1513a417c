#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <vector>

#include "sprite_frames.h"

namespace kelvara::cli {

// Frames of one size laid out row by row without gaps, left to right, top to bottom.
struct AtlasLayout {
    int count = 0;
    int columns = 1;  // never more than there are frames
    int tile = 0;     // the side of a frame in pixels

    int rows() const { return (count + columns - 1) / columns; }
    int width() const { return columns * tile; }
    int height() const { return rows() * tile; }
    QRect cell(int k) const { return {(k % columns) * tile, (k / columns) * tile, tile, tile}; }
};

AtlasLayout atlas_layout(int count, int columns, int scale);

// Every frame drawn into its cell; the cells past the last frame show the ground. The frames are
// drawn by `jobs` threads, each in a workspace of its own; the atlas is the same for any number.
Surface draw_atlas(const CharacterOutput& output, const EditorState& selection,
                   const std::vector<SpriteFrame>& frames, const SpriteStyle& style,
                   const AtlasLayout& layout, int jobs = 1);

// The atlas described in the JSON array layout that game engines import: a rectangle, a name and
// a duration per frame, and the animations whose frames stand side by side as frame tags.
QByteArray atlas_json(const std::vector<SpriteFrame>& frames, const AtlasLayout& layout, int scale,
                      const QString& image_file_name);

}  // namespace kelvara::cli
