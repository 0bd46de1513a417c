// What a hostile folder, link or name can make the writers do: never write through a link at a
// name Kelvara made up, never follow a user's link to anything but a regular file, never remove
// a file that is not a leftover of its own, never take one file for two.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <functional>

#include "export/atomic_write.h"
#include "export/batch_writer.h"
#include "export/file_names.h"
#include "export/group_writer.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "export/same_file.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

struct HostilePaths : ::testing::Test {
    QTemporaryDir dir;
    QString at(const QString& name) const { return dir.filePath(name); }
    QByteArray raw(const QString& name) const { return QFile::encodeName(at(name)); }
};

using Write = std::function<FileStatus(const QString& path, const QByteArray& bytes)>;

FileStatus group_write(const QString& path, const QByteArray& bytes) {
    GroupWriter writer;
    if (FileStatus added = writer.add(path, bytes, LinkPolicy::generated); !added) return added;
    return writer.commit();
}

FileStatus batch_write(const QString& path, const QByteArray& bytes) {
    BatchWriter writer(QFileInfo(path).path());
    if (FileStatus added = writer.add(QFileInfo(path).fileName(), bytes); !added) return added;
    return writer.commit();
}

// A link named "out" to each kind of thing, written by every writer: what the folder holds after.
TEST_F(HostilePaths, ALinkAtAnOutputIsFollowedOnlyToARegularFileTheUserNamed) {
    const QString others = QStringLiteral("fifo: pipe, folder: [], out: ");
    const std::vector<std::tuple<QString, bool, QString>> cases = {
        {"real", true, others + "-> real, real: new"},
        {"nowhere", true, {}},  // refused, nothing changes
        {"fifo", true, {}},
        {"folder", true, {}},
        {"real", false, others + "new, real: precious"},
        {"nowhere", false, others + "new, real: precious"},
        {"fifo", false, others + "new, real: precious"},
    };
    const Write user = [](const QString& p, const QByteArray& b) {
        return write_file_atomically(p, b);
    };
    for (const auto& [link_to, user_named, after] : cases) {
        for (const Write& write :
             user_named ? std::vector{user} : std::vector{Write(group_write), Write(batch_write)}) {
            SCOPED_TRACE(link_to.toStdString() + (user_named ? ", user" : ", generated"));
            QTemporaryDir fresh;
            dir.swap(fresh);
            ASSERT_TRUE(write_all(at("real"), "precious"));
            ASSERT_EQ(::chmod(raw("real").constData(), 0640), 0);
            ASSERT_EQ(::mkfifo(raw("fifo").constData(), 0666), 0);
            ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
            ASSERT_TRUE(QFile::link(link_to, at("out")));
            const QString before = snapshot(dir.path());
            EXPECT_EQ(write(at("out"), "new").ok(), !after.isEmpty());
            EXPECT_EQ(snapshot(dir.path()), after.isEmpty() ? before : after);
            struct stat st {};
            EXPECT_EQ(::stat(raw("real").constData(), &st) == 0 ? st.st_mode & 0777 : 0, 0640u);
        }
    }
}

// A link planted where a batch's temporary file would be named if the names could be guessed.
TEST_F(HostilePaths, ALinkPlantedAtATemporaryNameIsNeverWrittenThrough) {
    ASSERT_TRUE(write_all(at("victim"), "precious"));
    const QString planted = QStringLiteral(".kelvara-tmp-%1-kelvara_1.bmp").arg(::getpid());
    ASSERT_TRUE(QFile::link(at("victim"), at(planted)));
    ASSERT_TRUE(batch_write(at("kelvara_1.bmp"), "picture").ok());
    EXPECT_EQ(read_all(at("victim")), "precious");
    EXPECT_EQ(read_all(at("kelvara_1.bmp")), "picture");
}

