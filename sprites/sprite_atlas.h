#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "grid.h"
#include "sprite_frames.h"

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

// The atlas described in the JSON array layout that game engines import: a rectangle, a name and
// a duration per frame, and the animations whose frames stand side by side as frame tags. The
// carried text, if any, goes in meta.kelvara (see export/character_metadata.h).
QByteArray atlas_json(const std::vector<SpriteFrame>& frames, const Grid& grid, int scale,
                      const QString& image_file_name, const formats::EmbeddedText& carried = {});

// The atlas as a PNG at png_path and its description at json_path, which names the PNG by its
// file name. The PNG is removed again when the JSON cannot be written: it is of no use without.
FileStatus write_atlas(const CharacterOutput& output, const AtlasRequest& request,
                       const QString& png_path, const QString& json_path);

}  // namespace kelvara::sprites
