#include <QFileInfo>

#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/character_metadata.h"
#include "input_output.h"
#include "sprite_options.h"
#include "sprites/sprite_atlas.h"

namespace kelvara::cli {

namespace {

struct AtlasFiles {
    QString parameters;
    QString png;
    QString json;
};

sprites::FrameSet frame_set(const CommandLine& line) {
    const QString set = line.choice(frames_option, QStringLiteral("all"));
    if (set == QLatin1String("poses")) return sprites::FrameSet::poses;
    if (set == QLatin1String("damage")) return sprites::FrameSet::damage;
    return sprites::FrameSet::all;
}

// The JSON file beside the PNG: its name with .json in place of the last suffix.
QString json_beside(const QString& png) {
    const QString suffix = QFileInfo(png).suffix();
    return (suffix.isEmpty() ? png : png.chopped(suffix.size() + 1)) + QStringLiteral(".json");
}

AtlasFiles atlas_files(const CommandLine& line) {
    if (line.positional().size() != 1)
        throw BadInput(QStringLiteral("atlas takes one parameter file"));
    AtlasFiles f;
    f.parameters = line.positional().first();
    f.png = line.output(atlas_output);
    if (f.png.isEmpty()) throw BadInput(QStringLiteral("atlas needs -o OUT.png"));
    f.json = line.has(json_option) ? line.output(json_option) : json_beside(f.png);
    return f;
}

sprites::AtlasRequest atlas_request(const CommandLine& line) {
    sprites::AtlasRequest r;
    r.style = sprite_style(line);
    r.columns = columns_value(line);
    r.frames = frame_set(line);
    r.jobs = jobs_value(line);
    return r;
}

}  // namespace

int atlas_command(const CommandLine& line, QTextStream& /*out*/, QTextStream& err) {
    const AtlasFiles files = atlas_files(line);
    sprites::AtlasRequest r = atlas_request(line);
    const ParameterRecord record = read_parameters(files.parameters);
    r.selection = record.selection;
    r.text = character_text(record.base_name, record.selection);
    check_outputs({{files.png, ".png"}, {files.json, ".json"}}, {files.parameters});
    if (const sprites::Grid grid = sprites::atlas_grid(r); !grid.fits()) {
        throw BadInput(QStringLiteral("the atlas would be %1 x %2 pixels, more than %3 a side: "
                                      "choose other --columns or a smaller --scale")
                           .arg(grid.width())
                           .arg(grid.height())
                           .arg(sprites::largest_picture_side));
    }
    if (const sprites::Grid grid = sprites::atlas_grid(r); !grid.fits_common_textures()) {
        report(err, QStringLiteral("warning: the atlas is %1 x %2 pixels; many GPUs, and WebGL in "
                                   "many browsers, take no texture over %3 pixels a side")
                        .arg(grid.width())
                        .arg(grid.height())
                        .arg(sprites::common_texture_side));
    }
    return finish(sprites::write_atlas(sprites::CharacterOutput(), r, files.png, files.json), err);
}

}  // namespace kelvara::cli
