#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QRegularExpression>

#include "export/batch_writer.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

const QString tmp_prefix = QString::fromLatin1(BatchWriter::temporary_prefix);

QStringList temporaries(const QString& folder) {
    return entries(folder).filter(QRegularExpression(QStringLiteral("^\\.kelvara-tmp-")));
}

// A process id that certainly runs no more: a child that has exited and been waited for.
pid_t dead_pid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

struct Batch : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

// Before commit nothing carries a final name (an old file keeps its bytes); after it every file
// has its name and bytes, and no temporary is left.
TEST_F(Batch, FilesTakeTheirNamesOnlyAtCommit) {
    ASSERT_TRUE(write_all(path(QStringLiteral("b.bmp")), "old"));
    {
        BatchWriter writer(dir.path());
        const std::vector<std::pair<QString, QByteArray>> files = {
            {QStringLiteral("a.txt"), "alpha\r\n"},
            {QStringLiteral("b.bmp"), QByteArray(12150, 'b')},
            {QStringLiteral("日本語.txt"), ""},
        };
        for (const auto& [name, bytes] : files) ASSERT_TRUE(writer.add(name, bytes).ok());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("b.bmp")});
        EXPECT_EQ(read_all(path(QStringLiteral("b.bmp"))), "old");
        EXPECT_EQ(temporaries(dir.path()).size(), 3);
        ASSERT_TRUE(writer.commit().ok());
        for (const auto& [name, bytes] : files) {
            EXPECT_EQ(read_all(path(name)), bytes) << name.toStdString();
        }
        EXPECT_EQ(entries(dir.path()).size(), 3) << entries(dir.path()).join(' ').toStdString();
    }
    EXPECT_EQ(entries(dir.path()).size(), 3);
}

TEST_F(Batch, AnAbandonedBatchLeavesOldFilesAndNoTemporaries) {
    ASSERT_TRUE(write_all(path(QStringLiteral("a.txt")), "old"));
    {
        BatchWriter writer(dir.path());
        ASSERT_TRUE(writer.add(QStringLiteral("a.txt"), "new").ok());
        ASSERT_TRUE(writer.add(QStringLiteral("c.txt"), "new").ok());
    }
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("a.txt")});
    EXPECT_EQ(read_all(path(QStringLiteral("a.txt"))), "old");
}

// Leftovers of a killed writer go; those of a writer that still runs (pid 1) stay, as do files
// that only look similar.
TEST_F(Batch, StaleTemporariesOfDeadWritersAreRemoved) {
    const QString dead = tmp_prefix + QString::number(dead_pid()) + QStringLiteral("-x.bmp");
    const QString live = tmp_prefix + QStringLiteral("1-x.bmp");
    const QStringList kept = {live, QStringLiteral(".kelvara-tmp"), QStringLiteral("kelvara.bmp")};
    for (const QString& n : kept + QStringList{dead}) ASSERT_TRUE(write_all(path(n), "x"));
    BatchWriter writer(dir.path());
    EXPECT_EQ(writer.stale_removed(), 1);
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(entries(dir.path()), expected);
}

TEST_F(Batch, AFolderThatCannotBeOpenedIsNamedInTheProblem) {
    ASSERT_TRUE(write_all(path(QStringLiteral("file")), "x"));
    for (const QString& folder : {path(QStringLiteral("file")), path(QStringLiteral("missing"))}) {
        BatchWriter writer(folder);
        const FileStatus added = writer.add(QStringLiteral("a.txt"), "x");
        ASSERT_FALSE(added.ok());
        EXPECT_EQ(added.error().path, folder + QStringLiteral("/a.txt"));
        EXPECT_FALSE(added.error().reason.isEmpty());
        const FileStatus committed = writer.commit();
        ASSERT_FALSE(committed.ok());
        EXPECT_EQ(committed.error().path, folder);
    }
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("file")});
}

}  // namespace
}  // namespace kelvara::testing
