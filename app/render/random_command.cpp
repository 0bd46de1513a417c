#include <unistd.h>

#include <QDir>
#include <cstdio>

#include "sprites/character_output.h"
#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/export_paths.h"
#include "export/file_error.h"
#include "export/parameter_file.h"
#include "help_text.h"
#include "input_output.h"
#include "random/random_generation.h"
#include "sprites/random_batch.h"

namespace kelvara::cli {

namespace {

CommandLine random_options() {
    return CommandLine({value_option(QStringLiteral("count"), QStringLiteral("N")),
                        value_option(QStringLiteral("seed"), QStringLiteral("S")),
                        value_option(QStringLiteral("items"), QStringLiteral("LIST")),
                        value_option(QStringLiteral("type"), QStringLiteral("TYPE")),
                        value_option(QStringLiteral("out"), QStringLiteral("DIR")),
                        value_option(QStringLiteral("background"), QStringLiteral("COLOUR")),
                        jobs_option_declaration()});
}

// The random flags from --items, or the start-up ones.
void set_random_flags(EditorState& s, const CommandLine& line) {
    if (!line.has(QStringLiteral("items"))) return;  // the start-up flags
    for (const RandomItemInfo& info : random_items) s.*info.flag = 0;
    for (const QString& wanted : line.value(QStringLiteral("items")).split(QLatin1Char(','))) {
        bool known = false;
        for (const RandomItemInfo& info : random_items) {
            if (wanted.trimmed() == QLatin1String(info.name.data(), info.name.size())) {
                s.*info.flag = 1;
                known = true;
            }
        }
        if (!known) {
            throw BadInput{QStringLiteral("--items: unknown item \"%1\"").arg(shortened(wanted))};
        }
    }
}

void set_type(EditorState& s, const CommandLine& line) {
    const QString type = line.value(QStringLiteral("type"));
    if (type == QStringLiteral("だめーじ") || type == QLatin1String("damage")) {
        s.type_flg = 1;
    } else if (!type.isEmpty() && type != QStringLiteral("かおづら") &&
               type != QLatin1String("face")) {
        throw BadInput{QStringLiteral("--type takes かおづら or だめーじ (or face or damage)")};
    }
}

void seed_source(RandomSource& source, const CommandLine& line) {
    if (!line.has(QStringLiteral("seed"))) {
        source.seed_from_clock();
        return;
    }
    const auto seed = plain_number(line.value(QStringLiteral("seed")), 0xFFFFFFFFll);
    if (!seed) throw BadInput{QStringLiteral("--seed takes a whole number from 0 to 4294967295")};
    source.seed(static_cast<std::uint32_t>(*seed));
}

}  // namespace

int random_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line = random_options();
    if (!line.parse(arguments)) {
        out << random_help();
        return exit_ok;
    }
    if (!line.positional().isEmpty()) throw BadInput{QStringLiteral("random takes no file names")};
    const auto count = whole_number(line.value(QStringLiteral("count")), 1, 100000);
    if (!count) throw BadInput{QStringLiteral("--count takes a whole number from 1 to 100000")};
    const QString folder = line.value(QStringLiteral("out"));
    if (folder.isEmpty()) throw BadInput{QStringLiteral("random needs --out DIR")};

    EditorState s = start_up_selection();
    set_random_flags(s, line);
    set_type(s, line);
    const Colour background = background_option(line);
    RandomSource source;
    seed_source(source, line);
    const int jobs = jobs_option(line);
    // Every selection is drawn before any is rendered, so the batch does not depend on the jobs.
    const RandomBatch batch(s, *count, source);
    const QString bmp = QStringLiteral(".bmp");
    const QString txt = QStringLiteral(".txt");
    QStringList targets;
    for (int i = 0; i < *count; ++i) {
        targets << export_path(folder, batch.name(i), bmp)
                << export_path(folder, batch.name(i), txt);
    }
    check_targets(targets);

    if (!QDir().mkpath(folder)) {
        err << "kelvara-render: "
            << describe(FileError{folder, QStringLiteral("cannot make the folder")}) << "\n";
        return exit_write_failed;
    }
    const bool progress = isatty(fileno(stderr)) != 0 && *count >= 20;
    const QString problem =
        write_random_batch(batch, folder, background, jobs, CharacterOutput(), err, progress);
    if (problem.isEmpty()) return exit_ok;
    err << "kelvara-render: " << problem << "\n";
    return exit_write_failed;
}

}  // namespace kelvara::cli
