#pragma once

#include <QByteArray>
#include <QString>

#include "compositor/sheets.h"
#include "model/editor_state.h"

namespace kelvara {

// The character as it leaves the window by the clipboard or a drag.
struct SpritePicture {
    // A file base name made of the character's sprite type and numbers, in ASCII letters, digits
    // and underscores, so that it is safe in every file system: "kelvara_f012_h034_p005".
    QString name;
    // The saved 63 x 63 picture enlarged to the drawing size, see-through where the background
    // shows, carrying the character's parameters. Empty if it could not be encoded.
    QByteArray png;
    // The parameter file's 15 lines under that name, each ending in a line feed.
    QString parameter_text;
};

// The picture of state's character at state's drawing size. The sprite is drawn anew on the key
// colour, which no palette holds, so exactly the background becomes see-through, even where the
// sprite wears the background's colour.
SpritePicture sprite_picture(const Sheets& sheets, const EditorState& state);

}  // namespace kelvara
