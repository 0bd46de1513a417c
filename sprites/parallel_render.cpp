#include "parallel_render.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvara::sprites {

int default_jobs() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int jobs_for(int count, int jobs) {
    return std::clamp(jobs, 1, std::max(1, count));
}

FileStatus run_parallel(int count, int jobs,
                        const std::function<FileStatus(int index, int job)>& work,
                        const std::function<void(int done)>& progress, int progress_interval_ms) {
    jobs = jobs_for(count, jobs);
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    std::condition_variable finished;
    int running = jobs;
    int failed_index = std::numeric_limits<int>::max();
    FileStatus failure;
    std::exception_ptr exception;

    auto job = [&](int job_number) {
        try {
            // An index once taken is always worked on, so every index below a failed one is done
            // and the failure reported does not depend on timing.
            while (!failed) {
                const int i = next++;
                if (i >= count) break;
                FileStatus status = work(i, job_number);
                if (!status) {
                    const std::lock_guard lock(mutex);
                    failed = true;
                    if (i < failed_index) {
                        failed_index = i;
                        failure = std::move(status);
                    }
                    break;
                }
                ++done;
            }
        } catch (...) {
            const std::lock_guard lock(mutex);
            failed = true;
            if (!exception) exception = std::current_exception();
        }
        const std::lock_guard lock(mutex);
        --running;
        finished.notify_one();
    };

    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(jobs));
    for (int j = 0; j < jobs; ++j) threads.emplace_back(job, j);
    {
        std::unique_lock lock(mutex);
        while (!finished.wait_for(lock, std::chrono::milliseconds(progress_interval_ms),
                                  [&] { return running == 0; })) {
            if (progress) {
                lock.unlock();
                progress(done);
                lock.lock();
            }
        }
    }
    for (std::thread& t : threads) t.join();
    if (exception) std::rethrow_exception(exception);
    if (progress) progress(done);
    return failure;
}

std::vector<Surface> draw_pictures(const CharacterOutput& output,
                                   const std::vector<EditorState>& selections, Colour background,
                                   int jobs) {
    std::vector<Surface> pictures(selections.size(), Surface(1, 1, background));
    std::vector<CharacterOutput> outputs(
        static_cast<std::size_t>(jobs_for(static_cast<int>(selections.size()), jobs)), output);
    run_parallel(static_cast<int>(selections.size()), jobs, [&](int i, int job) {
        const auto k = static_cast<std::size_t>(i);
        pictures[k] = outputs[static_cast<std::size_t>(job)].picture(selections[k], background);
        return FileStatus();
    });
    return pictures;
}

}  // namespace kelvara::sprites
