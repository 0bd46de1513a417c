#include "cli.h"

#include <array>

#include "command_line.h"
#include "commands.h"
#include "help_text.h"
#include "model/version.h"

namespace kelvara::cli {

namespace {

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

// Every command of the renderer; a new command is a file with its function and a line here.
const std::array commands = {
    Command{"render", render_command},   Command{"random", random_command},
    Command{"sheet", sheet_command},     Command{"atlas", atlas_command},
    Command{"animate", animate_command},
};

}  // namespace

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        err << general_help();
        return exit_bad_input;
    }
    const QString& first = arguments.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << general_help();
        return exit_ok;
    }
    if (first == QLatin1String("--version")) {
        out << "kelvara-render " << version_text << "\n";
        return exit_ok;
    }
    try {
        for (const Command& c : commands) {
            if (first == QLatin1String(c.name)) return c.run(arguments.mid(1), out, err);
        }
        throw BadInput{QStringLiteral("unknown command %1").arg(first)};
    } catch (const BadInput& e) {
        err << "kelvara-render: " << e.message << "\n"
            << "Try 'kelvara-render " << (first.startsWith(QLatin1Char('-')) ? QString() : first)
            << " --help'.\n";
        return exit_bad_input;
    }
}

}  // namespace kelvara::cli
