#include "command_line.h"

#include "export/file_error.h"
#include "help_text.h"

namespace kelvara::cli {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString spelled(const Option& option) {
    return (option.name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
           text(option.name);
}

CommandLine::CommandLine(const std::vector<const Option*>& options) : options_(options) {
    // "-o" is one option; "-xyz" is the unknown option xyz, not three letters.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(
        QCommandLineOption(QStringList{text(help_option.short_name), text(help_option.name)}));
    for (const Option* o : options) {
        parser_.addOption(o->value_en.empty()
                              ? QCommandLineOption(text(o->name))
                              : QCommandLineOption(text(o->name), QString(), text(o->value_en)));
    }
}

bool CommandLine::parse(const QStringList& arguments) {
    const bool parsed = parser_.parse(QStringList{QStringLiteral("kelvara-render")} + arguments);
    if (parser_.isSet(text(help_option.name))) return false;
    if (parsed) return true;
    if (const QStringList unknown = parser_.unknownOptionNames(); !unknown.isEmpty()) {
        const QString& name = unknown.first();
        const QString as_written =
            (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        throw BadInput(QStringLiteral("unknown option %1").arg(shortened(as_written)));
    }
    // Qt's parser fails otherwise only on a value missing at the end or given to a flag.
    if (!arguments.isEmpty()) {
        for (const Option* o : options_) {
            if (o->value_en.empty()) continue;
            if (arguments.last() == QLatin1Char('-') + text(o->name) ||
                arguments.last() == QStringLiteral("--") + text(o->name)) {
                throw BadInput(QStringLiteral("option %1 needs a value").arg(spelled(*o)));
            }
        }
    }
    throw BadInput(shortened(parser_.errorText(), 100));
}

qint64 CommandLine::number(const Option& option, std::optional<qint64> fallback) const {
    if (!has(option) && fallback) return *fallback;
    const Range range = *option.range;
    const auto n = plain_number(value(option), range.high);
    if (!n || *n < range.low) {
        throw BadInput(QStringLiteral("%1 takes a whole number from %2")
                           .arg(spelled(option), range_text(range)));
    }
    return *n;
}

QString CommandLine::choice(const Option& option, const QString& fallback) const {
    if (!has(option)) return fallback;
    const QString given = value(option);
    QStringList choices;
    for (const std::string_view c : option.choices) choices << text(c);
    QStringList aliases;
    for (const std::string_view a : option.aliases) aliases << text(a);
    if (choices.contains(given) || aliases.contains(given)) return given;
    QString message = QStringLiteral("%1 takes %2").arg(spelled(option), either(choices));
    if (!aliases.isEmpty()) message += QStringLiteral(" (or %1)").arg(either(aliases));
    throw BadInput(message);
}

QString CommandLine::output(const Option& option) const {
    if (!has(option)) return {};
    const QString path = value(option);
    if (path.isEmpty()) {
        throw BadInput(
            QStringLiteral("%1 needs a file name, not an empty one").arg(spelled(option)));
    }
    return path;
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

}  // namespace kelvara::cli
