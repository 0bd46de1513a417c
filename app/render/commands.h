#pragma once

#include <QTextStream>

namespace kelvara::cli {

class CommandLine;

// One function per command, each in the file of its name. Each takes its command line, parsed
// against the command's declared options (help has already been answered), writes listings to
// out and messages to err, and returns the exit status; bad input may also be thrown as BadInput
// (command_line.h).
int render_command(const CommandLine& line, QTextStream& out, QTextStream& err);
int random_command(const CommandLine& line, QTextStream& out, QTextStream& err);
int sheet_command(const CommandLine& line, QTextStream& out, QTextStream& err);
int atlas_command(const CommandLine& line, QTextStream& out, QTextStream& err);
int animate_command(const CommandLine& line, QTextStream& out, QTextStream& err);
int bundle_command(const CommandLine& line, QTextStream& out, QTextStream& err);

}  // namespace kelvara::cli
