#pragma once

#include <optional>

namespace kelvara {

// Answers --help (-h) and --version (-v) on standard output before any window or display is
// needed, so that they work over a plain terminal and the manual page can be made from them.
// Returns the exit status when one of them was asked for, nothing otherwise.
std::optional<int> answer_info_options(int argc, char* argv[]);

}  // namespace kelvara
