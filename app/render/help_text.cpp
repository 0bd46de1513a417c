#include "help_text.h"

#include "command_line.h"
#include "sprites/grid.h"

namespace kelvara::cli {

namespace {

enum class Language { en, ja };

// The column a line is at when shown: CJK characters take two.
int display_width(const QString& s) {
    int width = 0;
    for (const QChar c : s) width += c.unicode() >= 0x1100 ? 2 : 1;
    return width;
}

QString described(const Option& o, Language language) {
    QString help = text(language == Language::en ? o.help_en : o.help_ja);
    if (o.range) {
        help.replace(QStringLiteral("{range}"),
                     language == Language::en ? range_text(*o.range) : range_text_ja(*o.range));
    }
    return help.replace(QStringLiteral("{side}"), QString::number(sprites::largest_picture_side));
}

QString named(const Option& o, Language language) {
    QString name = spelled(o);
    if (!o.short_name.empty()) name = QStringLiteral("-%1, %2").arg(text(o.short_name), name);
    const std::string_view value = language == Language::en ? o.value_en : o.value_ja;
    return value.empty() ? name : name + QLatin1Char(' ') + text(value);
}

// One line an option, its description from a common column (after at least one blank, and not
// before min_column) and continued on lines indented to that column.
QString option_lines(const std::vector<const Option*>& options, Language language, int min_column) {
    int column = min_column;
    for (const Option* o : options) {
        column = std::max(column, 2 + display_width(named(*o, Language::en)) + 1);
        column = std::max(column, 2 + display_width(named(*o, Language::ja)) + 1);
    }
    QString lines;
    for (const Option* o : options) {
        const QString name = QStringLiteral("  ") + named(*o, language);
        const QString indent(column, QLatin1Char(' '));
        lines += name + QString(column - display_width(name), QLatin1Char(' ')) +
                 described(*o, language).replace(QLatin1Char('\n'), QLatin1Char('\n') + indent) +
                 QLatin1Char('\n');
    }
    return lines;
}

// The commands and their summaries, for the general help.
QString command_lines(Language language) {
    QString lines;
    for (const CommandDeclaration& c : command_declarations()) {
        lines += QStringLiteral("  %1 %2\n")
                     .arg(text(c.name).leftJustified(8),
                          text(language == Language::en ? c.summary_en : c.summary_ja));
    }
    return lines;
}

// Where an option's description starts in the general and the commands' help.
constexpr int general_column = 15;
constexpr int command_column = 22;

}  // namespace

QString range_text(const Range& range) {
    return QStringLiteral("%1 to %2").arg(range.low).arg(range.high);
}

QString range_text_ja(const Range& range) {
    return QStringLiteral("%1から%2").arg(range.low).arg(range.high);
}

QString either(const QStringList& words) {
    if (words.size() < 2) return words.join(QString());
    return words.mid(0, words.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") +
           words.last();
}

QString general_help() {
    const std::vector<const Option*> options = {&help_option, &version_option};
    return QStringLiteral(
               "Usage: kelvara-render COMMAND [OPTIONS]\n"
               "Renders Kelvara characters without opening the window.\n"
               "\n"
               "Commands:\n") +
           command_lines(Language::en) +
           QStringLiteral(
               "Run 'kelvara-render COMMAND --help' for a command's options.\n"
               "\n"
               "Options:\n") +
           option_lines(options, Language::en, general_column) +
           QStringLiteral(
               "\n"
               "Exit status: 0 done, 1 a file could not be written, 2 bad input "
               "(nothing written).\n"
               "\n"
               "使い方: kelvara-render コマンド [オプション]\n"
               "ウィンドウを開かずにキャラクターを描きます。\n"
               "\n"
               "コマンド:\n") +
           command_lines(Language::ja) +
           QStringLiteral(
               "各コマンドのオプションは 'kelvara-render コマンド --help' で表示されます。\n") +
           option_lines(options, Language::ja, general_column) +
           QStringLiteral(
               "終了コード: 0 完了、1 ファイルを書けなかった、2 入力の誤り(何も書きません)。\n");
}

QString command_help(const CommandDeclaration& c) {
    return QStringLiteral("Usage: ") + text(c.usage_en) + text(c.about_en) +
           option_lines(c.options, Language::en, command_column) + QLatin1Char('\n') +
           QStringLiteral("使い方: ") + text(c.usage_ja) + text(c.about_ja) +
           option_lines(c.options, Language::ja, command_column);
}

}  // namespace kelvara::cli
