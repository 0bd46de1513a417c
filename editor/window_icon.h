#pragma once

#include <QIcon>

namespace kelvara {

// The window icon, shared by every window of the program: the generator's drawing of a character,
// carried with the program in several sizes.
QIcon window_icon();

}  // namespace kelvara
