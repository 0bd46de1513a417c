#pragma once

#include <QString>
#include <QStringList>

#include "options.h"

namespace kelvara::cli {

// Help for the program as a whole and for each command, in English and then in Japanese, made
// from the declarations of the commands and their options.
QString general_help();
QString command_help(const CommandDeclaration& command);

// "1 to 8" and "1から8".
QString range_text(const Range& range);
QString range_text_ja(const Range& range);
// "a", "a or b", "a, b or c".
QString either(const QStringList& words);

}  // namespace kelvara::cli
