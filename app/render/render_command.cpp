#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/character_metadata.h"
#include "export/export_paths.h"
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

// The name on a parameter file's first line without the characters that would move a terminal's
// cursor or recolour its text when the file is listed.
QString without_control_characters(const QString& name) {
    QString kept;
    for (const QChar c : name) {
        if (c.category() != QChar::Other_Control) kept += c;
    }
    return kept;
}

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

int render_command(const CommandLine& line, QTextStream& /*out*/, QTextStream& err) {
    const RenderRequest r = render_request(line);
    const ParameterRecord record = read_parameters(r.parameters);
    QString path = r.output;
    const bool png = r.style.format == sprites::OutputStyle::Format::png;
    if (path.isEmpty()) {
        const QString name = export_base_name(without_control_characters(record.base_name));
        const QString problem = base_name_problem(name);
        if (!problem.isEmpty()) throw BadInput(problem);
        path = export_path(QStringLiteral("."), name,
                           png ? QStringLiteral(".png") : QStringLiteral(".bmp"));
    }
    check_outputs({{path, png ? ".png" : ".bmp"}}, {r.parameters});
    sprites::CharacterOutput output;
    return finish(sprites::write_picture(output, record.selection, r.style, path,
                                         character_text(record.base_name, record.selection)),
                  err);
}

}  // namespace kelvara::cli
