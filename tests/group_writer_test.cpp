#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <cstdio>

#include "export/group_writer.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

// Renames that fail at the fail_at-th call, as a broken disk would, on a file system that can
// exchange two names in one step or (exchange_works false) one that cannot.
int calls = 0;
int fail_at = 0;
bool exchange_works = true;
int flaky_rename(int from_folder, const char* from, int to_folder, const char* to, unsigned flags) {
    if (!exchange_works && (flags & (RENAME_EXCHANGE | RENAME_NOREPLACE)) != 0) {
        errno = EINVAL;
        return -1;
    }
    if (++calls == fail_at) {
        errno = EIO;
        return -1;
    }
    return ::renameat2(from_folder, from, to_folder, to, flags);
}

// A picture replacing one in folder a, a description beside it made new, and a file of a bundle
// in folder b replacing a link: after a failure at any step every file is as it was, after
// success every file is new, and no temporary file is left either way.
TEST(GroupWriter, EitherEveryFileIsReplacedOrNone) {
    for (bool exchange : {true, false}) {
        for (int failing = 1; failing <= 8; ++failing) {
            SCOPED_TRACE(::testing::Message() << "exchange " << exchange << ", rename " << failing);
            QTemporaryDir dir;
            const QString a = dir.filePath("a"), b = dir.filePath("b");
            ASSERT_TRUE(QDir().mkpath(a) && QDir().mkpath(b));
            ASSERT_TRUE(write_all(a + "/x.png", "old picture"));
            ASSERT_TRUE(write_all(a + "/victim", "precious"));
            ASSERT_TRUE(QFile::link("../a/victim", b + "/part.txt"));
            const QString old_a = snapshot(a), old_b = snapshot(b);
            exchange_works = exchange;
            calls = 0;
            fail_at = failing;
            GroupWriter writer(AtomicWriteSteps{&flaky_rename});
            ASSERT_TRUE(writer.add(a + "/x.png", "new picture", LinkPolicy::user_named).ok());
            ASSERT_TRUE(writer.add(a + "/x.json", "new json", LinkPolicy::generated).ok());
            ASSERT_TRUE(writer.add(b + "/part.txt", "new part", LinkPolicy::generated).ok());
            const FileStatus committed = writer.commit();
            if (!committed) {
                EXPECT_EQ(committed.error().reason, QString::fromLocal8Bit(std::strerror(EIO)));
            }
            EXPECT_EQ(snapshot(a),
                      committed ? "victim: precious, x.json: new json, x.png: new picture" : old_a);
            EXPECT_EQ(snapshot(b), committed ? "part.txt: new part" : old_b);
            // Every file gets its name in one rename with exchanges, in two without.
            EXPECT_EQ(committed.ok(), failing > (exchange ? 3 : 5));
        }
    }
}

}  // namespace
}  // namespace kelvara::testing
