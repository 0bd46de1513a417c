// The options as declared against what the program says and does: the help names every declared
// option and nothing else, one range per option in every command, and one output check.
#include <gtest/gtest.h>
#include <sys/mount.h>
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

TEST(CliOptions, TheHelpNamesEveryDeclaredOptionAndNoOther) {
    std::vector<std::pair<QStringList, std::vector<const cli::Option*>>> helps = {
        {{u"--help"_s}, {&cli::help_option, &cli::version_option}}};
    for (const cli::CommandDeclaration& c : cli::command_declarations())
        helps.push_back({{cli::text(c.name), u"--help"_s}, c.options});
    ASSERT_EQ(helps.size(), 7u);
    // The words that look like options: "-o", "--scale", not "see-through".
    static const QRegularExpression word(u"(?<![\\w-])--?[a-z][a-z-]*"_s);
    for (const auto& [args, options] : helps) {
        const CliRun r = run_cli(args);
        ASSERT_EQ(r.status, cli::exit_ok);
        const std::string shown = args.join(' ').toStdString();
        // Every command takes -h and --help; the general help alone lists them.
        std::set<QString> declared = {u"-h"_s, u"--help"_s};
        for (const cli::Option* o : options) declared.insert(cli::spelled(*o));
        for (const QString& half :
             {r.out.section(u"使い方"_s, 0, 0), r.out.section(u"使い方"_s, 1)}) {
            std::set<QString> named;
            for (auto it = word.globalMatch(half); it.hasNext();)
                named.insert(it.next().captured());
            for (const QString& d : declared) {
                EXPECT_TRUE(named.count(d) || d == u"-h"_s || (d == u"--help"_s && args.size() > 1))
                    << shown << " leaves out " << d.toStdString();
            }
            for (const QString& w : named)
                EXPECT_TRUE(declared.count(w)) << shown << " names " << w.toStdString();
        }
    }
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
            const QStringList base =
                command == u"random"_s
                    ? QStringList{command, u"--count"_s, u"1"_s, u"--out"_s, dir.filePath(u"r"_s)}
                    : QStringList{command,          params,   u"-o"_s, dir.filePath(u"x.png"_s),
                                  u"--animation"_s, u"walk"_s}
                          .mid(0, command == u"animate"_s ? 6 : 4);
            for (const qint64 wrong : {c.low - 1, c.high + 1}) {
                if (wrong < 0) continue;
                QStringList args = base;
                if (const qsizetype at = args.indexOf(c.option); at >= 0) args.remove(at, 2);
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
// bad input for every command, before anything is drawn, naming the path. A write that fails past
// the check is a failed write.
TEST(CliOptions, EveryCommandChecksItsOutputsTheSameWay) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    const QString params = at("p.txt");
    ASSERT_TRUE(write_all(params, *parameter_file(u"p"_s, start_up_selection())));
    ASSERT_TRUE(write_all(at("file"), "x"));
    for (const char* folder : {"folder.png", "folder.bmp", "folder.json", "folder.gif"})
        ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8(folder)));
    // Root writes into any folder but a read-only one, which only root may mount.
    ScratchFileSystem read_only(at("closed"), "size=4k", MS_RDONLY);
    const bool closed =
        read_only.mounted() ||
        (geteuid() != 0 && QFile::setPermissions(at("closed"), QFile::ReadOwner | QFile::ExeOwner));
    struct Case {
        QString file;    // for the commands that write files, named as for a PNG
        QString folder;  // for those that write into a folder
        int status;
    };
    std::vector<Case> cases = {
        {at("missing/x.png"), at("file"), cli::exit_bad_input},
        {at("folder.png"), u"/dev/null"_s, cli::exit_bad_input},
        {u"/dev/null"_s, {}, cli::exit_bad_input},
        // Root may make files in any folder, but not in /proc.
        {geteuid() == 0 ? u"/proc/x.png"_s : QString(), u"/proc/x"_s, cli::exit_write_failed},
    };
    if (closed) cases.push_back({at("closed/x.png"), at("closed"), cli::exit_bad_input});
    const auto calls = [&](const Case& c) {
        const auto as = [&](const char* ext) {
            return QString(c.file).replace(u".png"_s, QString::fromLatin1(ext));
        };
        std::vector<QStringList> all;  // the output last
        if (!c.file.isEmpty()) {
            all = {{u"render"_s, params, u"-o"_s, as(".bmp")},
                   {u"render"_s, params, u"--format"_s, u"png"_s, u"-o"_s, c.file},
                   {u"atlas"_s, params, u"-o"_s, c.file},
                   {u"atlas"_s, params, u"-o"_s, at("a.png"), u"--json"_s, as(".json")},
                   {u"animate"_s, params, u"--animation"_s, u"walk"_s, u"-o"_s, as(".gif")}};
        }
        // A sheet's name says its format.
        if (c.file.endsWith(u".png"_s)) all.push_back({u"sheet"_s, params, u"-o"_s, c.file});
        if (!c.folder.isEmpty()) {
            all.push_back({u"random"_s, u"--count"_s, u"2"_s, u"--out"_s, c.folder});
            all.push_back({u"bundle"_s, params, u"-o"_s, c.folder});
        }
        return all;
    };
    const QStringList before = entries(dir.path());
    for (const Case& c : cases) {
        for (const QStringList& args : calls(c)) {
            const CliRun r = run_cli(args);
            EXPECT_EQ(r.status, c.status) << args.join(' ').toStdString();
            const QString& out = args.last();
            EXPECT_TRUE(r.err.startsWith(u"kelvara-render: "_s + out.left(out.lastIndexOf('/'))))
                << r.err.toStdString();
        }
    }
    EXPECT_EQ(entries(dir.path()), before);
    EXPECT_TRUE(entries(at("closed")).isEmpty());
}

TEST(CliOptions, BadInputIsAnExceptionWithItsMessage) {
    const cli::BadInput e(u"--type takes かおづら"_s);
    EXPECT_STREQ(static_cast<const std::exception&>(e).what(), "--type takes かおづら");
    EXPECT_EQ(e.message(), u"--type takes かおづら"_s);
}

}  // namespace
}  // namespace kelvara::testing
