#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/character_metadata.h"
#include "export/export_paths.h"
#include "help_text.h"
#include "input_output.h"
#include "sprite_options.h"
#include "sprites/character_output.h"

namespace kelvara::cli {

namespace {

struct RenderRequest {
    QString parameters;
    QString output;  // empty: named after the parameter file's first line
    sprites::OutputStyle style;
};

RenderRequest render_request(const CommandLine& line) {
    if (line.positional().size() != 1)
        throw BadInput(QStringLiteral("render takes one parameter file"));
    RenderRequest r;
    r.parameters = line.positional().first();
    r.style.background = background_value(line);
    r.style.scale = scale_value(line);
    r.style.format = line.choice(render_format, QStringLiteral("bmp")) == QLatin1String("png")
                         ? sprites::OutputStyle::Format::png
                         : sprites::OutputStyle::Format::bmp;
    r.style.transparent = line.has(render_transparent);
    if (r.style.transparent && r.style.format != sprites::OutputStyle::Format::png) {
        throw BadInput(QStringLiteral("--transparent needs --format png"));
    }
    r.output = line.output(render_output);
    return r;
}

}  // namespace

int render_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const CommandSpec& spec = command_spec("render");
    CommandLine line(spec.options);
    if (!line.parse(arguments)) {
        out << command_help(spec);
        return exit_ok;
    }
    const RenderRequest r = render_request(line);
    const ParameterRecord record = read_parameters(r.parameters);
    QString path = r.output;
    if (path.isEmpty()) {
        const QString name = export_base_name(record.base_name);
        const QString problem = base_name_problem(name);
        if (!problem.isEmpty()) throw BadInput(problem);
        const bool png = r.style.format == sprites::OutputStyle::Format::png;
        path = export_path(QStringLiteral("."), name,
                           png ? QStringLiteral(".png") : QStringLiteral(".bmp"));
    }
    check_outputs({path});
    sprites::CharacterOutput output;
    return finish(sprites::write_picture(output, record.selection, r.style, path,
                                         character_text(record.base_name, record.selection)),
                  err);
}

}  // namespace kelvara::cli
