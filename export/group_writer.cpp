#include "export/group_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "export/posix_write.h"
#include "export/temporary_names.h"

namespace kelvara {

GroupWriter::~GroupWriter() {
    discard();
}

FileStatus GroupWriter::failed(FileError error) {
    discard();
    failure_ = error;
    return error;
}

FileStatus GroupWriter::add(const QString& path, const QByteArray& bytes, LinkPolicy policy) {
    if (failure_) return *failure_;
    auto found = find_output_target(path, policy);
    if (!found) return failed(found.error());
    OutputTarget& target = found.value();
    struct stat folder {};
    if (::fstat(target.folder.get(), &folder) != 0) return failed({path, system_reason(errno)});
    for (const File& other : files_) {
        struct stat other_folder {};
        if (::fstat(other.target.folder.get(), &other_folder) == 0 &&
            other_folder.st_dev == folder.st_dev && other_folder.st_ino == folder.st_ino &&
            other.target.name == target.name) {
            return failed({path, QStringLiteral("the same file as %1").arg(shortened(other.path))});
        }
    }

    File file{path, std::move(target), {}, {}, File::State::written, {}};
    const int folder_fd = file.target.folder.get();
    file.data = create_temporary(folder_fd, ".kelvara-", ".tmp", file.temporary);
    if (!file.data) return failed({path, system_reason(errno)});
    const int fd = file.data.get();
    auto error = [&]() -> int {
        if (const auto& old = file.target.replaced) {
            // Owner first: changing it clears set-user-ID bits that the mode then puts back.
            // Only root may give a file away; anyone else's copy is theirs, as with any editor.
            if (::fchown(fd, old->st_uid, old->st_gid) != 0 && errno != EPERM) return errno;
            if (::fchmod(fd, old->st_mode & 07777) != 0) return errno;
        }
        return write_all(fd, bytes);
    }();
    if (error != 0) {
        file.data.close();
        ::unlinkat(folder_fd, file.temporary.constData(), 0);
        return failed({path, system_reason(error)});
    }
    files_.push_back(std::move(file));
    return {};
}

// Gives one written file its name: 0, or the errno of the step that failed, the file then as it
// was.
int GroupWriter::give_name(File& file) {
    const int folder = file.target.folder.get();
    const char* name = file.target.name.constData();
    const char* temporary = file.temporary.constData();
    struct stat st {};
    if (::fstatat(folder, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) return errno;
        // Nothing to put back, and nothing that appears meanwhile is replaced.
        if (steps_.rename(folder, temporary, folder, name, RENAME_NOREPLACE) != 0) {
            if (errno != EINVAL) return errno;
            if (steps_.rename(folder, temporary, folder, name, 0) != 0) return errno;
        }
        file.state = File::State::named;
        return 0;
    }
    if (S_ISDIR(st.st_mode)) return EISDIR;
    // The new file takes the name in one step, and the old one its temporary name.
    if (steps_.rename(folder, temporary, folder, name, RENAME_EXCHANGE) == 0) {
        file.state = File::State::exchanged;
        return 0;
    }
    if (errno != EINVAL) return errno;
    // A file system that cannot exchange: the old file is moved aside first, for a moment
    // leaving no file at the name.
    FileDescriptor probe = create_temporary(folder, ".kelvara-", ".old", file.aside);
    if (!probe) return errno;
    if (steps_.rename(folder, name, folder, file.aside.constData(), 0) != 0) {
        const int error = errno;
        ::unlinkat(folder, file.aside.constData(), 0);
        return error;
    }
    if (steps_.rename(folder, temporary, folder, name, 0) != 0) {
        const int error = errno;
        steps_.rename(folder, file.aside.constData(), folder, name, 0);
        return error;
    }
    file.state = File::State::moved_away;
    return 0;
}

// Puts back what stood at a file's name before it was given, and removes the new file.
void GroupWriter::take_back(File& file) {
    const int folder = file.target.folder.get();
    const char* name = file.target.name.constData();
    const char* temporary = file.temporary.constData();
    switch (file.state) {
        case File::State::written:
            ::unlinkat(folder, temporary, 0);
            break;
        case File::State::named:
            ::unlinkat(folder, name, 0);
            break;
        case File::State::exchanged:
            if (steps_.rename(folder, temporary, folder, name, RENAME_EXCHANGE) == 0)
                ::unlinkat(folder, temporary, 0);
            break;
        case File::State::moved_away:
            steps_.rename(folder, file.aside.constData(), folder, name, 0);
            break;
    }
    file.state = File::State::written;
}

FileStatus GroupWriter::commit() {
    if (failure_) return *failure_;
    // Every file's bytes reach the disk before any takes its name. Flushed only once all are
    // written, the first flush commits the file system's journal for all of them, and the others
    // find little left to do: a bundle of forty files flushed as each is written took a third of
    // a second on an ordinary disk.
    for (File& file : files_) {
        const int error = ::fdatasync(file.data.get()) != 0 ? errno : file.data.close();
        if (error != 0) return failed({file.path, system_reason(error)});
    }
    for (File& file : files_) {
        if (const int error = give_name(file); error != 0)
            return failed({file.path, system_reason(error)});
    }
    // The new names reach the disk before the old files go: each folder once.
    std::vector<std::pair<dev_t, ino_t>> synced;
    for (File& file : files_) {
        struct stat folder {};
        if (::fstat(file.target.folder.get(), &folder) != 0)
            return failed({file.path, system_reason(errno)});
        const std::pair id{folder.st_dev, folder.st_ino};
        if (std::find(synced.begin(), synced.end(), id) != synced.end()) continue;
        if (::fsync(file.target.folder.get()) != 0)
            return failed({file.path, system_reason(errno)});
        synced.push_back(id);
    }
    for (File& file : files_) {
        if (file.state == File::State::exchanged)
            ::unlinkat(file.target.folder.get(), file.temporary.constData(), 0);
        if (file.state == File::State::moved_away)
            ::unlinkat(file.target.folder.get(), file.aside.constData(), 0);
    }
    files_.clear();
    return {};
}

void GroupWriter::discard() {
    for (auto file = files_.rbegin(); file != files_.rend(); ++file) take_back(*file);
    files_.clear();
}

}  // namespace kelvara
