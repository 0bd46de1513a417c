#include <gtest/gtest.h>
#include <unistd.h>

#include <QRegularExpression>
#include <QThread>
#include <atomic>
#include <thread>

#include "export/batch_writer.h"
#include "export_test_support.h"

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

// Before commit nothing carries a final name (an old file keeps its bytes); after it every file
// has its name and bytes, and no temporary is left, nor the folder's lock.
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
        EXPECT_EQ(entries(dir.path()).filter(QRegularExpression(QStringLiteral("^[^.]"))),
                  QStringList{QStringLiteral("b.bmp")});
        EXPECT_EQ(read_all(path(QStringLiteral("b.bmp"))), "old");
        EXPECT_EQ(temporaries(dir.path()).size(), 3 + 1) << "three files and the lock";
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

// Pairs of files that tell which batch wrote them.
void write_pairs(BatchWriter& writer, const QByteArray& batch, int pairs) {
    for (int i = 0; i < pairs; ++i) {
        const QString name = QStringLiteral("kelvara_%1").arg(i, 2, 10, QLatin1Char('0'));
        ASSERT_TRUE(writer.add(name + QStringLiteral(".bmp"), batch).ok());
        ASSERT_TRUE(writer.add(name + QStringLiteral(".txt"), batch).ok());
    }
    ASSERT_TRUE(writer.commit().ok());
}

// Every file of the folder (but the lock's) holds the same batch's mark: no pair is mixed.
void expect_one_batch(const QString& folder, int files) {
    const QStringList names = entries(folder);
    ASSERT_EQ(names.size(), files) << names.join(' ').toStdString();
    for (const QString& n : names)
        EXPECT_EQ(read_all(folder + '/' + n), read_all(folder + '/' + names[0])) << n.toStdString();
}

// A second batch into a folder waits, saying so, until the first has committed.
TEST_F(Batch, ASecondBatchIntoTheFolderWaitsForTheFirstAndSaysSo) {
    auto first = std::make_unique<BatchWriter>(
        dir.path(), [](const QString&) { ADD_FAILURE() << "nothing to wait for"; });
    std::atomic<bool> told = false, made = false;
    std::thread second([&] {
        BatchWriter writer(dir.path(), [&](const QString& folder) {
            EXPECT_EQ(folder, dir.path());
            told = true;
        });
        made = true;
        EXPECT_TRUE(writer.waited());
        write_pairs(writer, "second", 8);
    });
    for (int i = 0; i < 500 && !told; ++i) QThread::msleep(10);
    QThread::msleep(50);
    EXPECT_TRUE(told);
    EXPECT_FALSE(made) << "the second batch did not wait";
    write_pairs(*first, "first", 8);
    first.reset();
    second.join();
    expect_one_batch(dir.path(), 16);
    EXPECT_EQ(read_all(path(QStringLiteral("kelvara_00.bmp"))), "second");
}

}  // namespace
}  // namespace kelvara::testing
