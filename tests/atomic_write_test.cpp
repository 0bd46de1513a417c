#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFileInfo>
#include <cerrno>
#include <cstring>

#include "export/atomic_write.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

struct AtomicWrite : ::testing::Test {
    QTemporaryDir dir;
    QString file(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static mode_t mode_of(const QString& path) {
        struct stat st {};
        EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &st), 0);
        return st.st_mode;
    }
};

int failing_commit(int, const char*, int, const char*, unsigned) {
    errno = EIO;
    return -1;
}

TEST_F(AtomicWrite, AFailedCommitIsReportedAndLeavesTheOldFileAndNoTemporaryFile) {
    ASSERT_TRUE(write_all(file("hero.bmp"), "old picture"));
    const FileStatus written = write_file_atomically(file("hero.bmp"), QByteArray(5000, 'n'),
                                                     AtomicWriteSteps{&failing_commit});
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().path, file("hero.bmp"));
    EXPECT_EQ(written.error().reason, QString::fromLocal8Bit(std::strerror(EIO)));
    EXPECT_EQ(read_all(file("hero.bmp")), QByteArray("old picture"));
    EXPECT_EQ(entries(dir.path()), QStringList{"hero.bmp"});
}

// Only regular files are replaced: whatever else stands at the target is left as it is.
TEST_F(AtomicWrite, RefusesEverythingButARegularFileAndLeavesItAsItIs) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("fifo")).constData(), 0666), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_TRUE(QFile::link(file("nowhere"), file("dangling")));
    // A device node of our own (the null device's numbers), never the system's.
    const bool device =
        ::mknod(QFile::encodeName(file("null")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    QStringList targets = {file("fifo"), file("folder"), file("dangling")};
    if (device) targets.append(file("null"));
    for (const QString& target : targets) {
        const mode_t before = mode_of(target);
        EXPECT_FALSE(check_write_target(target).ok()) << target.toStdString();
        const FileStatus written = write_file_atomically(target, "bytes");
        ASSERT_FALSE(written.ok()) << target.toStdString();
        EXPECT_EQ(written.error().path, target);
        EXPECT_FALSE(written.error().reason.isEmpty());
        EXPECT_EQ(mode_of(target), before) << target.toStdString() << " was replaced";
    }
    EXPECT_FALSE(QFileInfo::exists(file("nowhere")));
    EXPECT_EQ(entries(dir.path()).size(), targets.size()) << "no temporary file is left";
    if (!device) GTEST_SKIP() << "device nodes cannot be made here; the other kinds were tested";
}

TEST_F(AtomicWrite, AReplacedFileKeepsItsModeAndALinkKeepsPointingToItsFile) {
    ASSERT_TRUE(write_all(file("ro.bmp"), "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(file("ro.bmp")).constData(), 0444), 0);
    ASSERT_TRUE(write_all(file("real.bmp"), "old"));
    ASSERT_TRUE(QFile::link(file("real.bmp"), file("link.bmp")));

    const FileStatus ro = write_file_atomically(file("ro.bmp"), "new");
    if (::geteuid() == 0) {
        ASSERT_TRUE(ro.ok()) << ro.error().reason.toStdString();
        EXPECT_EQ(read_all(file("ro.bmp")), QByteArray("new"));
    } else {
        // As anyone else the system would refuse writing the file in place; so does the writer.
        ASSERT_FALSE(ro.ok());
        EXPECT_EQ(read_all(file("ro.bmp")), QByteArray("old"));
    }
    EXPECT_EQ(mode_of(file("ro.bmp")) & 07777, 0444u);

    ASSERT_TRUE(write_file_atomically(file("link.bmp"), "new").ok());
    EXPECT_TRUE(QFileInfo(file("link.bmp")).isSymLink());
    EXPECT_EQ(read_all(file("real.bmp")), QByteArray("new"));
    EXPECT_EQ(entries(dir.path()), (QStringList{"link.bmp", "real.bmp", "ro.bmp"}));
}

TEST_F(AtomicWrite, ANewFileGetsTheUsualModeForTheUmask) {
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(write_file_atomically(file("new.bmp"), "x").ok());
    ::umask(mask);
    EXPECT_EQ(mode_of(file("new.bmp")) & 07777, 0644u);
}

}  // namespace
}  // namespace kelvara::testing
