#include "cli.h"

#include <algorithm>
#include <array>
#include <new>

#include "command_line.h"
#include "commands.h"
#include "export/file_error.h"
#include "help_text.h"
#include "input_output.h"
#include "model/version.h"

namespace kelvara::cli {

namespace {

const QString program_name = QStringLiteral("kelvara-render");

struct Command {
    const char* name;
    int (*run)(const CommandLine& line, QTextStream& out, QTextStream& err);
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
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const Command& c) {
        return first == QLatin1String(c.name);
    });
    try {
        if (command == commands.end()) {
            throw BadInput(QStringLiteral("unknown command %1").arg(shortened(first)));
        }
        const CommandDeclaration& declared = command_declaration(command->name);
        CommandLine line(declared.options);
        if (!line.parse(arguments.mid(1))) {
            out << command_help(declared);
            return exit_ok;
        }
        return command->run(line, out, err);
    } catch (const BadInput& e) {
        report(err, e.message());
        // An unknown command is not echoed again: the message has already shown it, shortened.
        err << "Try '" << program_name
            << (command != commands.end() ? QLatin1Char(' ') + first : QString()) << " --help'.\n";
        return exit_bad_input;
    } catch (const std::bad_alloc&) {
        report(err, out_of_memory_message());
        return exit_write_failed;
    }
}

}  // namespace kelvara::cli
