#include <QFile>
#include <QFileInfo>

#include "cli.h"
#include "help_text.h"
#include "output_check.h"
#include "sprite_atlas.h"
#include "sprite_command_support.h"
#include "sprite_commands.h"

namespace kelvara::cli {

namespace {

struct AtlasRequest {
    QString parameters;
    QString png;
    QString json;
    SpriteStyle style;
    int columns = 16;
    FrameSet frames = FrameSet::all;
};

FrameSet frames_option(const QString& text) {
    if (text.isEmpty() || text == QLatin1String("all")) return FrameSet::all;
    if (text == QLatin1String("poses")) return FrameSet::poses;
    if (text == QLatin1String("damage")) return FrameSet::damage;
    throw BadSpriteInput{QStringLiteral("--frames takes poses, damage or all")};
}

// The JSON file beside the PNG: its name with .json in place of the last suffix.
QString json_beside(const QString& png) {
    const QFileInfo info(png);
    const QString base =
        info.suffix().isEmpty() ? png : png.left(png.size() - info.suffix().size() - 1);
    return base + QStringLiteral(".json");
}

AtlasRequest parse_atlas(const QStringList& arguments) {
    const Options o(
        arguments,
        {QStringLiteral("-o"), QStringLiteral("--json"), QStringLiteral("--scale"),
         QStringLiteral("--background"), QStringLiteral("--columns"), QStringLiteral("--frames")},
        {QStringLiteral("--transparent")});
    if (!o.error().isEmpty()) throw BadSpriteInput{o.error()};
    if (o.positional().size() != 1)
        throw BadSpriteInput{QStringLiteral("atlas takes one parameter file")};
    AtlasRequest r;
    r.parameters = o.positional().first();
    r.png = o.value(QStringLiteral("-o"));
    if (r.png.isEmpty()) throw BadSpriteInput{QStringLiteral("atlas needs -o OUT.png")};
    r.json =
        o.has(QStringLiteral("--json")) ? o.value(QStringLiteral("--json")) : json_beside(r.png);
    if (QFileInfo(r.json).absoluteFilePath() == QFileInfo(r.png).absoluteFilePath())
        throw BadSpriteInput{QStringLiteral("the JSON file and the PNG must be different files")};
    r.style = sprite_style(o);
    if (o.has(QStringLiteral("--columns"))) {
        const auto columns = whole_number(o.value(QStringLiteral("--columns")), 1, 256);
        if (!columns)
            throw BadSpriteInput{QStringLiteral("--columns takes a whole number from 1 to 256")};
        r.columns = *columns;
    }
    r.frames = frames_option(o.value(QStringLiteral("--frames")));
    return r;
}

int write_atlas(const AtlasRequest& r, QTextStream& err) {
    const ParameterRecord record = read_sprite_parameters(r.parameters);
    for (const QString& path : {r.png, r.json}) {
        const QString problem = output_problem(path);
        if (!problem.isEmpty()) throw BadSpriteInput{problem};
    }
    const CharacterOutput output;
    const std::vector<SpriteFrame> frames = atlas_frames(r.frames);
    const AtlasLayout layout =
        atlas_layout(static_cast<int>(frames.size()), r.columns, r.style.scale);
    const Surface atlas = draw_atlas(output, record.selection, frames, r.style, layout);
    const QByteArray png = CharacterOutput::png_bytes(atlas, r.style.transparent);
    const QByteArray json = atlas_json(frames, layout, r.style.scale, QFileInfo(r.png).fileName());
    if (!write_output(r.png, png, err)) return exit_write_failed;
    if (!write_output(r.json, json, err)) {
        QFile::remove(r.png);  // the picture is no use without its description
        return exit_write_failed;
    }
    return exit_ok;
}

}  // namespace

int atlas_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (wants_sprite_help(arguments)) {
        out << atlas_help();
        return exit_ok;
    }
    return run_sprite_command(QStringLiteral("atlas"), err,
                              [&] { return write_atlas(parse_atlas(arguments), err); });
}

}  // namespace kelvara::cli
