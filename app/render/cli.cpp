#include "cli.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "character_output.h"
#include "compositor/sheet_colours.h"
#include "export/atomic_write.h"
#include "export/export_image.h"
#include "export/export_paths.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "help_text.h"
#include "options.h"
#include "parallel_render.h"
#include "random/random_generation.h"
#include "random_batch.h"

namespace kelvara::cli {

namespace {

// A problem with the command line or its input: reported, nothing written, status 2.
struct BadInput {
    QString message;
};

std::optional<Colour> parse_background(const QString& text) {
    if (text == QLatin1String("grey") || text == QLatin1String("gray")) return default_back_color;
    if (text == QLatin1String("green")) return key_color;
    if (text == QLatin1String("white")) return RGB(255, 255, 255);
    QString hex = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    bool ok = hex.size() == 6;
    const uint rgb = ok ? hex.toUInt(&ok, 16) : 0;
    if (!ok) return std::nullopt;
    return RGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>(rgb & 0xFF));
}

Colour background_option(const Options& o) {
    if (!o.has(QStringLiteral("--background"))) return default_back_color;
    const auto c = parse_background(o.value(QStringLiteral("--background")));
    if (!c) throw BadInput{QStringLiteral("--background takes grey, green, white or RRGGBB")};
    return *c;
}

int jobs_option(const Options& o) {
    if (!o.has(QStringLiteral("--jobs"))) return default_jobs();
    const auto n = whole_number(o.value(QStringLiteral("--jobs")), 1, 256);
    if (!n) throw BadInput{QStringLiteral("--jobs takes a whole number from 1 to 256")};
    return *n;
}

int scale_option(const Options& o) {
    if (!o.has(QStringLiteral("--scale"))) return 1;
    const auto n = whole_number(o.value(QStringLiteral("--scale")), 1, 8);
    if (!n) throw BadInput{QStringLiteral("--scale takes a whole number from 1 to 8")};
    return *n;
}

ParameterRecord read_parameters(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw BadInput{QStringLiteral("%1: cannot read: %2").arg(path, file.errorString())};
    }
    const auto parsed = read_parameter_file(file.readAll());
    if (const auto* e = std::get_if<ParameterError>(&parsed)) {
        throw BadInput{
            e->line > 0 ? QStringLiteral("%1: line %2: %3").arg(path).arg(e->line).arg(e->message)
                        : QStringLiteral("%1: %2").arg(path, e->message)};
    }
    return std::get<ParameterRecord>(parsed);
}

// Writes, or says why not.
bool write(const QString& path, const QByteArray& bytes, QTextStream& err) {
    const QString problem = write_file_atomically(path, bytes);
    if (problem.isEmpty()) return true;
    err << "kelvara-render: " << path << ": " << problem << "\n";
    return false;
}

