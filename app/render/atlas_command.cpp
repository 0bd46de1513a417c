#include <QFile>
#include <QFileInfo>

#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/file_error.h"
#include "help_text.h"
#include "input_output.h"
#include "sprites/sprite_atlas.h"
#include "sprite_options.h"
#include "sprites/sprite_png.h"

namespace kelvara::cli {

namespace {

CommandLine atlas_options() {
    return CommandLine({value_option(QStringLiteral("o"), QStringLiteral("OUT")),
                        value_option(QStringLiteral("json"), QStringLiteral("JSON")),
                        value_option(QStringLiteral("scale"), QStringLiteral("N")),
                        value_option(QStringLiteral("background"), QStringLiteral("COLOUR")),
                        value_option(QStringLiteral("columns"), QStringLiteral("C")),
                        value_option(QStringLiteral("frames"), QStringLiteral("SET")),
                        flag_option(QStringLiteral("transparent")), jobs_option_declaration()});
}

struct AtlasRequest {
    QString parameters;
    QString png;
    QString json;
    SpriteStyle style;
    int columns = 16;
    FrameSet frames = FrameSet::all;
    int jobs = 1;
};

FrameSet frames_option(const CommandLine& line) {
    const QString text = line.value(QStringLiteral("frames"));
    if (!line.has(QStringLiteral("frames")) || text == QLatin1String("all")) return FrameSet::all;
    if (text == QLatin1String("poses")) return FrameSet::poses;
    if (text == QLatin1String("damage")) return FrameSet::damage;
    throw BadInput{QStringLiteral("--frames takes poses, damage or all")};
}

// The JSON file beside the PNG: its name with .json in place of the last suffix.
QString json_beside(const QString& png) {
    const QString suffix = QFileInfo(png).suffix();
    return (suffix.isEmpty() ? png : png.chopped(suffix.size() + 1)) + QStringLiteral(".json");
}

AtlasRequest atlas_request(const CommandLine& line) {
    if (line.positional().size() != 1)
        throw BadInput{QStringLiteral("atlas takes one parameter file")};
    AtlasRequest r;
    r.parameters = line.positional().first();
    r.png = output_option(line, QStringLiteral("o"));
    if (r.png.isEmpty()) throw BadInput{QStringLiteral("atlas needs -o OUT.png")};
    r.json = line.has(QStringLiteral("json")) ? output_option(line, QStringLiteral("json"))
                                              : json_beside(r.png);
    if (QFileInfo(r.json).absoluteFilePath() == QFileInfo(r.png).absoluteFilePath())
        throw BadInput{QStringLiteral("the JSON file and the PNG must be two files")};
    r.style = sprite_style(line);
    if (line.has(QStringLiteral("columns"))) {
        const auto columns = whole_number(line.value(QStringLiteral("columns")), 1, 256);
        if (!columns)
            throw BadInput{QStringLiteral("--columns takes a whole number from 1 to 256")};
        r.columns = *columns;
    }
    r.frames = frames_option(line);
    r.jobs = jobs_option(line);
    return r;
}

int write_atlas(const AtlasRequest& r, QTextStream& err) {
    const ParameterRecord record = read_parameters(r.parameters);
    check_outputs({r.png, r.json});
    const CharacterOutput output;
    const std::vector<SpriteFrame> frames = atlas_frames(r.frames);
    const AtlasLayout layout =
        atlas_layout(static_cast<int>(frames.size()), r.columns, r.style.scale);
    if (layout.width() > largest_picture_side || layout.height() > largest_picture_side) {
        throw BadInput{QStringLiteral("the atlas would be %1 x %2 pixels, more than %3 a side: "
                                      "choose other --columns or a smaller --scale")
                           .arg(layout.width())
                           .arg(layout.height())
                           .arg(largest_picture_side)};
    }
    const QByteArray png = sprite_png(
        draw_atlas(output, record.selection, frames, r.style, layout, r.jobs), r.style.transparent);
    if (png.isEmpty()) {
        err << "kelvara-render: "
            << describe(FileError{r.png, QStringLiteral("the atlas could not be encoded")}) << "\n";
        return exit_write_failed;
    }
    const QByteArray json = atlas_json(frames, layout, r.style.scale, QFileInfo(r.png).fileName());
    if (!write_output(r.png, png, err)) return exit_write_failed;
    if (!write_output(r.json, json, err)) {
        QFile::remove(r.png);  // the picture is of no use without its description
        return exit_write_failed;
    }
    return exit_ok;
}

}  // namespace

int atlas_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line = atlas_options();
    if (!line.parse(arguments)) {
        out << atlas_help();
        return exit_ok;
    }
    return write_atlas(atlas_request(line), err);
}

}  // namespace kelvara::cli
