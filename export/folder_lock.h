#pragma once

#include <QString>
#include <functional>

#include "export/file_error.h"
#include "export/posix_write.h"

namespace kelvara {

// An advisory lock (flock) on a folder, so that one batch at a time writes into it. The lock is
// taken on the file lock_name in the folder, which its holder removes before letting go: a
// batch that got the lock on a file no longer there tries again, so that two batches never both
// hold it. A killed batch leaves the file, and the next one uses it.
class FolderLock {
  public:
    static constexpr const char* lock_name = ".kelvara-tmp-lock";

    // Takes the lock on the folder open as folder_fd (named folder in messages), first calling
    // waiting when another process holds it and then waiting for it. A folder in which no file
    // can be made gives no lock and no failure: nothing can be written there anyway. Something
    // other than a regular file at the lock's name (a planted link, say) is refused.
    static FileResult<FolderLock> take(int folder_fd, const QString& folder,
                                       const std::function<void()>& waiting);

    FolderLock(FolderLock&&) = default;
    FolderLock& operator=(FolderLock&&) = default;
    ~FolderLock() { release(); }
    void release();

  private:
    FolderLock() = default;
    FileDescriptor folder_;
    FileDescriptor lock_;
};

}  // namespace kelvara