bool wants_help(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

int render_command(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (wants_help(args)) {
        out << render_help();
        return exit_ok;
    }
    const Options o(args,
                    {QStringLiteral("-o"), QStringLiteral("--background"),
                     QStringLiteral("--scale"), QStringLiteral("--format")},
                    {QStringLiteral("--transparent")});
    if (!o.error().isEmpty()) throw BadInput{o.error()};
    if (o.positional().size() != 1)
        throw BadInput{QStringLiteral("render takes one parameter file")};

    OutputStyle style;
    style.background = background_option(o);
    style.scale = scale_option(o);
    const QString format = o.has(QStringLiteral("--format")) ? o.value(QStringLiteral("--format"))
                                                             : QStringLiteral("bmp");
    if (format != QLatin1String("bmp") && format != QLatin1String("png")) {
        throw BadInput{QStringLiteral("--format takes bmp or png")};
    }
    style.format =
        format == QLatin1String("png") ? OutputStyle::Format::png : OutputStyle::Format::bmp;
    style.transparent = o.has(QStringLiteral("--transparent"));
    if (style.transparent && style.format != OutputStyle::Format::png) {
        throw BadInput{QStringLiteral("--transparent needs --format png")};
    }

    const ParameterRecord record = read_parameters(o.positional().first());
    QString path = o.value(QStringLiteral("-o"));
    if (path.isEmpty()) {
        const QString name = export_base_name(record.base_name);
        const QString problem = base_name_problem(name);
        if (!problem.isEmpty()) throw BadInput{problem};
        path = export_path(QStringLiteral("."), name, QLatin1Char('.') + format);
    }
    CharacterOutput output;
    return write(path, output.file_bytes(record.selection, style), err) ? exit_ok
                                                                        : exit_write_failed;
}

// The random flags from --items, or the start-up ones.
void set_random_flags(EditorState& s, const Options& o) {
    if (!o.has(QStringLiteral("--items"))) return;  // the start-up flags
    for (const RandomItemInfo& info : random_items) s.*info.flag = 0;
    for (const QString& wanted : o.value(QStringLiteral("--items")).split(QLatin1Char(','))) {
        bool known = false;
        for (const RandomItemInfo& info : random_items) {
            if (wanted.trimmed() == QLatin1String(info.name.data(), info.name.size())) {
                s.*info.flag = 1;
                known = true;
            }
        }
        if (!known) throw BadInput{QStringLiteral("--items: unknown item \"%1\"").arg(wanted)};
    }
}

int random_command(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (wants_help(args)) {
        out << random_help();
        return exit_ok;
    }
    const Options o(args,
                    {QStringLiteral("--count"), QStringLiteral("--seed"), QStringLiteral("--items"),
                     QStringLiteral("--type"), QStringLiteral("--out"),
                     QStringLiteral("--background"), QStringLiteral("--jobs")},
                    {});
    if (!o.error().isEmpty()) throw BadInput{o.error()};
    if (!o.positional().isEmpty()) throw BadInput{QStringLiteral("random takes no file names")};
    const auto count = whole_number(o.value(QStringLiteral("--count")), 1, 100000);
    if (!count) throw BadInput{QStringLiteral("--count takes a whole number from 1 to 100000")};
    const QString folder = o.value(QStringLiteral("--out"));
    if (folder.isEmpty()) throw BadInput{QStringLiteral("random needs --out DIR")};

    EditorState s = start_up_selection();
    set_random_flags(s, o);
    const QString type = o.value(QStringLiteral("--type"));
    if (type == QStringLiteral("だめーじ") || type == QLatin1String("damage")) {
        s.type_flg = 1;
    } else if (!type.isEmpty() && type != QStringLiteral("かおづら") &&
               type != QLatin1String("face")) {
        throw BadInput{QStringLiteral("--type takes かおづら or だめーじ")};
    }
    const Colour background = background_option(o);
    RandomSource source;
    if (o.has(QStringLiteral("--seed"))) {
        bool ok = false;
        const qulonglong seed = o.value(QStringLiteral("--seed")).toULongLong(&ok);
        if (!ok || seed > 0xFFFFFFFFull) {
            throw BadInput{QStringLiteral("--seed takes a whole number from 0 to 4294967295")};
        }
        source.seed(static_cast<std::uint32_t>(seed));
    } else {
        source.seed_from_clock();
    }

    const int jobs = jobs_option(o);
    // Every selection is drawn before any is rendered, so the batch does not depend on the jobs.
    const RandomBatch batch(s, *count, source);

    if (!QDir().mkpath(folder)) {
        err << "kelvara-render: " << folder << ": cannot make the folder\n";
        return exit_write_failed;
    }
    const bool progress = isatty(fileno(stderr)) != 0 && *count >= 20;
    const QString problem =
        write_random_batch(batch, folder, background, jobs, CharacterOutput(), err, progress);
    if (problem.isEmpty()) return exit_ok;
    err << "kelvara-render: " << problem << "\n";
    return exit_write_failed;
}

int sheet_command(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (wants_help(args)) {
        out << sheet_help();
        return exit_ok;
    }
    const Options o(args,
                    {QStringLiteral("--columns"), QStringLiteral("-o"), QStringLiteral("--scale"),
                     QStringLiteral("--background"), QStringLiteral("--jobs")},
                    {});
    if (!o.error().isEmpty()) throw BadInput{o.error()};
    if (o.positional().isEmpty()) throw BadInput{QStringLiteral("sheet takes parameter files")};
    const auto columns = whole_number(o.value(QStringLiteral("--columns")), 1, 100);
    if (!columns) throw BadInput{QStringLiteral("--columns takes a whole number from 1 to 100")};
    const QString path = o.value(QStringLiteral("-o"));
    if (path.isEmpty()) throw BadInput{QStringLiteral("sheet needs -o OUT.png")};
    const int scale = scale_option(o);
    const Colour background = background_option(o);
    const int jobs = jobs_option(o);

    // Every file is read before anything is drawn, so a bad one writes nothing.
    std::vector<ParameterRecord> records;
    for (const QString& p : o.positional()) records.push_back(read_parameters(p));

    std::vector<EditorState> selections;
    for (const ParameterRecord& r : records) selections.push_back(r.selection);
    const std::vector<Surface> pictures =
        draw_pictures(CharacterOutput(), selections, background, jobs);
    const int tile = export_image_size * scale;
    const int rows = (static_cast<int>(records.size()) + *columns - 1) / *columns;
    const int cols = std::min<int>(*columns, static_cast<int>(records.size()));
    Surface sheet(cols * tile, rows * tile, background);
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const Surface picture =
            CharacterOutput::enlarged(pictures[static_cast<std::size_t>(i)], scale);
        sheet.PaintPicture(picture, (i % *columns) * tile, (i / *columns) * tile, tile, tile, 0, 0,
                           tile, tile);
    }
    return write(path, CharacterOutput::png_bytes(sheet, false), err) ? exit_ok : exit_write_failed;
}

}  // namespace

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty() || arguments.first() == QLatin1String("--help") ||
        arguments.first() == QLatin1String("-h")) {
        (arguments.isEmpty() ? err : out) << general_help();
        return arguments.isEmpty() ? exit_bad_input : exit_ok;
    }
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    try {
        if (command == QLatin1String("render")) return render_command(rest, out, err);
        if (command == QLatin1String("random")) return random_command(rest, out, err);
        if (command == QLatin1String("sheet")) return sheet_command(rest, out, err);
        throw BadInput{QStringLiteral("unknown command %1").arg(command)};
    } catch (const BadInput& e) {
        err << "kelvara-render: " << e.message << "\n"
            << "Try 'kelvara-render "
            << (command.startsWith(QLatin1Char('-')) ? QString() : command) << " --help'.\n";
        return exit_bad_input;
    }
}

}  // namespace kelvara::cli
