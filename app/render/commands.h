#pragma once

#include <QStringList>
#include <QTextStream>

namespace kelvara::cli {

// One function per command, each in the file of its name. Each takes the arguments after the
// command's name, writes help to out and messages to err, and returns the exit status; bad input
// may also be thrown as BadInput (command_line.h).
int render_command(const QStringList& arguments, QTextStream& out, QTextStream& err);
int random_command(const QStringList& arguments, QTextStream& out, QTextStream& err);
int sheet_command(const QStringList& arguments, QTextStream& out, QTextStream& err);
int atlas_command(const QStringList& arguments, QTextStream& out, QTextStream& err);
int animate_command(const QStringList& arguments, QTextStream& out, QTextStream& err);
int bundle_command(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace kelvara::cli
