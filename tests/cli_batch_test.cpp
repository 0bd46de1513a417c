#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <set>

#include "cli_test_support.h"
#include "export/batch_writer.h"
#include "export/parameter_reader.h"

namespace kelvara::testing {
namespace {

const QString tmp_prefix = QString::fromLatin1(BatchWriter::temporary_prefix);

QStringList temporaries(const QString& folder) {
    return entries(folder).filter(QRegularExpression(QStringLiteral("^\\.kelvara-tmp-")));
}

struct Batch : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

struct BatchCli : Batch {
    QStringList random_args(const QString& out, int count, int seed, int jobs) const {
        return {QStringLiteral("random"),
                QStringLiteral("--count"),
                QString::number(count),
                QStringLiteral("--seed"),
                QString::number(seed),
                QStringLiteral("--items"),
                QStringLiteral("face,hair,hair_color,pose,cloth_color,body_color"),
                QStringLiteral("--jobs"),
                QString::number(jobs),
                QStringLiteral("--out"),
                out};
    }
    // Every file of a batch folder is whole: a BMP of the saved size that decodes, a parameter
    // file that parses; nothing else but temporaries of ours.
    void expect_complete_files(const QString& folder) {
        for (const QString& n : entries(folder)) {
            if (n.startsWith(tmp_prefix)) continue;
            const QByteArray bytes = read_all(folder + QLatin1Char('/') + n);
            if (n.endsWith(QStringLiteral(".bmp"))) {
                ASSERT_EQ(bytes.size(), 12150) << n.toStdString();
                ASSERT_EQ(QImage::fromData(bytes, "BMP").size(), QSize(63, 63)) << n.toStdString();
            } else if (n.endsWith(QStringLiteral(".txt"))) {
                ASSERT_TRUE(read_parameter_file(bytes).ok()) << n.toStdString();
            } else {
                ADD_FAILURE() << "unexpected " << n.toStdString();
            }
        }
    }
};

// The jobs change how fast, never what: the same seed gives the same files with 1 and 4 jobs, and
// a contact sheet and a sprite atlas are the same with 1 and 3.
TEST_F(BatchCli, TheFilesDoNotDependOnTheJobs) {
    for (int jobs : {1, 4}) {
        const QString out = path(QStringLiteral("j%1").arg(jobs));
        const CliRun r = run_cli(random_args(out, 40, 1234, jobs));
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }
    const QStringList names = files_in(path(QStringLiteral("j1")));
    ASSERT_EQ(names.size(), 80);
    EXPECT_EQ(entries(path(QStringLiteral("j4"))), names);
    std::set<QByteArray> distinct;
    for (const QString& n : names) {
        const QByteArray one = read_all(path(QStringLiteral("j1/") + n));
        ASSERT_EQ(one, read_all(path(QStringLiteral("j4/") + n))) << n.toStdString();
        distinct.insert(one);
    }
    EXPECT_EQ(distinct.size(), 80u) << "every character differs";

    QStringList sheet = {QStringLiteral("sheet")};
    for (const QString& n : names.filter(QStringLiteral(".txt")))
        sheet << path(QStringLiteral("j1/") + n);
    sheet << QStringLiteral("--columns") << QStringLiteral("7") << QStringLiteral("-o");
    ASSERT_EQ(run_cli(sheet + QStringList{path(QStringLiteral("s1.png")), QStringLiteral("--jobs"),
                                          QStringLiteral("1")})
                  .status,
              0);
    ASSERT_EQ(run_cli(sheet + QStringList{path(QStringLiteral("s3.png")), QStringLiteral("--jobs"),
                                          QStringLiteral("3")})
                  .status,
              0);
    const QImage s1(path(QStringLiteral("s1.png")));
    ASSERT_EQ(s1.size(), QSize(7 * 63, 6 * 63));
    EXPECT_EQ(s1, QImage(path(QStringLiteral("s3.png"))));
    // The last character sits in row 6, column 5, as its own render draws it.
    ASSERT_EQ(run_cli({QStringLiteral("render"), path(QStringLiteral("j1/kelvara_40.txt")),
                       QStringLiteral("-o"), path(QStringLiteral("last.png")),
                       QStringLiteral("--format"), QStringLiteral("png")})
                  .status,
              0);
    EXPECT_EQ(s1.copy(4 * 63, 5 * 63, 63, 63).convertToFormat(QImage::Format_RGB32),
              QImage(path(QStringLiteral("last.png"))).convertToFormat(QImage::Format_RGB32));

    // A sprite atlas, every frame drawn by whichever job: the same bytes with 1 and 3 jobs.
    for (const QString& jobs : {QStringLiteral("1"), QStringLiteral("3")}) {
        const CliRun r =
            run_cli({QStringLiteral("atlas"), path(QStringLiteral("j1/kelvara_07.txt")),
                     QStringLiteral("-o"), path(QStringLiteral("atlas%1.png").arg(jobs)),
                     QStringLiteral("--transparent"), QStringLiteral("--jobs"), jobs});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
    }
    const QByteArray atlas = read_all(path(QStringLiteral("atlas1.png")));
    EXPECT_FALSE(atlas.isEmpty());
    EXPECT_EQ(read_all(path(QStringLiteral("atlas3.png"))), atlas);
}

TEST_F(BatchCli, BadJobsAndUnwritableFolders) {
    for (const QString& jobs : {QStringLiteral("0"), QStringLiteral("x"), QStringLiteral("257")}) {
        QStringList args = random_args(path(QStringLiteral("b")), 2, 1, 1);
        args[args.indexOf(QStringLiteral("--jobs")) + 1] = jobs;
        EXPECT_EQ(run_cli(args).status, cli::exit_bad_input) << jobs.toStdString();
    }
    ASSERT_TRUE(write_all(path(QStringLiteral("file")), "x"));
    // A folder that is a file is bad input, found before anything is written; a folder that
    // cannot be made, or in which no file can be made, is a failed write naming what failed.
    const std::vector<std::tuple<QString, int, QString>> cases = {
        {path(QStringLiteral("file")), cli::exit_bad_input, path(QStringLiteral("file"))},
        {path(QStringLiteral("file/sub")), cli::exit_bad_input, path(QStringLiteral("file"))},
        {QStringLiteral("/proc/kelvara-batch"), cli::exit_write_failed,
         QStringLiteral("/proc/kelvara-batch")},
        {QStringLiteral("/proc"), cli::exit_write_failed, QStringLiteral("/proc/kelvara_")},
    };
    for (const auto& [out, status, named] : cases) {
        const CliRun r = run_cli(random_args(out, 30, 1, 2));
        EXPECT_EQ(r.status, status) << out.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kelvara-render: ") + named))
            << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), status == cli::exit_bad_input ? 2 : 1)
            << "one message, however many jobs failed: " << r.err.toStdString();
    }
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("file")});
    EXPECT_EQ(read_all(path(QStringLiteral("file"))), "x");
}

