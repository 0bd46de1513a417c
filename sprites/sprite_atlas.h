#pragma once

#include <QPoint>
#include <QString>
#include <vector>

#include "grid.h"
#include "sprite_set.h"

namespace kelvara::sprites {

// One character's sprite set in one picture: which frames, in rows of how many, how they look,
// and on how many threads they are drawn (the atlas is the same for any number).
struct AtlasRequest {
    EditorState selection;
    FrameSet frames = FrameSet::all;
    int columns = 16;
    SpriteStyle style;
    int jobs = 1;
    formats::EmbeddedText text;  // carried by the PNG and the JSON
};

// The cells of count frames at the style's scale.
Grid atlas_grid(int count, int columns, int scale);
// The cells of the request's frames.
Grid atlas_grid(const AtlasRequest& request);

// Every frame drawn into its cell; the cells past the last frame show the ground. The frames are
// drawn by `jobs` threads, each in a workspace of its own. The grid must fit.
Surface draw_atlas(const CharacterOutput& output, const EditorState& selection,
                   const std::vector<SpriteFrame>& frames, const SpriteStyle& style,
                   const Grid& grid, int jobs = 1);

// A character's sprite set drawn: its frame list, the atlas of its cells and the point every
// frame stands on. The files of a set (the atlas, its JSON, the Aseprite and Godot files, the
// animations) are all made from this, so that no cell is drawn twice.
struct DrawnSet {
    SpriteSet set;
    Surface atlas;
    QPoint pivot;
};
DrawnSet draw_set(const CharacterOutput& output, const AtlasRequest& request);

// A cell of the atlas as the file encoders take it, without a copy.
PixelView cell_view(const DrawnSet& drawn, int frame);

// The atlas as a PNG at png_path and its description at json_path, which leads to the PNG by a
// relative path. Both are written before either is replaced: a failure leaves both files as they
// were.
FileStatus write_atlas(const CharacterOutput& output, const AtlasRequest& request,
                       const QString& png_path, const QString& json_path);

}  // namespace kelvara::sprites
