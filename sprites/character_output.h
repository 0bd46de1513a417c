#pragma once

#include <memory>
#include <mutex>

#include "compositor/palettes.h"
#include "compositor/sheets.h"
#include "compositor/workspace.h"
#include "export/file_error.h"
#include "formats/embedded_text.h"
#include "formats/encoded.h"
#include "model/editor_state.h"

namespace kelvara::sprites {

// How one character's picture file looks.
struct OutputStyle {
    enum class Format { bmp, png };
    Colour background = default_back_color;
    int scale = 1;
    Format format = Format::bmp;
    bool transparent = false;  // PNG only: the background becomes see-through
};

// Turns selections into pictures with the program's own sheets, palettes and export code, so
// that a file equals the one the save dialog writes for the same selections. A copy shares the
// decoded sheets and palettes, which are only read, and has its own working surfaces: one copy per
// thread draws in parallel. Each sheet is unpacked when a picture first needs it (the heads for
// any picture, the poses or the damage figures for their sprite type), once for all copies, so
// that a short run unpacks only what it draws from.
class CharacterOutput {
  public:
    CharacterOutput();

    // The same picture drawn in the caller's workspace, so that several can be drawn at once.
    Surface picture(const EditorState& selection, Colour background, Workspace& workspace) const;

    // The 63 x 63 picture the save dialog would save, on the given background.
    Surface picture(const EditorState& selection, Colour background);

    // The file's bytes in the given style; a PNG carries the text given (a BMP never does).
    formats::Encoded file_bytes(const EditorState& selection, const OutputStyle& style,
                                const formats::EmbeddedText& text = {});

    // The picture enlarged by whole pixels.
    static Surface enlarged(const Surface& picture, int scale);

  private:
    struct Art {
        Sheets sheets;
        Palettes palettes;
        std::once_flag heads_unpacked;
        std::once_flag poses_unpacked;
        std::once_flag damage_unpacked;
    };
    // The sheets with those that the selection's picture needs unpacked.
    const Sheets& sheets_for(const EditorState& selection) const;

    std::shared_ptr<Art> art_;
    Workspace workspace_;
};

// The character's picture file written to path in the given style, a PNG with the text given.
FileStatus write_picture(CharacterOutput& output, const EditorState& selection,
                         const OutputStyle& style, const QString& path,
                         const formats::EmbeddedText& text = {});

}  // namespace kelvara::sprites