// Only what is exactly a leftover of a dead writer, and a regular file of the user's, is removed.
TEST_F(HostilePaths, OnlyLeftoversOfDeadWritersThatAreRegularFilesAreRemoved) {
    const QString dead = QString::number(dead_pid());
    const QString random = QStringLiteral("-0123456789abcdef");
    const QString prefix = QString::fromLatin1(BatchWriter::temporary_prefix);
    const QString removed = prefix + dead + random;
    const QStringList kept_files = {
        prefix + QStringLiteral("1") + random,                                // a writer that runs
        prefix + QString::number(4294967296LL + dead.toLongLong()) + random,  // wraps to dead
        prefix + QStringLiteral("4294967297-y"),
        prefix + QStringLiteral("0") + dead + random,
        prefix + dead + random + QStringLiteral("0"),
        prefix + dead + QStringLiteral("-0123456789ABCDEF"),
        prefix + dead + QStringLiteral("-kelvara_1.bmp"),
        QStringLiteral(".kelvara-tmp"),
        QStringLiteral("kelvara.bmp"),
    };
    for (const QString& n : kept_files + QStringList{removed}) ASSERT_TRUE(write_all(at(n), "x"));
    ASSERT_TRUE(write_all(at("victim"), "precious"));
    const QString link = prefix + dead + QStringLiteral("-fedcba9876543210");
    const QString fifo = prefix + dead + QStringLiteral("-00000000000000ff");
    ASSERT_TRUE(QFile::link(at("victim"), at(link)));
    ASSERT_EQ(::mkfifo(raw(fifo).constData(), 0666), 0);

    EXPECT_EQ(BatchWriter(dir.path()).stale_removed(), 1);
    QStringList expected = kept_files + QStringList{link, fifo, QStringLiteral("victim")};
    expected.sort();
    EXPECT_EQ(entries(dir.path()).join(' ').toStdString(), expected.join(' ').toStdString());
}

TEST_F(HostilePaths, OneFileUnderTwoNamesIsRecognised) {
    ASSERT_TRUE(QFile::link(QStringLiteral("."), at("l")));
    ASSERT_TRUE(QFile::link(QStringLiteral("x.png"), at("x.json")));
    ASSERT_TRUE(QFile::link(QStringLiteral("l/x.png"), at("chain.json")));
    const std::vector<std::tuple<QString, QString, bool>> pairs = {
        {at("x.png"), at("l/x.png"), true},  {at("x.png"), at("l/l/./x.png"), true},
        {at("x.png"), at("x.json"), true},   {at("x.png"), at("chain.json"), true},
        {at("x.png"), at("y.png"), false},   {at("x.png"), at("l/y.png"), false},
        {at("x.png"), at("x.png/"), false},  {at("gone/a"), at("gone/./a"), true},
        {at("gone/a"), at("gone/b"), false}, {at("x.json"), at("l/x.json"), true},
    };
    for (bool exists : {false, true}) {
        if (exists) {
            ASSERT_TRUE(write_all(at("x.png"), "picture"));
        }
        for (const auto& [a, b, same] : pairs) {
            EXPECT_EQ(same_file(a, b), same) << a.toStdString() << " " << b.toStdString();
            EXPECT_EQ(same_file(b, a), same) << b.toStdString() << " " << a.toStdString();
        }
    }
    // A writer given one file twice refuses the second and replaces nothing, leaving no temporary.
    const QStringList before = entries(dir.path());
    GroupWriter writer;
    ASSERT_TRUE(writer.add(at("x.png"), "new picture", LinkPolicy::user_named).ok());
    const FileStatus twice = writer.add(at("l/x.png"), "description", LinkPolicy::generated);
    ASSERT_FALSE(twice.ok());
    EXPECT_EQ(twice.error().path, at("l/x.png"));
    EXPECT_FALSE(writer.add(at("z.png"), "other", LinkPolicy::user_named).ok());
    EXPECT_FALSE(writer.commit().ok());
    EXPECT_EQ(read_all(at("x.png")), "picture");
    EXPECT_EQ(entries(dir.path()), before);
}

// A name whose bytes are not UTF-8 (Shift-JIS "日本") is written, read back and shown as it is.
TEST_F(HostilePaths, ANameInShiftJisIsWrittenAndReadUnderExactlyItsBytes) {
    const QByteArray bytes = "\x93\xfa\x96\x7b.txt";
    const QString path = at(name_from_bytes("\x93\xfa\x96\x7b.txt"));
    ASSERT_TRUE(write_file_atomically(path, *parameter_file("hero", EditorState{})).ok());
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(dir.path()) + '/' + bytes, &st), 0);
    EXPECT_TRUE(read_parameter_file_at(path).ok());
    EXPECT_TRUE(describe(FileError{path, "x"}).endsWith("\\x93\\xfa\\x96{.txt: x"));
    // Qt's own listing cannot see the name, nor remove it with the folder.
    EXPECT_EQ(::unlink(QFile::encodeName(dir.path()) + '/' + bytes), 0);
}

}  // namespace
}  // namespace kelvara::testing
