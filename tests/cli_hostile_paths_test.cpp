// What a hostile folder, file or name can make the real kelvara-render do, one row per trick: a
// link planted at a guessed temporary name, one file under two names, a leftover temporary whose
// process id overflows, raw and endless echoes, names that are not UTF-8 or carry control
// characters, outputs whose name says another format or that are the command's input, and links
// at outputs. Each row runs the program in a fresh folder and checks its status, its message and
// what the folder holds afterwards. KELVARA_RENDER_UNDER_TEST runs the table against another
// build of the program.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <memory>

#include "export/parameter_file.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

QByteArray binary() {
    const QByteArray chosen = qgetenv("KELVARA_RENDER_UNDER_TEST");
    return chosen.isEmpty() ? QByteArray(KELVARA_RENDER_BINARY) : chosen;
}

// The first bytes of a file, and a file made, under names of any bytes.
QByteArray head(const QByteArray& path) {
    char bytes[8] = {};
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
    const ssize_t n = fd < 0 ? 0 : ::read(fd, bytes, sizeof bytes);
    if (fd >= 0) ::close(fd);
    return QByteArray(bytes, n > 0 ? n : 0);
}

bool make_file(const QByteArray& path, const QByteArray& bytes) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    const bool written = fd >= 0 && ::write(fd, bytes.constData(), bytes.size()) == bytes.size();
    if (fd >= 0) ::close(fd);
    return written;
}

// A name as the rows write it: bytes outside printable ASCII as \xNN.
QString shown_name(const QByteArray& name) {
    QString shown;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        shown += u >= 0x20 && u < 0x7F ? QString(QChar(u)) : QString::asprintf("\\x%02x", u);
    }
    return shown;
}

// What a folder holds, sorted by name: a file's format (or its text), "-> target" for a link,
// "pipe", and a folder's own contents in brackets. The links a row plants at guessed temporary
// names are left out: what they point to shows whether one was written through.
QString snapshot(const QByteArray& folder) {
    std::vector<QByteArray> names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* e = ::readdir(dir)) names.emplace_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    QStringList shown;
    for (const QByteArray& name : names) {
        const QByteArray path = folder + '/' + name;
        struct stat st {};
        if (name == "." || name == ".." || ::lstat(path.constData(), &st) != 0) continue;
        QString what = QStringLiteral("pipe");
        if (S_ISLNK(st.st_mode)) {
            if (name.startsWith(".kelvara-tmp-")) continue;
            char target[256] = {};
            what = QStringLiteral("-> ") +
                   QString::fromUtf8(target, ::readlink(path.constData(), target, 255));
        } else if (S_ISDIR(st.st_mode)) {
            what = QLatin1Char('[') + snapshot(path) + QLatin1Char(']');
        } else if (S_ISREG(st.st_mode)) {
            const QByteArray bytes = head(path);
            what = bytes.startsWith("\x89PNG") ? QStringLiteral("PNG")
                   : bytes.startsWith("GIF8")  ? QStringLiteral("GIF")
                   : bytes.startsWith("BM")    ? QStringLiteral("BMP")
                   : bytes.startsWith("{")     ? QStringLiteral("JSON")
                   : bytes.startsWith("[")     ? QStringLiteral("txt")
                                               : QString::fromLatin1(bytes);
        }
        shown << shown_name(name) + QStringLiteral(": ") + what;
    }
    return shown.join(QStringLiteral(", "));
}

// Makes what a row plants, words split at blanks: "name/" a folder, "name->target" a link,
// "name|" a pipe, "name=[first]" a parameter file whose first line is [first], "name=text" a file
// holding text, and "@pids" links from the temporary names an old batch writer would give
// kelvara_1.bmp in the next few hundred processes to the file "victim".
void plant(const QByteArray& folder, const QByteArray& planted) {
    for (const QByteArray& word : planted.split(' ')) {
        if (word.isEmpty()) continue;
        qsizetype end = word.size();
        for (const char* mark : {"->", "="}) {
            if (const qsizetype i = word.indexOf(mark); i >= 0) end = std::min(end, i);
        }
        const QByteArray at = folder + '/' + word.left(end);
        if (word == "@pids") {
            const int last = read_all(QStringLiteral("/proc/sys/kernel/ns_last_pid")).toInt();
            for (int pid = last + 1; pid <= last + 400; ++pid) {
                const QByteArray link =
                    folder + "/.kelvara-tmp-" + QByteArray::number(pid) + "-kelvara_1.bmp";
                ASSERT_EQ(::symlink("victim", link.constData()), 0);
            }
        } else if (word.endsWith('/')) {
            ASSERT_EQ(::mkdir(at.constData(), 0777), 0);
        } else if (word.endsWith('|')) {
            ASSERT_EQ(::mkfifo(at.chopped(1).constData(), 0666), 0);
        } else if (word.contains("->")) {
            ASSERT_EQ(::symlink(word.mid(word.indexOf("->") + 2).constData(), at.constData()), 0);
        } else {
            const QByteArray text = word.mid(word.indexOf('=') + 1);
            const QByteArray bytes =
                text.startsWith('[') ? *parameter_file(QString::fromUtf8(text.mid(1).chopped(1)),
                                                       start_up_selection())
                                     : text;
            ASSERT_TRUE(make_file(at, bytes)) << word.constData();
        }
    }
}

