#include "sprite_command_support.h"

#include <QFile>

#include "cli.h"
#include "export/atomic_write.h"

namespace kelvara::cli {

bool wants_sprite_help(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

SpriteStyle sprite_style(const Options& o) {
    SpriteStyle style;
    if (o.has(QStringLiteral("--background"))) {
        const QString text = o.value(QStringLiteral("--background"));
        if (text == QLatin1String("grey") || text == QLatin1String("gray")) {
            style.background = default_back_color;
        } else if (text == QLatin1String("green")) {
            style.background = key_color;
        } else if (text == QLatin1String("white")) {
            style.background = RGB(255, 255, 255);
        } else {
            QString hex = text.startsWith(QLatin1Char('#')) ? text.mid(1) : text;
            bool ok = hex.size() == 6;
            const uint rgb = ok ? hex.toUInt(&ok, 16) : 0;
            if (!ok)
                throw BadSpriteInput{
                    QStringLiteral("--background takes grey, green, white or RRGGBB")};
            style.background = RGB(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                                   static_cast<int>(rgb & 0xFF));
        }
    }
    if (o.has(QStringLiteral("--scale"))) {
        const auto n = whole_number(o.value(QStringLiteral("--scale")), 1, 8);
        if (!n) throw BadSpriteInput{QStringLiteral("--scale takes a whole number from 1 to 8")};
        style.scale = *n;
    }
    style.transparent = o.has(QStringLiteral("--transparent"));
    return style;
}

ParameterRecord read_sprite_parameters(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw BadSpriteInput{QStringLiteral("%1: cannot read: %2").arg(path, file.errorString())};
    }
    const auto parsed = read_parameter_file(file.readAll());
    if (const auto* e = std::get_if<ParameterError>(&parsed)) {
        throw BadSpriteInput{
            e->line > 0 ? QStringLiteral("%1: line %2: %3").arg(path).arg(e->line).arg(e->message)
                        : QStringLiteral("%1: %2").arg(path, e->message)};
    }
    return std::get<ParameterRecord>(parsed);
}

bool write_output(const QString& path, const QByteArray& bytes, QTextStream& err) {
    const QString problem = write_file_atomically(path, bytes);
    if (problem.isEmpty()) return true;
    err << "kelvara-render: " << path << ": " << problem << "\n";
    return false;
}

int run_sprite_command(const QString& command, QTextStream& err, const std::function<int()>& work) {
    try {
        return work();
    } catch (const BadSpriteInput& e) {
        err << "kelvara-render: " << e.message << "\n"
            << "Try 'kelvara-render " << command << " --help'.\n";
        return exit_bad_input;
    }
}

}  // namespace kelvara::cli
