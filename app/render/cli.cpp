#include "cli.h"

#include <array>

#include "command_line.h"
#include "commands.h"
#include "help_text.h"
#include "model/version.h"

namespace kelvara::cli {

namespace {

const QString program_name = QStringLiteral("kelvara-render");

struct Command {
    const char* name;
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
};

// Every command of the renderer; a new command is a file with its function, a line here and its
// declaration in options.cpp.
const std::array commands = {
    Command{"render", render_command},   Command{"random", random_command},
    Command{"sheet", sheet_command},     Command{"atlas", atlas_command},
    Command{"animate", animate_command}, Command{"bundle", bundle_command},
};

}  // namespace

void report(QTextStream& err, const QString& message) {
    err << program_name << ": " << message << "\n";
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty()) {
        err << general_help();
        return exit_bad_input;
    }
    const QString& first = arguments.first();
    if (first == spelled(help_option) || first == QLatin1Char('-') + text(help_option.short_name)) {
        out << general_help();
        return exit_ok;
    }
    if (first == spelled(version_option)) {
        out << program_name << " " << version_text << "\n";
        return exit_ok;
    }
    try {
        for (const Command& c : commands) {
            if (first == QLatin1String(c.name)) return c.run(arguments.mid(1), out, err);
        }
        throw BadInput(QStringLiteral("unknown command %1").arg(first));
    } catch (const BadInput& e) {
        report(err, e.message());
        err << "Try '" << program_name << " "
            << (first.startsWith(QLatin1Char('-')) ? QString() : first) << " --help'.\n";
        return exit_bad_input;
    }
}

}  // namespace kelvara::cli
