#pragma once

#include <QString>

namespace kelvara::cli {

// Help for the program as a whole and for each command, in English and then in Japanese.
QString general_help();
QString render_help();
QString random_help();
QString sheet_help();
QString atlas_help();
QString animate_help();

}  // namespace kelvara::cli
