#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "input_output.h"
#include "sprite_options.h"
#include "sprites/contact_sheet.h"

namespace kelvara::cli {

namespace {

// The format the file's name asks for; a name that asks for neither is bad input.
sprites::SheetRequest::Format format_of(const QString& path) {
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return sprites::SheetRequest::Format::png;
    if (path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return sprites::SheetRequest::Format::bmp;
    throw BadInput(QStringLiteral("sheet writes PNG or BMP: -o must end in .png or .bmp"));
}

}  // namespace

int sheet_command(const CommandLine& line, QTextStream& /*out*/, QTextStream& err) {
    if (line.positional().isEmpty()) throw BadInput(QStringLiteral("sheet takes parameter files"));
    sprites::SheetRequest r;
    r.columns = columns_value(line);
    const QString path = line.output(sheet_output);
    if (path.isEmpty()) throw BadInput(QStringLiteral("sheet needs -o OUT.png"));
    r.format = format_of(path);
    r.scale = scale_value(line);
    r.background = background_value(line);
    r.jobs = jobs_value(line);
    const auto count = static_cast<int>(line.positional().size());
    if (const sprites::Grid grid = sprites::sheet_grid(count, r.columns, r.scale); !grid.fits()) {
        throw BadInput(QStringLiteral("the sheet would be %1 x %2 pixels; at most %3 a side")
                           .arg(grid.width())
                           .arg(grid.height())
                           .arg(sprites::largest_picture_side));
    }
    check_outputs({{path, r.format == sprites::SheetRequest::Format::png ? ".png" : ".bmp"}},
                  line.positional());

    // Every file is read before anything is drawn, so a bad one writes nothing.
    for (const QString& p : line.positional()) r.selections.push_back(read_parameters(p).selection);
    return finish(sprites::write_sheet(sprites::CharacterOutput(), r, path), err);
}

}  // namespace kelvara::cli
