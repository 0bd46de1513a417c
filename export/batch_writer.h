#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "export/file_error.h"
#include "export/folder_lock.h"

namespace kelvara {

// Writes many files into one folder durably with one flush of the file system for the whole
// batch instead of one per file. Every file is written under a temporary name in the folder;
// commit() makes them all durable with one sync of the file system, gives each its final name in
// one step and syncs the folder once. A process killed at any moment therefore leaves no final
// name with partial content: files of a killed batch may be missing, never broken.
//
// The names are made up by the batch (LinkPolicy::generated): a link standing at one is
// replaced, never followed. One batch at a time writes into a folder: the writer locks it (see
// FolderLock) from when it is made until commit() or its end, so a picture and its parameter
// file always come from the same batch. The temporary names start with temporary_prefix and
// carry the writing process's id and a random part; once it holds the lock a writer removes those
// of processes that no longer run, so leftovers of a killed batch go at the next batch into the
// same folder. add() may be called from several threads at once.
class BatchWriter {
  public:
    static constexpr const char* temporary_prefix = ".kelvara-tmp-";
    // Called, before waiting, when another batch holds the folder's lock.
    using Waiting = std::function<void(const QString& folder)>;

    // The folder must exist. Problems opening or locking it are reported by the first add() or
    // commit(). While another batch writes into the folder this waits, first telling waiting;
    // by default it says so on the standard error.
    explicit BatchWriter(const QString& folder, Waiting waiting = say_waiting);
    // Removes the temporaries of a batch that was not committed.
    ~BatchWriter();
    BatchWriter(const BatchWriter&) = delete;
    BatchWriter& operator=(const BatchWriter&) = delete;

    // Writes bytes under a temporary name for the file name (no folder part, each name once).
    // A failure names the file under its final name.
    FileStatus add(const QString& name, const QByteArray& bytes);

    // Makes every added file durable and gives it its name, replacing a file or link of that
    // name, then lets the folder's lock go. Files take their names in the order of the names, so
    // a batch killed while renaming leaves its first files (with zero-padded numbers). After a
    // failure the files not yet renamed are removed.
    FileStatus commit();

    // The temporaries of other processes no longer running, removed when the writer was made.
    int stale_removed() const { return stale_removed_; }
    // Whether the writer had to wait for another batch.
    bool waited() const { return waited_; }

    // "PROGRAM: FOLDER: waiting for …" on the standard error.
    static void say_waiting(const QString& folder);

  private:
    struct Pending {
        QByteArray temporary;  // names within the folder, in the file system's encoding
        QByteArray final_name;
    };
    FileError problem(const QByteArray& name, int error) const;
    void remove_stale_temporaries();
    void discard_pending();

    QString folder_;
    int dir_fd_ = -1;
    int open_error_ = 0;
    std::optional<FileError> lock_error_;
    std::optional<FolderLock> lock_;
    bool waited_ = false;
    QByteArray own_prefix_;
    std::mutex mutex_;
    std::vector<Pending> pending_;
    int stale_removed_ = 0;
};

}  // namespace kelvara
