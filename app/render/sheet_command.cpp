#include <vector>

#include "character_output.h"
#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/export_image.h"
#include "help_text.h"
#include "input_output.h"

namespace kelvara::cli {

namespace {

CommandLine sheet_options() {
    return CommandLine({value_option(QStringLiteral("columns"), QStringLiteral("C")),
                        value_option(QStringLiteral("o"), QStringLiteral("OUT")),
                        value_option(QStringLiteral("scale"), QStringLiteral("N")),
                        value_option(QStringLiteral("background"), QStringLiteral("COLOUR"))});
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
    const QString path = line.value(QStringLiteral("o"));
    if (path.isEmpty()) throw BadInput{QStringLiteral("sheet needs -o OUT.png")};
    const int scale = scale_option(line);
    const Colour background = background_option(line);

    // Every file is read before anything is drawn, so a bad one writes nothing.
    std::vector<ParameterRecord> records;
    for (const QString& p : line.positional()) records.push_back(read_parameters(p));

    CharacterOutput output;
    const int tile = export_image_size * scale;
    const int rows = (static_cast<int>(records.size()) + *columns - 1) / *columns;
    const int cols = std::min<int>(*columns, static_cast<int>(records.size()));
    Surface sheet(cols * tile, rows * tile, background);
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const Surface picture =
            CharacterOutput::enlarged(output.picture(records[i].selection, background), scale);
        sheet.PaintPicture(picture, (i % *columns) * tile, (i / *columns) * tile, tile, tile, 0, 0,
                           tile, tile);
    }
    const QByteArray bytes = CharacterOutput::png_bytes(sheet, false);
    if (bytes.isEmpty()) {
        err << "kelvara-render: " << path << ": the picture could not be encoded\n";
        return exit_write_failed;
    }
    return write_output(path, bytes, err) ? exit_ok : exit_write_failed;
}

}  // namespace kelvara::cli
