#include <new>
#include <vector>

#include "sprites/character_output.h"
#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/bmp_file.h"
#include "export/export_image.h"
#include "help_text.h"
#include "input_output.h"
#include "sprites/parallel_render.h"

namespace kelvara::cli {

namespace {

CommandLine sheet_options() {
    return CommandLine({value_option(QStringLiteral("columns"), QStringLiteral("C")),
                        value_option(QStringLiteral("o"), QStringLiteral("OUT")),
                        value_option(QStringLiteral("scale"), QStringLiteral("N")),
                        value_option(QStringLiteral("background"), QStringLiteral("COLOUR")),
                        jobs_option_declaration()});
}

enum class SheetFormat { png, bmp };

// The format the file's name asks for; a name that asks for neither is bad input.
SheetFormat format_of(const QString& path) {
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) return SheetFormat::png;
    if (path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)) return SheetFormat::bmp;
    throw BadInput{QStringLiteral("sheet writes PNG or BMP: -o must end in .png or .bmp")};
}

}  // namespace

int sheet_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line = sheet_options();
    if (!line.parse(arguments)) {
        out << sheet_help();
        return exit_ok;
    }
    if (line.positional().isEmpty()) throw BadInput{QStringLiteral("sheet takes parameter files")};
    const auto columns = whole_number(line.value(QStringLiteral("columns")), 1, 100);
    if (!columns) throw BadInput{QStringLiteral("--columns takes a whole number from 1 to 100")};
    const QString path = output_option(line, QStringLiteral("o"));
    if (path.isEmpty()) throw BadInput{QStringLiteral("sheet needs -o OUT.png")};
    const SheetFormat format = format_of(path);
    const int scale = scale_option(line);
    const Colour background = background_option(line);
    const int jobs = jobs_option(line);
    const int count = static_cast<int>(line.positional().size());
    const int tile = export_image_size * scale;
    const int rows = (count + *columns - 1) / *columns;
    const int cols = std::min(*columns, count);
    // Checked in 64 bits: rows * tile overflows an int long before memory runs out.
    if (static_cast<qint64>(cols) * tile > largest_picture_side ||
        static_cast<qint64>(rows) * tile > largest_picture_side) {
        throw BadInput{QStringLiteral("the sheet would be %1 x %2 pixels; at most %3 a side")
                           .arg(static_cast<qint64>(cols) * tile)
                           .arg(static_cast<qint64>(rows) * tile)
                           .arg(largest_picture_side)};
    }
    check_targets({path});

    // Every file is read before anything is drawn, so a bad one writes nothing.
    std::vector<ParameterRecord> records;
    for (const QString& p : line.positional()) records.push_back(read_parameters(p));

    QByteArray bytes;
    try {
        std::vector<EditorState> selections;
        for (const ParameterRecord& r : records) selections.push_back(r.selection);
        const std::vector<Surface> pictures =
            draw_pictures(CharacterOutput(), selections, background, jobs);
        Surface sheet(cols * tile, rows * tile, background);
        for (int i = 0; i < count; ++i) {
            const Surface picture =
                CharacterOutput::enlarged(pictures[static_cast<std::size_t>(i)], scale);
            sheet.PaintPicture(picture, (i % *columns) * tile, (i / *columns) * tile, tile, tile, 0,
                               0, tile, tile);
        }
        bytes = format == SheetFormat::png ? CharacterOutput::png_bytes(sheet, false)
                                           : encode_bmp(sheet);
    } catch (const std::bad_alloc&) {
        // Within the size limit, yet more than this machine will give.
        bytes.clear();
    }
    if (bytes.isEmpty()) {
        err << "kelvara-render: "
            << describe(FileError{path, QStringLiteral("not enough memory for the picture")})
            << "\n";
        return exit_write_failed;
    }
    return write_output(path, bytes, err) ? exit_ok : exit_write_failed;
}

}  // namespace kelvara::cli
