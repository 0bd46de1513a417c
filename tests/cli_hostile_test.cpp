// What a hostile user can hand the renderer: special files, endless or huge inputs, absurd sizes,
// megabyte-long values and lax numbers. Every case must end with its status, a short message and
// nothing written: no new file, and every special file still what it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <QDirIterator>
#include <map>

#include "cli_test_support.h"
#include "export/parameter_file.h"

namespace kelvara::testing {
namespace {

struct Hostile {
    QStringList args;
    int status;
    const char* message;  // a part of the message
};

struct CliHostile : ::testing::Test {
    QTemporaryDir dir;
    bool devices = false;

    QString at(const QString& name) const { return dir.filePath(name); }

    void SetUp() override {
        ASSERT_TRUE(write_all(at(QStringLiteral("hero.txt")),
                              *parameter_file(QStringLiteral("hero"), EditorState{})));
        QByteArray long_number = *parameter_file(QStringLiteral("hero"), EditorState{});
        const qsizetype face = long_number.indexOf("0\t : ");  // line 3, the face
        long_number.replace(face, 1, QByteArray(30000, '7'));
        ASSERT_TRUE(write_all(at(QStringLiteral("long_number.txt")), long_number));
        ASSERT_TRUE(write_all(at(QStringLiteral("huge.txt")), QByteArray(64 * 1024 + 1, '\n')));
        for (const char* fifo :
             {"in_fifo", "out_fifo.bmp", "out_fifo.png", "batch/kelvara_2.txt"}) {
            QDir().mkpath(QFileInfo(at(QLatin1String(fifo))).absolutePath());
            ASSERT_EQ(::mkfifo(QFile::encodeName(at(QLatin1String(fifo))).constData(), 0666), 0);
        }
        // Device nodes of our own with the numbers of the zero and null devices, never the
        // system's: an unfixed renderer replaces what it writes to.
        devices = ::mknod(QFile::encodeName(at(QStringLiteral("zero"))).constData(), S_IFCHR | 0666,
                          makedev(1, 5)) == 0 &&
                  ::mknod(QFile::encodeName(at(QStringLiteral("null.bmp"))).constData(),
                          S_IFCHR | 0666, makedev(1, 3)) == 0;
    }

