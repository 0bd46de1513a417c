#include "cli.h"
#include "help_text.h"
#include "output_check.h"
#include "sprite_animation.h"
#include "sprite_command_support.h"
#include "sprite_commands.h"

namespace kelvara::cli {

namespace {

struct AnimateRequest {
    QString parameters;
    QString output;
    catalogue::Animation animation{};
    SpriteStyle style;
    bool strip = false;  // a PNG strip instead of a GIF
};

catalogue::Animation animation_option(const QString& name) {
    if (name.isEmpty()) throw BadSpriteInput{QStringLiteral("animate needs --animation NAME")};
    const auto found = catalogue::find_animation(name.toStdString());
    if (!found) {
        throw BadSpriteInput{
            QStringLiteral("unknown animation \"%1\" (kelvara-render animate --list names them)")
                .arg(name)};
    }
    return *found;
}

AnimateRequest parse_animate(const QStringList& arguments) {
    const Options o(
        arguments,
        {QStringLiteral("-o"), QStringLiteral("--animation"), QStringLiteral("--format"),
         QStringLiteral("--scale"), QStringLiteral("--background")},
        {QStringLiteral("--transparent")});
    if (!o.error().isEmpty()) throw BadSpriteInput{o.error()};
    if (o.positional().size() != 1)
        throw BadSpriteInput{QStringLiteral("animate takes one parameter file")};
    AnimateRequest r;
    r.parameters = o.positional().first();
    r.animation = animation_option(o.value(QStringLiteral("--animation")));
    r.output = o.value(QStringLiteral("-o"));
    if (r.output.isEmpty()) throw BadSpriteInput{QStringLiteral("animate needs -o OUT.gif")};
    const QString format = o.value(QStringLiteral("--format"));
    if (!format.isEmpty() && format != QLatin1String("gif") && format != QLatin1String("png"))
        throw BadSpriteInput{QStringLiteral("--format takes gif or png")};
    r.strip = format == QLatin1String("png");
    r.style = sprite_style(o);
    return r;
}

int write_animation(const AnimateRequest& r, QTextStream& err) {
    const ParameterRecord record = read_sprite_parameters(r.parameters);
    const QString problem = output_problem(r.output);
    if (!problem.isEmpty()) throw BadSpriteInput{problem};
    const CharacterOutput output;
    const auto frames = draw_animation(output, record.selection, r.animation, r.style);
    const QByteArray bytes =
        r.strip ? CharacterOutput::png_bytes(animation_strip(frames), r.style.transparent)
                : animation_gif(frames, r.style);
    if (bytes.isEmpty()) {
        err << "kelvara-render: " << r.output << ": the animation could not be encoded\n";
        return exit_write_failed;
    }
    return write_output(r.output, bytes, err) ? exit_ok : exit_write_failed;
}

void list_animations(QTextStream& out) {
    for (const catalogue::Animation& a : catalogue::animations) {
        out << QString::fromUtf8(a.name.data(), static_cast<qsizetype>(a.name.size()))
                   .leftJustified(14)
            << " " << a.count << "\n";
    }
}

}  // namespace

int animate_command(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (wants_sprite_help(arguments)) {
        out << animate_help();
        return exit_ok;
    }
    if (arguments == QStringList{QStringLiteral("--list")}) {
        list_animations(out);
        return exit_ok;
    }
    return run_sprite_command(QStringLiteral("animate"), err,
                              [&] { return write_animation(parse_animate(arguments), err); });
}

}  // namespace kelvara::cli
