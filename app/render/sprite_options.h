#pragma once

#include <QStringList>

#include "command_line.h"
#include "sprites/sprite_frames.h"

namespace kelvara::cli {

// --background, --scale and --transparent of the sprite-set commands; throws BadInput.
SpriteStyle sprite_style(const CommandLine& line);

// Bad input unless every path may be written: something other than a file stands there, or its
// folder is missing or closed to writing. Checked before anything is drawn, so that a bad output
// path writes nothing.
void check_outputs(const QStringList& paths);

}  // namespace kelvara::cli