// The real program killed in the middle of a batch, first while it writes and then, if the timing
// allows, while it renames: every file under a final name is whole, and a rerun into the folder
// succeeds, clears the leftovers and writes the whole batch.
TEST_F(BatchCli, AKilledBatchLeavesOnlyWholeFilesAndARerunCompletesIt) {
    const QString out = path(QStringLiteral("killed"));
    const QStringList args = random_args(out, 1000, 77, 2);
    for (const QString& wait_for : {tmp_prefix, QStringLiteral("kelvara_")}) {
        QProcess p;
        p.start(QStringLiteral(KELVARA_RENDER_BINARY), args);
        ASSERT_TRUE(p.waitForStarted());
        bool seen = false;
        while (!seen && p.state() == QProcess::Running) {
            QDirIterator it(out, QDir::Files | QDir::Hidden);
            while (!seen && it.hasNext())
                seen = it.next().section(QLatin1Char('/'), -1).startsWith(wait_for);
            if (!seen) QThread::usleep(200);
        }
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished();
        expect_complete_files(out);
        if (HasFatalFailure()) return;
    }
    const QStringList leftovers = temporaries(out);
    const CliRun r = run_cli(args);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(temporaries(out), QStringList()) << leftovers.size() << " left by the killed runs";
    const QStringList names = files_in(out);
    ASSERT_EQ(names.size(), 2000);
    EXPECT_EQ(names.first(), QStringLiteral("kelvara_0001.bmp"));
    EXPECT_EQ(names.last(), QStringLiteral("kelvara_1000.txt"));
    expect_complete_files(out);
}

}  // namespace
}  // namespace kelvara::testing
