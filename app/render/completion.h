#pragma once

#include <QString>

namespace kelvara::cli {

// The bash completion of kelvara-render, made from the declarations of its commands and options:
// the commands, each command's options, the choices an option's value has, the animations'
// names, and file or folder names where the value or argument is a file or a folder.
QString bash_completion();

}  // namespace kelvara::cli