    // Every entry below the folder with its kind, to see that nothing came or changed.
    std::map<QString, mode_t> snapshot() const {
        std::map<QString, mode_t> kinds;
        QDirIterator it(dir.path(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            struct stat st {};
            ::lstat(QFile::encodeName(p).constData(), &st);
            kinds[p] = st.st_mode & S_IFMT;
        }
        return kinds;
    }

    void run_table(const std::vector<Hostile>& cases) {
        const auto before = snapshot();
        for (const Hostile& c : cases) {
            const bool needs_device = c.args.contains(at(QStringLiteral("zero"))) ||
                                      c.args.contains(at(QStringLiteral("null.bmp")));
            if (needs_device && !devices) continue;
            const QString shown = c.args.join(' ').left(120);
            const CliRun r = run_cli(c.args);
            EXPECT_EQ(r.status, c.status) << shown.toStdString() << "\n" << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << shown.toStdString() << "\n"
                                                                      << r.err.toStdString();
            EXPECT_LT(r.err.size(), 400) << shown.toStdString() << ": the message echoes too much";
            EXPECT_EQ(snapshot(), before) << shown.toStdString() << ": something was written";
        }
    }
};

const QString huge(100000, QLatin1Char('x'));

TEST_F(CliHostile, Render) {
    const QString hero = at(QStringLiteral("hero.txt"));
    const QString out = at(QStringLiteral("out.bmp"));
    auto render = [&](const QString& input, const QStringList& more = {}) {
        return QStringList{QStringLiteral("render"), input} + more;
    };
    run_table({
        {render(at(QStringLiteral("in_fifo")), {"-o", out}), 2, "not a regular file"},
        {render(at(QStringLiteral("zero")), {"-o", out}), 2, "not a regular file"},
        {render(at(QStringLiteral("huge.txt")), {"-o", out}), 2, "64 KiB"},
        {render(dir.path(), {"-o", out}), 2, "directory"},
        {render(at(QStringLiteral("long_number.txt")), {"-o", out}), 2, "line 3"},
        {render(hero, {"-o", at(QStringLiteral("out_fifo.bmp"))}), 2, "not a regular file"},
        {render(hero, {"-o", at(QStringLiteral("null.bmp"))}), 2, "not a regular file"},
        {render(hero, {"-o", dir.path()}), 2, "directory"},
        {render(hero, {"-o", at(huge)}), 2, "…"},
        {render(hero, {"-o", ""}), 2, "-o needs a file name"},
        {render(hero, {"--" + huge}), 2, "unknown option --xxx"},
        {render(hero, {"-o", out, "--background", "+12345"}), 2, "--background"},
        {render(hero, {"-o", out, "--background", "0x1234"}), 2, "--background"},
        {render(hero, {"-o", out, "--background", " 12345"}), 2, "--background"},
        {render(hero, {"-o", out, "--scale", " 3"}), 2, "--scale"},
        {render(hero, {"-o", out, "--scale", "+3"}), 2, "--scale"},
        {render(hero, {"-o", out, "--scale", "3 "}), 2, "--scale"},
    });
}

TEST_F(CliHostile, Random) {
    auto random = [&](const QString& folder, const QStringList& more = {}) {
        return QStringList{"random", "--count", "3", "--seed", "1", "--out", folder} + more;
    };
    const QString fresh = at(QStringLiteral("fresh"));
    run_table({
        {random(at(QStringLiteral("batch"))), 2, "kelvara_2.txt: not a regular file"},
        {random(at(QStringLiteral("hero.txt"))), 2, "Not a directory"},
        {random(""), 2, "random needs --out"},
        {random(fresh, {"--count", " 5"}), 2, "--count"},
        {random(fresh, {"--count", "+5"}), 2, "--count"},
        {random(fresh, {"--count", "99999999999999999999"}), 2, "--count"},
        {random(fresh, {"--seed", "+1"}), 2, "--seed"},
        {random(fresh, {"--seed", " 1"}), 2, "--seed"},
        {random(fresh, {"--seed", "4294967296"}), 2, "--seed"},
        {random(fresh, {"--type", "robot"}), 2, "face or damage"},
        {random(fresh, {"--items", "face," + huge}), 2, "unknown item \"xxx"},
        {random(fresh, {"--background", "0x1234"}), 2, "--background"},
    });
}

TEST_F(CliHostile, Sheet) {
    const QString hero = at(QStringLiteral("hero.txt"));
    const QString out = at(QStringLiteral("sheet.png"));
    auto sheet = [&](const QStringList& inputs, const QStringList& more) {
        return QStringList{"sheet"} + inputs + QStringList{"--columns", "2"} + more;
    };
    QStringList many;
    for (int i = 0; i < 33; ++i) many << hero;
    run_table({
        {sheet({hero, at(QStringLiteral("in_fifo"))}, {"-o", out}), 2, "not a regular file"},
        {sheet({hero, at(QStringLiteral("zero"))}, {"-o", out}), 2, "not a regular file"},
        {sheet({at(QStringLiteral("huge.txt"))}, {"-o", out}), 2, "64 KiB"},
        // 33 across at x8 is 16632 pixels wide; a sheet a thousand high would be as bad.
        {sheet(many, {"-o", out, "--columns", "33", "--scale", "8"}), 2, "at most 16384"},
        {sheet(many + many, {"-o", out, "--columns", "1", "--scale", "8"}), 2, "at most 16384"},
        {sheet({hero}, {"-o", at(QStringLiteral("out_fifo.png"))}), 2, "not a regular file"},
        {sheet({hero}, {"-o", at(QStringLiteral("null.bmp"))}), 2, "not a regular file"},
        {sheet({hero}, {"-o", at(QStringLiteral("sheet.gif"))}), 2, ".png or .bmp"},
        {sheet({hero}, {"-o", ""}), 2, "-o needs a file name"},
        {sheet({hero}, {"-o", out, "--columns", " 2"}), 2, "--columns"},
        {sheet({hero}, {"-o", out, "--scale", "1e0"}), 2, "--scale"},
    });
}

}  // namespace
}  // namespace kelvara::testing
