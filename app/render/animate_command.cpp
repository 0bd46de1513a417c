#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/file_error.h"
#include "help_text.h"
#include "input_output.h"
#include "sprites/sprite_animation.h"
#include "sprite_options.h"
#include "sprites/sprite_png.h"

namespace kelvara::cli {

namespace {

CommandLine animate_options() {
    return CommandLine({value_option(QStringLiteral("o"), QStringLiteral("OUT")),
                        value_option(QStringLiteral("animation"), QStringLiteral("NAME")),
                        value_option(QStringLiteral("format"), QStringLiteral("FORMAT")),
                        value_option(QStringLiteral("scale"), QStringLiteral("N")),
                        value_option(QStringLiteral("background"), QStringLiteral("COLOUR")),
                        flag_option(QStringLiteral("transparent")),
                        flag_option(QStringLiteral("list"))});
}

struct AnimateRequest {
    QString parameters;
    QString output;
    catalogue::Animation animation{};
    SpriteStyle style;
    bool strip = false;  // a PNG strip instead of a GIF
};

catalogue::Animation animation_option(const CommandLine& line) {
    const QString name = line.value(QStringLiteral("animation"));
    if (name.isEmpty()) throw BadInput{QStringLiteral("animate needs --animation NAME")};
    const auto found = catalogue::find_animation(name.toStdString());
    if (!found) {
        throw BadInput{
            QStringLiteral("unknown animation \"%1\" (kelvara-render animate --list names them)")
                .arg(name)};
    }
    return *found;
}

AnimateRequest animate_request(const CommandLine& line) {
    if (line.positional().size() != 1)
        throw BadInput{QStringLiteral("animate takes one parameter file")};
    AnimateRequest r;
    r.parameters = line.positional().first();
    r.animation = animation_option(line);
    r.output = output_option(line, QStringLiteral("o"));
    if (r.output.isEmpty()) throw BadInput{QStringLiteral("animate needs -o OUT.gif")};
    const QString format = line.value(QStringLiteral("format"));
    if (line.has(QStringLiteral("format")) && format != QLatin1String("gif") &&
        format != QLatin1String("png")) {
        throw BadInput{QStringLiteral("--format takes gif or png")};
    }
    r.strip = format == QLatin1String("png");
    r.style = sprite_style(line);
    return r;
}

int write_animation(const AnimateRequest& r, QTextStream& err) {
    const ParameterRecord record = read_parameters(r.parameters);
    check_outputs({r.output});
    const CharacterOutput output;
    const auto frames = draw_animation(output, record.selection, r.animation, r.style);
    const QByteArray bytes = r.strip ? sprite_png(animation_strip(frames), r.style.transparent)
                                     : animation_gif(frames, r.style);
    if (bytes.isEmpty()) {
        err << "kelvara-render: "
            << describe(FileError{r.output, QStringLiteral("the animation could not be encoded")})
            << "\n";
        return exit_write_failed;
    }
    return write_output(r.output, bytes, err) ? exit_ok : exit_write_failed;
}

// One animation a line: its name, then how many pictures it is drawn from.
void list_animations(QTextStream& out) {
    for (const catalogue::Animation& a : catalogue::animations) {
        out << QString::fromUtf8(a.name.data(), static_cast<qsizetype>(a.name.size()))
                   .leftJustified(14)
            << " " << a.count << "\n";
    }
}

}  // namespace

int animate_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line = animate_options();
    if (!line.parse(arguments)) {
        out << animate_help();
        return exit_ok;
    }
    if (line.has(QStringLiteral("list"))) {
        if (arguments.size() != 1) throw BadInput{QStringLiteral("--list takes nothing else")};
        list_animations(out);
        return exit_ok;
    }
    return write_animation(animate_request(line), err);
}

}  // namespace kelvara::cli
