#include "cli.h"
#include "command_line.h"
#include "commands.h"
#include "export/character_metadata.h"
#include "input_output.h"
#include "sprite_options.h"
#include "sprites/sprite_animation.h"

namespace kelvara::cli {

namespace {

catalogue::Animation animation_value(const CommandLine& line) {
    const QString name = line.value(animation_option);
    if (name.isEmpty()) throw BadInput(QStringLiteral("animate needs --animation NAME"));
    const auto found = catalogue::find_animation(name.toStdString());
    if (!found) {
        throw BadInput(
            QStringLiteral("unknown animation \"%1\" (kelvara-render animate --list names them)")
                .arg(shortened(name)));
    }
    return *found;
}

// The request, and where its file goes.
std::pair<sprites::AnimationRequest, QString> animate_request(const CommandLine& line) {
    if (line.positional().size() != 1)
        throw BadInput(QStringLiteral("animate takes one parameter file"));
    sprites::AnimationRequest r;
    r.animation = animation_value(line);
    const QString path = line.output(animate_output);
    if (path.isEmpty()) throw BadInput(QStringLiteral("animate needs -o OUT.gif"));
    r.strip = line.choice(animate_format, QStringLiteral("gif")) == QLatin1String("png");
    r.style = sprite_style(line);
    return {r, path};
}

// One animation a line, its name first (the bash completion offers the first words): how many
// frames one pass shows, each frame's time, the direction and whether a game loops it.
void list_animations(QTextStream& out) {
    for (const catalogue::Animation& a : catalogue::animations) {
        const auto frames = static_cast<qsizetype>(catalogue::played_frames(a).size());
        const bool pingpong = a.direction == catalogue::Direction::pingpong;
        out << text(a.name).leftJustified(14) << QString::number(frames).rightJustified(2)
            << QString::number(a.frame_ms).rightJustified(6) << " ms  "
            << (pingpong ? QStringLiteral("pingpong") : QStringLiteral("forward "))
            << (a.loops() ? QStringLiteral("  loop") : QStringLiteral("  once")) << "\n";
    }
}

}  // namespace

int animate_command(const CommandLine& line, QTextStream& out, QTextStream& err) {
    if (line.has(list_option)) {
        if (line.given() != 1) throw BadInput(QStringLiteral("--list takes nothing else"));
        list_animations(out);
        return exit_ok;
    }
    auto [r, path] = animate_request(line);
    const ParameterRecord record = read_parameters(line.positional().first());
    r.selection = record.selection;
    r.text = character_text(record.base_name, record.selection);
    check_outputs({{path, r.strip ? ".png" : ".gif"}}, line.positional());
    return finish(sprites::write_animation(sprites::CharacterOutput(), r, path), err);
}

}  // namespace kelvara::cli
