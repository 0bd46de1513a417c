#include "sprite_options.h"

#include "compositor/sheet_colours.h"
#include "help_text.h"
#include "sprites/parallel_render.h"

namespace kelvara::cli {

namespace {

std::optional<Colour> parse_background(const QString& text) {
    if (text == QLatin1String("grey") || text == QLatin1String("gray")) return default_back_color;
    if (text == QLatin1String("green")) return key_color;
    if (text == QLatin1String("white")) return RGB(255, 255, 255);
    const QString hex = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
    // Exactly six hex digits: no sign, blank or "0x" that Qt's number parsing would let through.
    if (hex.size() != 6) return std::nullopt;
    for (QChar c : hex) {
        const char16_t u = c.unicode();
        const bool digit =
            (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!digit) return std::nullopt;
    }
    const uint rgb = hex.toUInt(nullptr, 16);
    return RGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
               static_cast<int>(rgb & 0xFF));
}

}  // namespace

Colour background_value(const CommandLine& line) {
    if (!line.has(background_option)) return default_back_color;
    const auto c = parse_background(line.value(background_option));
    if (!c) {
        QStringList forms;
        for (const std::string_view choice : background_option.choices) forms << text(choice);
        throw BadInput(
            QStringLiteral("%1 takes %2")
                .arg(spelled(background_option), either(forms << QStringLiteral("RRGGBB"))));
    }
    return *c;
}

int scale_value(const CommandLine& line) {
    return static_cast<int>(line.number(scale_option, 1));
}

int jobs_value(const CommandLine& line) {
    return static_cast<int>(line.number(jobs_option, sprites::default_jobs()));
}

int columns_value(const CommandLine& line) {
    return static_cast<int>(line.number(columns_option, 16));
}

sprites::SpriteStyle sprite_style(const CommandLine& line) {
    sprites::SpriteStyle style;
    style.background = background_value(line);
    style.scale = scale_value(line);
    style.transparent = line.has(transparent_option);
    return style;
}

}  // namespace kelvara::cli
