#pragma once

#include <QStringList>
#include <QTextStream>

namespace kelvara::cli {

// kelvara-render atlas: every pose of one character in one PNG, with its JSON description.
int atlas_command(const QStringList& arguments, QTextStream& out, QTextStream& err);
// kelvara-render animate: one of the catalogue's animations as a looping GIF or a PNG strip.
int animate_command(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace kelvara::cli
