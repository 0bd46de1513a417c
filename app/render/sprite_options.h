#pragma once

#include "command_line.h"
#include "model/colour.h"
#include "sprites/sprite_frames.h"

namespace kelvara::cli {

// The values of the options several commands share; each throws BadInput.

// --background: grey (the default), green, white or a hex colour.
Colour background_value(const CommandLine& line);
// --scale: 1 by default.
int scale_value(const CommandLine& line);
// --jobs: by default one per core.
int jobs_value(const CommandLine& line);
// --columns: 16 by default.
int columns_value(const CommandLine& line);
// --background, --scale and --transparent of the sprite-set commands.
sprites::SpriteStyle sprite_style(const CommandLine& line);

}  // namespace kelvara::cli
