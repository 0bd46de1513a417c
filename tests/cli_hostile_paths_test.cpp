// What a hostile folder, file or name can make the real kelvara-render do, one row per trick, each
// a shell script run in a fresh folder that holds P.txt (the character "hero"): it plants links,
// pipes and odd names, then runs the program ($B) as its last command. Each row gives the status,
// a part of the message and what the folder holds afterwards (every name with a file's size or
// what else stands there, as find prints it); the standard error must be one short message
// without control characters. KELVARA_RENDER_UNDER_TEST runs the table against another build.
#include <gtest/gtest.h>

#include <QProcess>
#include <algorithm>

#include "export/parameter_file.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

struct Ran {
    int status;
    QByteArray out, err;
};

// $H is an unknown name of 120,004 characters with a terminal's clear-screen in the middle.
Ran run(const QString& folder, const QByteArray& script) {
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString chosen = env.value(QStringLiteral("KELVARA_RENDER_UNDER_TEST"));
    env.insert(QStringLiteral("B"),
               chosen.isEmpty() ? QStringLiteral(KELVARA_RENDER_BINARY) : chosen);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"),
             QString::fromLatin1("H=$(printf '%60000s\\033[2J%60000s' | tr ' ' x); " + script)});
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

QByteArray snapshot(const QString& folder) {
    return run(folder,
               "find . -mindepth 1 ! -name '.kelvara-tmp-[0-9]*-kelvara_1.bmp' \\( -type f "
               "-printf '%P %s\\n' -o -printf '%P %y%l\\n' \\) | LC_ALL=C sort | tr '\\n' ,")
        .out;
}

struct Row {
    const char* script;
    int status;
    const char* message;
    const char* after;  // nullptr: as the script planted it
};

