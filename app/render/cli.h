#pragma once

#include <QStringList>
#include <QTextStream>

namespace kelvara::cli {

// Exit statuses: 0 done, 1 a file could not be written, 2 bad input (nothing drawn or written).
constexpr int exit_ok = 0;
constexpr int exit_write_failed = 1;
constexpr int exit_bad_input = 2;

// Runs one command line (without the program name) of the renderer: one of the commands of
// options.cpp, --help or --version. Messages for the user go to err, help to out.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

// A message for the user on err, after the program's name: "kelvara-render: MESSAGE".
void report(QTextStream& err, const QString& message);

}  // namespace kelvara::cli
