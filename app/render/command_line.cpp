#include "command_line.h"

#include "compositor/sheet_colours.h"
#include "export/atomic_write.h"
#include "export/file_error.h"
#include "model/editor_state.h"
#include "sprites/parallel_render.h"

namespace kelvara::cli {

namespace {

const QString help_name = QStringLiteral("help");

// How the user wrote an option's name: "-o", "--scale".
QString spelled(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

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

CommandLine::CommandLine(const QList<QCommandLineOption>& options) : options_(options) {
    // "-o" is one option; "-xyz" is the unknown option xyz, not three letters.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), help_name}));
    parser_.addOptions(options);
}

bool CommandLine::parse(const QStringList& arguments) {
    const bool parsed = parser_.parse(QStringList{QStringLiteral("kelvara-render")} + arguments);
    if (parser_.isSet(help_name)) return false;
    if (parsed) return true;
    if (const QStringList unknown = parser_.unknownOptionNames(); !unknown.isEmpty()) {
        throw BadInput{
            QStringLiteral("unknown option %1").arg(shortened(spelled(unknown.first())))};
    }
    // Qt's parser fails otherwise only on a value missing at the end or given to a flag.
    if (!arguments.isEmpty()) {
        for (const QCommandLineOption& o : options_) {
            if (o.valueName().isEmpty()) continue;
            for (const QString& name : o.names()) {
                if (arguments.last() == QLatin1Char('-') + name ||
                    arguments.last() == QStringLiteral("--") + name) {
                    throw BadInput{QStringLiteral("option %1 needs a value").arg(spelled(name))};
                }
            }
        }
    }
    throw BadInput{shortened(parser_.errorText(), 100)};
}

QCommandLineOption value_option(const QString& name, const QString& value_name) {
    return QCommandLineOption(name, QString(), value_name);
}

QCommandLineOption flag_option(const QString& name) {
    return QCommandLineOption(name);
}

std::optional<qint64> plain_number(const QString& text, qint64 high) {
    // Digits only: no sign, blank or other base. Leading zeros are harmless, but a number
    // longer than high cannot fit.
    if (text.isEmpty()) return std::nullopt;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    qsizetype first = 0;
    while (first + 1 < text.size() && text[first] == QLatin1Char('0')) ++first;
    if (text.size() - first > QString::number(high).size()) return std::nullopt;
    const qint64 v = text.mid(first).toLongLong();
    if (v > high) return std::nullopt;
    return v;
}

std::optional<int> whole_number(const QString& text, int low, int high) {
    const auto v = plain_number(text, high);
    if (!v || *v < low) return std::nullopt;
    return static_cast<int>(*v);
}

QString output_option(const CommandLine& line, const QString& name) {
    if (!line.has(name)) return {};
    const QString path = line.value(name);
    if (path.isEmpty()) {
        throw BadInput{QStringLiteral("%1 needs a file name, not an empty one").arg(spelled(name))};
    }
    return path;
}

void check_targets(const QStringList& paths) {
    for (const QString& path : paths) {
        if (const FileStatus can = check_write_target(path); !can) {
            throw BadInput{describe(can.error())};
        }
    }
}

Colour background_option(const CommandLine& line) {
    if (!line.has(QStringLiteral("background"))) return default_back_color;
    const auto c = parse_background(line.value(QStringLiteral("background")));
    if (!c) throw BadInput{QStringLiteral("--background takes grey, green, white or RRGGBB")};
    return *c;
}

int scale_option(const CommandLine& line) {
    if (!line.has(QStringLiteral("scale"))) return 1;
    const auto n = whole_number(line.value(QStringLiteral("scale")), 1, 8);
    if (!n) throw BadInput{QStringLiteral("--scale takes a whole number from 1 to 8")};
    return *n;
}

QCommandLineOption jobs_option_declaration() {
    return value_option(QStringLiteral("jobs"), QStringLiteral("N"));
}

int jobs_option(const CommandLine& line) {
    if (!line.has(QStringLiteral("jobs"))) return default_jobs();
    const auto n = whole_number(line.value(QStringLiteral("jobs")), 1, 256);
    if (!n) throw BadInput{QStringLiteral("--jobs takes a whole number from 1 to 256")};
    return *n;
}

}  // namespace kelvara::cli