#define P "P.txt 235,"
#define BATCH "kelvara_1.bmp 12150,kelvara_1.txt 247,"
// clang-format off
const Row rows[] = {
    // 1: a link at the temporary name an old batch writer gave kelvara_1.bmp in this process.
    {"echo precious >v; ln -s v .kelvara-tmp-$$-kelvara_1.bmp; exec $B random --count 1 --seed 1 --out .", 0, "", P BATCH "v 9,"},
    // 2: one file under two names.
    {"ln -s . l; exec $B atlas P.txt -o x.png --json l/x.png", 2, "l/x.png: the same file as x.png", nullptr},
    // 3: a leftover whose process id overflows is no one's, and stays.
    {"echo left >.kelvara-tmp-4294967297-y; exec $B random --count 1 --seed 1 --out .", 0, "",
     ".kelvara-tmp-4294967297-y 5," P BATCH},
    // 4: a second batch into a folder that a first one writes waits, then replaces every file.
    {"$B random --count 300 --seed 2 --jobs 1 --out alone || exit 9\n"
     "$B random --count 300 --seed 1 --jobs 1 --out s & first=$!\n"
     "until ls -A s 2>/dev/null | grep -q kelvara-tmp || ! kill -0 $first; do sleep 0.001; done\n"
     "$B random --count 300 --seed 2 --jobs 1 --out s && wait $first && diff -r alone s && rm -r alone s",
     0, "s: another batch or bundle is writing into this folder", P},
    // A bundle into a folder that another writer holds (here flock(1), deterministically) waits.
    {"mkdir s; : >s/.kelvara-tmp-lock\n"
     "flock s/.kelvara-tmp-lock -c 'touch s/held; sleep 1' & until [ -f s/held ]; do sleep 0.001; done\n"
     "$B bundle P.txt -o s && wait && test -f s/s.aseprite && rm -r s",
     0, "s: another batch or bundle is writing into this folder", P},
    // 5: echoes of at most 60 characters, escaped.
    {"exec $B animate P.txt --animation \"$H\" -o a.gif", 2, "unknown animation \"xxxxxxx", nullptr},
    {"exec $B \"$H\"", 2, "unknown command xxxx", nullptr},
    // 6: names are bytes; a name from a first line loses its control characters.
    {"n=$(printf 'sj\\223\\372.txt'); cp P.txt $n; exec $B render $n -o $(printf 'o\\223\\372.bmp')", 0, "",
     P "o\x93\xfa.bmp 12150,sj\x93\xfa.txt 235,"},
    {"exec $B render $(printf 'gone\\223.txt')", 2, "gone\\x93.txt: ", nullptr},
    {"exec $B random --count 1 --seed 1 --out $(printf 'd\\223/e')", 0, "",
     P "d\x93 d,d\x93/e d,d\x93/e/kelvara_1.bmp 12150,d\x93/e/kelvara_1.txt 247,"},
    {"{ printf '[a\\033[31mb\\tc]\\r\\n'; tail -n +2 P.txt; } >c.txt; exec $B render c.txt", 0, "",
     P "a[31mbc.bmp 12150,c.txt 240,"},
    // 7: the name says the format written, and an output is never an input.
    {"exec $B atlas P.txt -o a.bmp", 2, "a.bmp: the file is written as PNG, so its name must end in .png", nullptr},
    {"exec $B render P.txt -o a.BMP", 0, "", P "a.BMP 12150,"},
    {"ln -s . l; exec $B atlas P.txt -o a.png --json l/P.txt", 2, "the same file as the input P.txt", nullptr},
    // 8: a link the user named is followed to a regular file only, one at a made-up name is
    // replaced, and running out of memory names the file.
    {"echo old >real.bmp; ln -s real.bmp r.bmp; exec $B render P.txt -o r.bmp", 0, "", P "r.bmp lreal.bmp,real.bmp 12150,"},
    {"ln -s none d.bmp; exec $B render P.txt -o d.bmp", 2, "d.bmp: not a regular file", nullptr},
    {"ln -s none d; exec $B random --count 1 --seed 1 --out d", 2, "d: a link to nothing", nullptr},
    {"echo precious >v; ln -s none kelvara_1.bmp; ln -s v kelvara_1.txt; exec $B random --count 1 --seed 1 --out .",
     0, "", P BATCH "v 9,"},
    {"ulimit -v 300000; exec $B atlas P.txt -o big.png --scale 8 --columns 32", 1,
     "big.png: not enough memory for the picture", P},
    // The same for a bundle: its folder is the user's, its subfolders and files are made up.
    {"mkdir h; ln -s . h/gif; exec $B bundle P.txt -o h", 2, "h/gif: a link where a folder is made", nullptr},
    {"mkdir h; cp P.txt h/h.txt; exec $B bundle h/h.txt -o h", 2, "the same file as the input h/h.txt", nullptr},
    {"$B bundle P.txt -o $(printf 'e\\223') && ls $(printf 'e\\223')/character.png && rm -r e*", 0, "", P},
    {"$B bundle P.txt -o $(printf 'c\\033') && ls $(printf 'c\\033')/character.png && rm -r c*", 0, "", P},
    {"ulimit -v 300000; exec $B bundle P.txt -o big --scale 8", 1, "big: not enough memory for the picture", P},
};
// clang-format on

TEST(CliHostilePaths, EachTrickIsRefusedOrHarmless) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.script);
#ifdef __SANITIZE_ADDRESS__
        // The sanitizer's own mappings need more address space than the limit leaves.
        if (QByteArray(row.script).startsWith("ulimit")) continue;
#endif
        QTemporaryDir dir;
        ASSERT_TRUE(write_all(dir.filePath(QStringLiteral("P.txt")),
                              *parameter_file(QStringLiteral("hero"), start_up_selection())));
        // A row that changes nothing is planted first, to see the folder as it was.
        QByteArray script = row.script, before = row.after;
        if (!row.after) {
            const qsizetype exec = script.lastIndexOf("exec ");
            run(dir.path(), script.left(exec) + "true");
            before = snapshot(dir.path());
            script = script.mid(exec);
        }
        const Ran r = run(dir.path(), script);
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(row.message)) << r.err.toStdString();
        EXPECT_LT(r.err.size(), 400);
        EXPECT_FALSE(std::any_of(r.err.begin(), r.err.end(), [](char c) {
            return c >= 0 && c < 0x20 && c != '\n';
        })) << "a control character reached the terminal";
        EXPECT_EQ(snapshot(dir.path()).toStdString(), before.toStdString());
        run(dir.path(), "rm -rf ./* ./.??*");  // names QTemporaryDir cannot remove
    }
}

}  // namespace
}  // namespace kelvara::testing
