#pragma once

#include <QString>

#include "model/editor_state.h"

class QWidget;

namespace kelvara::sprites {

// Asks for a folder and writes the character's sprite set into it, showing progress when it
// takes longer than a moment. The set is the one game engines take, every frame at 1:1 on a
// see-through ground, and named after its folder: the same files, byte for byte, as
// `kelvara-render bundle NAME.txt --transparent -o FOLDER` writes. A failure is reported in the
// "えらー" box naming the file and the reason, and leaves the folder as it was. Whether the set was
// written.
bool export_sprite_set(const EditorState& character, QWidget* parent);

}  // namespace kelvara::sprites
