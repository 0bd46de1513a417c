// The options as declared against what the program says and does: the help names every declared
// option and nothing else, one range per option in every command, and one output check.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QRegularExpression>
#include <set>

#include "cli_test_support.h"
#include "command_line.h"
#include "export/parameter_file.h"
#include "options.h"

namespace kelvara::testing {
namespace {

using namespace Qt::StringLiterals;

// The words of a help text that look like options: "-o", "--scale", not "see-through".
std::set<QString> option_words(const QString& help) {
    static const QRegularExpression word(u"(?<![\\w-])--?[a-z][a-z-]*"_s);
    std::set<QString> words;
    for (auto it = word.globalMatch(help); it.hasNext();) words.insert(it.next().captured());
    return words;
}

TEST(CliOptions, TheHelpNamesEveryDeclaredOptionAndNoOther) {
    const auto check = [](const QStringList& args, const std::vector<const cli::Option*>& options) {
        const CliRun r = run_cli(args);
        ASSERT_EQ(r.status, cli::exit_ok);
        std::set<QString> declared = {u"-h"_s, u"--help"_s};
        for (const cli::Option* o : options) declared.insert(cli::spelled(*o));
        const std::set<QString> english = option_words(r.out.section(u"使い方"_s, 0, 0));
        const std::set<QString> japanese = option_words(r.out.section(u"使い方"_s, 1));
        for (const QString& d : declared) {
            if (d == u"-h"_s || (d == u"--help"_s && args.size() > 1)) continue;
            EXPECT_TRUE(english.count(d))
                << args.join(' ').toStdString() << ": " << d.toStdString();
            EXPECT_TRUE(japanese.count(d))
                << args.join(' ').toStdString() << ": " << d.toStdString();
        }
        for (const auto* words : {&english, &japanese}) {
            for (const QString& w : *words) {
                EXPECT_TRUE(declared.count(w))
                    << args.join(' ').toStdString() << " names " << w.toStdString();
            }
        }
    };
    check({u"--help"_s}, {&cli::help_option, &cli::version_option});
    int commands = 0;
    for (const cli::CommandSpec& c : cli::command_specs()) {
        check({cli::text(c.name), u"--help"_s}, c.options);
        ++commands;
    }
    EXPECT_EQ(commands, 6);
}

// One range per option, in the help and in the check, whichever command takes it.
TEST(CliOptions, EveryCommandChecksAnOptionAgainstItsOneRange) {
    struct Case {
        QString option;
        qint64 low, high;
        QStringList commands;
    };
    const Case cases[] = {
        {u"--scale"_s, 1, 8, {u"render"_s, u"sheet"_s, u"atlas"_s, u"animate"_s, u"bundle"_s}},
        {u"--columns"_s, 1, 256, {u"sheet"_s, u"atlas"_s}},
        {u"--jobs"_s, 1, 256, {u"random"_s, u"sheet"_s, u"atlas"_s, u"bundle"_s}},
        {u"--count"_s, 1, 100000, {u"random"_s}},
        {u"--seed"_s, 0, 4294967295, {u"random"_s}},
    };
    QTemporaryDir dir;
    const QString params = dir.filePath(u"p.txt"_s);
    ASSERT_TRUE(write_all(params, *parameter_file(u"p"_s, start_up_selection())));
    for (const Case& c : cases) {
        const QString range = u"%1 to %2"_s.arg(c.low).arg(c.high);
        for (const QString& command : c.commands) {
            const QString help = run_cli({command, u"--help"_s}).out;
            const QString line =
                help.section(u"\n  "_s + c.option + u' ', 1, 1).section('\n', 0, 0);
            EXPECT_TRUE(line.contains(range)) << command.toStdString() << " " << line.toStdString();
            QStringList base = {command, u"--count"_s, u"1"_s, u"--out"_s, dir.filePath(u"r"_s)};
            if (command != u"random"_s) {
                base = {command,          params,   u"-o"_s, dir.filePath(u"x.png"_s),
                        u"--animation"_s, u"walk"_s};
                if (command != u"animate"_s) base.removeLast(), base.removeLast();
            }
            for (const qint64 wrong : {c.low - 1, c.high + 1}) {
                if (wrong < 0) continue;
                QStringList args = base;
                const qsizetype at = args.indexOf(c.option);
                if (at >= 0) args.remove(at, 2);
                const CliRun r = run_cli(args << c.option << QString::number(wrong));
                EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
                EXPECT_TRUE(r.err.contains(c.option + u" takes a whole number from "_s + range))
                    << r.err.toStdString();
            }
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"p.txt"_s});
}

// A missing folder, a folder or device where the file should go, or a folder closed to writing:
// bad input for every command, before anything is drawn, naming the path.
TEST(CliOptions, EveryCommandRefusesAnUnwritableOutputTheSameWay) {
    QTemporaryDir dir;
    const QString params = dir.filePath(u"p.txt"_s);
    ASSERT_TRUE(write_all(params, *parameter_file(u"p"_s, start_up_selection())));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.png"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"closed"_s));
    ASSERT_TRUE(
        QFile::setPermissions(dir.filePath(u"closed"_s), QFile::ReadOwner | QFile::ExeOwner));
    QStringList outputs = {dir.filePath(u"missing/x.png"_s), dir.filePath(u"folder.png"_s),
                           u"/dev/null"_s};
    if (geteuid() != 0) outputs << dir.filePath(u"closed/x.png"_s);  // root writes anywhere
    const auto calls = [&](const QString& out) {
        std::vector<QStringList> all = {
            {u"render"_s, params, u"-o"_s, out},
            {u"render"_s, params, u"-o"_s, out, u"--format"_s, u"png"_s},
            {u"atlas"_s, params, u"-o"_s, out},
            {u"atlas"_s, params, u"-o"_s, dir.filePath(u"a.png"_s), u"--json"_s, out},
            {u"animate"_s, params, u"--animation"_s, u"walk"_s, u"-o"_s, out},
        };
        // A sheet's name says its format.
        if (out.endsWith(u".png"_s)) all.push_back({u"sheet"_s, params, u"-o"_s, out});
        return all;
    };
    QStringList before = entries(dir.path());
    for (const QString& out : outputs) {
        for (const QStringList& args : calls(out)) {
            const CliRun r = run_cli(args);
            EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
            EXPECT_TRUE(r.err.startsWith(u"kelvara-render: "_s + out.left(out.lastIndexOf('/'))))
                << r.err.toStdString();
        }
    }
    // A batch's or a bundle's folder where a file stands, or closed to writing.
    ASSERT_TRUE(write_all(dir.filePath(u"file"_s), "x"));
    QStringList folders = {dir.filePath(u"file"_s)};
    if (geteuid() != 0) folders << dir.filePath(u"closed"_s);
    for (const QString& folder : folders) {
        for (const QStringList& args :
             {QStringList{u"random"_s, u"--count"_s, u"2"_s, u"--out"_s, folder},
              QStringList{u"bundle"_s, params, u"-o"_s, folder}}) {
            const CliRun r = run_cli(args);
            EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
        }
    }
    QStringList expected = before << u"file"_s;
    expected.sort();
    EXPECT_EQ(entries(dir.path()), expected);
    EXPECT_TRUE(entries(dir.filePath(u"closed"_s)).isEmpty());
}

TEST(CliOptions, BadInputIsAnExceptionWithItsMessage) {
    const cli::BadInput e(u"--type takes かおづら"_s);
    const std::exception& as_exception = e;
    EXPECT_STREQ(as_exception.what(), "--type takes かおづら");
    EXPECT_EQ(e.message(), u"--type takes かおづら"_s);
}

}  // namespace
}  // namespace kelvara::testing