// The program started in folder with args as bytes: QProcess hands its arguments over as text,
// which cannot carry a name that is not UTF-8, so the child runs the program itself. Its address
// space may be limited (in MiB), to run it out of memory.
std::unique_ptr<QProcess> start(const QByteArray& folder, const QByteArrayList& args,
                                rlim_t memory_mib = 0) {
    auto argv = std::make_shared<std::vector<QByteArray>>(1, binary());
    for (const QByteArray& a : args) {
        // An unknown name of 120,000 characters with a terminal's clear-screen in the middle.
        argv->push_back(a == "@huge" ? QByteArray(60000, 'x') + "\x1b[2J" + QByteArray(60000, 'y')
                                     : a);
    }
    auto pointers = std::make_shared<std::vector<char*>>();
    for (QByteArray& a : *argv) pointers->push_back(a.data());
    pointers->push_back(nullptr);
    auto p = std::make_unique<QProcess>();
    p->setProgram(QString::fromLocal8Bit(binary()));
    p->setChildProcessModifier([argv, pointers, folder, memory_mib] {
        if (::chdir(folder.constData()) != 0) ::_exit(127);
        if (memory_mib > 0) {
            const rlimit limit{memory_mib << 20, memory_mib << 20};
            ::setrlimit(RLIMIT_AS, &limit);
        }
        ::execv(pointers->front(), pointers->data());
        ::_exit(127);
    });
    p->start();
    EXPECT_TRUE(p->waitForStarted());
    return p;
}

struct Row {
    int issue;            // the item of the list it comes from
    const char* planted;  // see plant()
    const char* args;     // split at blanks; "@huge" for the long name
    int status;
    const char* message;  // a part of the standard error
    const char* after;    // the folder afterwards (see snapshot); nullptr: as it was
    rlim_t memory_mib = 0;
};

// clang-format off
const Row rows[] = {
    // Links at every temporary name an old batch writer could give a file.
    {1, "victim=precious @pids", "random --count 1 --seed 1 --out .", 0, "",
     "kelvara_1.bmp: BMP, kelvara_1.txt: txt, victim: precious"},
    // One file under two names.
    {2, "P.txt=[hero] l->.", "atlas P.txt -o x.png --json l/x.png", 2, "l/x.png: the same file as x.png", nullptr},
    {2, "P.txt=[hero] x.png=old x.json->x.png", "atlas P.txt -o x.png", 2, "x.json: the same file as x.png", nullptr},
    // A leftover whose process id overflows is no one's, and stays.
    {3, ".kelvara-tmp-4294967297-y=left", "random --count 1 --seed 1 --out .", 0, "",
     ".kelvara-tmp-4294967297-y: left, kelvara_1.bmp: BMP, kelvara_1.txt: txt"},
    // Echoes of at most 60 characters, escaped.
    {5, "P.txt=[hero]", "animate P.txt --animation @huge -o a.gif", 2, "unknown animation \"xxxxxxx", nullptr},
    {5, "", "@huge", 2, "unknown command xxxx", nullptr},
    // Names are bytes; one from a first line loses its control characters.
    {6, "sj\x93\xfa.txt=[hero]", "render sj\x93\xfa.txt -o o\x93\xfa.bmp", 0, "",
     "o\\x93\\xfa.bmp: BMP, sj\\x93\\xfa.txt: txt"},
    {6, "", "render gone\x93.txt", 2, "gone\\x93.txt: ", nullptr},
    {6, "P.txt=[hero] d\x93/", "render P.txt -o d\x93/o.bmp", 0, "", "P.txt: txt, d\\x93: [o.bmp: BMP]"},
    {6, "", "random --count 1 --seed 1 --out d\x93/e", 0, "", "d\\x93: [e: [kelvara_1.bmp: BMP, kelvara_1.txt: txt]]"},
    {6, "c.txt=[a\x1b[31mb\tc]", "render c.txt", 0, "", "a[31mbc.bmp: BMP, c.txt: txt"},
    // The name says the format written, and an output is never an input.
    {7, "P.txt=[hero]", "atlas P.txt -o a.bmp", 2, "a.bmp: the file is written as PNG, so its name must end in .png", nullptr},
    {7, "P.txt=[hero]", "atlas P.txt -o a.png --json a.txt", 2, "must end in .json", nullptr},
    {7, "P.txt=[hero]", "animate P.txt --animation walk -o a.png", 2, "must end in .gif", nullptr},
    {7, "P.txt=[hero]", "animate P.txt --animation walk --format png -o a.gif", 2, "must end in .png", nullptr},
    {7, "P.txt=[hero]", "render P.txt --format png -o a.bmp", 2, "must end in .png", nullptr},
    {7, "P.txt=[hero]", "sheet P.txt --columns 1 -o a.gif", 2, ".png or .bmp", nullptr},
    {7, "P.txt=[hero]", "render P.txt -o a.BMP", 0, "", "P.txt: txt, a.BMP: BMP"},
    {7, "P.txt=[hero]", "render P.txt", 0, "", "P.txt: txt, hero.bmp: BMP"},
    {7, "P.txt=[hero]", "atlas P.txt -o P.txt", 2, "the same file as the input P.txt", nullptr},
    {7, "P.txt=[hero] l->.", "atlas P.txt -o a.png --json l/P.txt", 2, "the same file as the input P.txt", nullptr},
    // A link the user named is followed to a regular file only, one at a made-up name is
    // replaced, and running out of memory names the file.
    {8, "P.txt=[hero] real.bmp=old r.bmp->real.bmp", "render P.txt -o r.bmp", 0, "",
     "P.txt: txt, r.bmp: -> real.bmp, real.bmp: BMP"},
    {8, "P.txt=[hero] d.bmp->none", "render P.txt -o d.bmp", 2, "d.bmp: not a regular", nullptr},
    {8, "P.txt=[hero] d.png->none", "sheet P.txt --columns 1 -o d.png", 2, "d.png: not a regular", nullptr},
    {8, "P.txt=[hero] d.json->none", "atlas P.txt -o a.png --json d.json", 2, "d.json: not a regular", nullptr},
    {8, "P.txt=[hero] f| d.gif->f", "animate P.txt --animation walk -o d.gif", 2, "d.gif: not a regular", nullptr},
    {8, "d->none", "random --count 1 --seed 1 --out d", 2, "d: a link to nothing", nullptr},
    {8, "f|", "random --count 1 --seed 1 --out f", 2, "f: Not a directory", nullptr},
    {8, "kelvara_1.bmp->none victim=precious kelvara_1.txt->victim", "random --count 1 --seed 1 --out .", 0, "",
     "kelvara_1.bmp: BMP, kelvara_1.txt: txt, victim: precious"},
    {8, "P.txt=[hero]", "atlas P.txt -o big.png --scale 8 --columns 32", 1,
     "big.png: not enough memory for the picture", nullptr, 300},
};
// clang-format on

