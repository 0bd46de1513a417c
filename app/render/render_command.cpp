#include "sprites/character_output.h"
#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/export_paths.h"
#include "export/file_error.h"
#include "help_text.h"
#include "input_output.h"

namespace kelvara::cli {

namespace {

CommandLine render_options() {
    return CommandLine({value_option(QStringLiteral("o"), QStringLiteral("OUT")),
                        value_option(QStringLiteral("background"), QStringLiteral("COLOUR")),
                        value_option(QStringLiteral("scale"), QStringLiteral("N")),
                        value_option(QStringLiteral("format"), QStringLiteral("FORMAT")),
                        flag_option(QStringLiteral("transparent"))});
}

}  // namespace

int render_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line = render_options();
    if (!line.parse(arguments)) {
        out << render_help();
        return exit_ok;
    }
    if (line.positional().size() != 1)
        throw BadInput{QStringLiteral("render takes one parameter file")};

    OutputStyle style;
    style.background = background_option(line);
    style.scale = scale_option(line);
    const QString format = line.has(QStringLiteral("format")) ? line.value(QStringLiteral("format"))
                                                              : QStringLiteral("bmp");
    if (format != QLatin1String("bmp") && format != QLatin1String("png")) {
        throw BadInput{QStringLiteral("--format takes bmp or png")};
    }
    style.format =
        format == QLatin1String("png") ? OutputStyle::Format::png : OutputStyle::Format::bmp;
    style.transparent = line.has(QStringLiteral("transparent"));
    if (style.transparent && style.format != OutputStyle::Format::png) {
        throw BadInput{QStringLiteral("--transparent needs --format png")};
    }

    const ParameterRecord record = read_parameters(line.positional().first());
    QString path = output_option(line, QStringLiteral("o"));
    if (path.isEmpty()) {
        const QString name = export_base_name(record.base_name);
        const QString problem = base_name_problem(name);
        if (!problem.isEmpty()) throw BadInput{problem};
        path = export_path(QStringLiteral("."), name, QLatin1Char('.') + format);
    }
    check_targets({path});
    CharacterOutput output;
    const QByteArray bytes = output.file_bytes(record.selection, style);
    if (bytes.isEmpty()) {
        err << "kelvara-render: "
            << describe(FileError{path, QStringLiteral("the picture could not be encoded")})
            << "\n";
        return exit_write_failed;
    }
    return write_output(path, bytes, err) ? exit_ok : exit_write_failed;
}

}  // namespace kelvara::cli
