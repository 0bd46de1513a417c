#pragma once

#include <QIcon>

#include "compositor/surface.h"

namespace kelvara {

// The window icon, shared by every window of the program: the head and shoulders of the composed
// start-up character, in several sizes.
QIcon character_icon(const Surface& sprite);

}  // namespace kelvara
