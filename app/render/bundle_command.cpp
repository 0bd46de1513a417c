#include <QDir>

#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "help_text.h"
#include "input_output.h"
#include "sprite_options.h"
#include "sprites/output_check.h"
#include "sprites/sprite_bundle.h"

namespace kelvara::cli {

namespace {

// Bad input unless every file of the bundle may be written: a file where the folder or one of
// its subfolders should be, a folder closed to writing, or something other than a file at one
// of the names.
void check_bundle_folder(const QString& folder, const QString& name) {
    QMap<QString, QStringList> by_folder;
    for (const QString& path : sprites::bundle_paths(name)) {
        const QString file = QDir(folder).filePath(path);
        by_folder[QFileInfo(file).path()] << file;
    }
    for (auto it = by_folder.cbegin(); it != by_folder.cend(); ++it) {
        if (const FileStatus can = sprites::check_output_folder(it.key(), it.value()); !can) {
            throw BadInput(describe(can.error()));
        }
    }
}

}  // namespace

int bundle_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const CommandSpec& spec = command_spec("bundle");
    CommandLine line(spec.options);
    if (!line.parse(arguments)) {
        out << command_help(spec);
        return exit_ok;
    }
    if (line.positional().size() != 1)
        throw BadInput(QStringLiteral("bundle takes one parameter file"));
    const QString folder = line.output(bundle_output);
    if (folder.isEmpty()) throw BadInput(QStringLiteral("bundle needs -o DIR"));
    sprites::BundleRequest r;
    r.style = sprite_style(line);
    r.jobs = jobs_value(line);
    r.name = sprites::bundle_name(folder);
    r.selection = read_parameters(line.positional().first()).selection;
    check_bundle_folder(folder, r.name);
    return finish(sprites::write_bundle(sprites::CharacterOutput(), r, folder), err);
}

}  // namespace kelvara::cli
