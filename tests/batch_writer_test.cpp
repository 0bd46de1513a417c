#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QThread>
#include <atomic>
#include <thread>

#include "export/batch_writer.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

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
        EXPECT_EQ(entries(dir.path()).filter(QRegularExpression("^\\.kelvara-tmp-")).size(), 3 + 1)
            << "three files and the lock";
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

// Eight pairs of files that tell which batch wrote them.
void write_pairs(BatchWriter& writer, const QByteArray& batch) {
    for (int i = 0; i < 8; ++i) {
        for (const char* type : {"bmp", "txt"})
            ASSERT_TRUE(writer.add(QStringLiteral("kelvara_%1.%2").arg(i).arg(type), batch).ok());
    }
    ASSERT_TRUE(writer.commit().ok());
}

// A second batch into the folder waits, saying so, until the first has committed; then every file
// is the second's, no pair mixed.
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
        write_pairs(writer, "second");
    });
    for (int i = 0; i < 500 && !told; ++i) QThread::msleep(10);
    QThread::msleep(50);
    EXPECT_TRUE(told);
    EXPECT_FALSE(made) << "the second batch did not wait";
    write_pairs(*first, "first");
    first.reset();
    second.join();
    const QStringList names = entries(dir.path());
    EXPECT_EQ(names.size(), 16) << names.join(' ').toStdString();
    for (const QString& name : names)
        EXPECT_EQ(read_all(path(name)), "second") << name.toStdString();
}

}  // namespace
}  // namespace kelvara::testing
