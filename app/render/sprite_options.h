#pragma once

#include <QString>

#include "command_line.h"
#include "sprite_frames.h"

namespace kelvara::cli {

// --background, --scale and --transparent of the sprite-set commands; throws BadInput.
SpriteStyle sprite_style(const CommandLine& line);

// Why a file cannot be written at path (its folder is missing or closed to writing, or a folder
// stands in its place), or an empty string. Checked for every output before anything is drawn,
// so that a bad output path writes nothing.
QString output_problem(const QString& path);

}  // namespace kelvara::cli