TEST(CliHostilePaths, EachTrickIsRefusedOrHarmless) {
    for (const Row& row : rows) {
        SCOPED_TRACE(
            QStringLiteral("case %1: %2").arg(row.issue).arg(shown_name(row.args)).toStdString());
#ifdef __SANITIZE_ADDRESS__
        if (row.memory_mib > 0) continue;  // the sanitizer's own mappings need the address space
#endif
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path());
        const EmptiedAtEnd emptied{folder};
        plant(folder, row.planted);
        const QString before = snapshot(folder);
        const auto p = start(folder, QByteArray(row.args).split(' '), row.memory_mib);
        ASSERT_TRUE(p->waitForFinished(60000));
        const QByteArray err = p->readAllStandardError();
        EXPECT_EQ(p->exitCode(), row.status) << err.toStdString();
        EXPECT_TRUE(err.contains(row.message)) << err.toStdString();
        EXPECT_LT(err.size(), 400);
        EXPECT_FALSE(std::any_of(err.begin(), err.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\n';
        })) << "a control character reached the terminal";
        EXPECT_EQ(snapshot(folder).toStdString(),
                  row.after ? std::string(row.after) : before.toStdString());
    }
}

// 4: a second batch into a folder that a first one is writing waits for it and says so, and then
// replaces every file, so that each picture and its parameter file come from one batch.
TEST(CliHostilePaths, TwoBatchesIntoOneFolderTakeTurns) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    auto batch = [](const char* seed, const char* out) {
        return QByteArrayList{"random", "--count", "300",   "--seed", seed,
                              "--jobs", "1",       "--out", out};
    };
    ASSERT_TRUE(start(folder, batch("2", "alone"))->waitForFinished(60000));
    const auto first = start(folder, batch("1", "shared"));
    while (!entries(dir.filePath(QStringLiteral("shared"))).join(' ').contains(".kelvara-tmp-") &&
           first->state() == QProcess::Running) {
        QThread::usleep(500);
    }
    const auto second = start(folder, batch("2", "shared"));
    ASSERT_TRUE(first->waitForFinished(60000));
    ASSERT_TRUE(second->waitForFinished(60000));
    EXPECT_EQ(first->exitCode(), 0);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(second->readAllStandardError().contains("shared: another batch is writing"));
    const QStringList names = entries(dir.filePath(QStringLiteral("alone")));
    ASSERT_EQ(names.size(), 600);
    EXPECT_EQ(entries(dir.filePath(QStringLiteral("shared"))), names);
    int mixed = 0;
    for (const QString& n : names) {
        mixed += read_all(dir.filePath(QStringLiteral("alone/") + n)) !=
                 read_all(dir.filePath(QStringLiteral("shared/") + n));
    }
    EXPECT_EQ(mixed, 0);
}

}  // namespace
}  // namespace kelvara::testing
