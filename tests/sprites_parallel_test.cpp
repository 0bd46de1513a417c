#include <gtest/gtest.h>

#include <QThread>
#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>

#include "sprites/parallel_render.h"

namespace kelvara::testing {
namespace {

// Every index is worked on exactly once, each job by one thread, whatever the counts.
TEST(RunParallel, DoesEveryIndexOnceAndReportsTheLowestFailure) {
    for (const auto& [count, jobs] : std::vector<std::pair<int, int>>{{1, 4}, {7, 2}, {1000, 3}}) {
        std::vector<std::atomic<int>> seen(static_cast<std::size_t>(count));
        std::mutex mutex;
        std::map<int, std::set<Qt::HANDLE>> threads_of_job;
        int last_progress = -1;
        const FileStatus r = sprites::run_parallel(
            count, jobs,
            [&](int i, int job) {
                ++seen[static_cast<std::size_t>(i)];
                QThread::usleep(20);  // long enough for every thread to take some
                const std::lock_guard lock(mutex);
                threads_of_job[job].insert(QThread::currentThreadId());
                return FileStatus();
            },
            [&](int done) { last_progress = done; }, 1);
        EXPECT_TRUE(r.ok());
        for (int i = 0; i < count; ++i) ASSERT_EQ(seen[static_cast<std::size_t>(i)], 1) << i;
        EXPECT_EQ(last_progress, count);
        EXPECT_LE(static_cast<int>(threads_of_job.size()), std::min(count, jobs));
        for (const auto& [job, threads] : threads_of_job) {
            EXPECT_GE(job, 0);
            EXPECT_LT(job, jobs);
            EXPECT_EQ(threads.size(), 1u) << "job " << job;
        }
    }
    // Indices 300 and up fail; whichever fails first, index 300's message is the one reported,
    // and fewer than all indices are started.
    std::atomic<int> started{0};
    const FileStatus r = sprites::run_parallel(5000, 3, [&](int i, int) -> FileStatus {
        ++started;
        if (i >= 300) return FileError{QStringLiteral("failed at %1").arg(i), {}};
        return {};
    });
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().path, QStringLiteral("failed at 300"));
    EXPECT_LT(started, 5000);
    EXPECT_THROW(sprites::run_parallel(50, 2,
                                       [](int i, int) -> FileStatus {
                                           if (i == 20) throw std::runtime_error("broken");
                                           return {};
                                       }),
                 std::runtime_error);
}

}  // namespace
}  // namespace kelvara::testing
