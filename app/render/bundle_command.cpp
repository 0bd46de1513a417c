#include <QDir>

#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "input_output.h"
#include "sprite_options.h"
#include "sprites/sprite_bundle.h"

namespace kelvara::cli {

namespace {

// Bad input unless every file of the bundle may be written (see check_batch_folder): a file or
// a link where the folder or one of its subfolders should be, a folder closed to writing,
// something other than a file at one of the names, or a name that is the parameter file's.
void check_bundle_folder(const QString& folder, const QString& name, const QString& input) {
    QStringList paths;
    for (const QString& path : sprites::bundle_paths(name)) paths << QDir(folder).filePath(path);
    check_batch_folder(folder, paths, {input});
}

}  // namespace

int bundle_command(const CommandLine& line, QTextStream& /*out*/, QTextStream& err) {
    if (line.positional().size() != 1)
        throw BadInput(QStringLiteral("bundle takes one parameter file"));
    const QString folder = line.output(bundle_output);
    if (folder.isEmpty()) throw BadInput(QStringLiteral("bundle needs -o DIR"));
    sprites::BundleRequest r;
    r.style = sprite_style(line);
    r.jobs = jobs_value(line);
    r.name = sprites::bundle_name(folder);
    r.selection = read_parameters(line.positional().first()).selection;
    check_bundle_folder(folder, r.name, line.positional().first());
    return finish(sprites::write_bundle(sprites::CharacterOutput(), r, folder, waiting_report(err)),
                  err);
}

}  // namespace kelvara::cli
