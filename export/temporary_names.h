#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <string_view>

#include "export/posix_write.h"

namespace kelvara {

// Temporary files are made in the folder of the file they become, under names no one can guess
// beforehand, and opened so that nothing standing at the name (a link planted by another user of
// a shared folder, say) is ever opened or written through.

// Makes and opens for writing a new regular file named prefix, 16 random hexadecimal digits and
// suffix in the folder dir_fd, with the mode 0666 less the umask. The name goes to name.
// Gives no descriptor, with errno set, when no file could be made.
FileDescriptor create_temporary(int dir_fd, const QByteArray& prefix, const QByteArray& suffix,
                                QByteArray& name);

// The temporaries of a batch: ".kelvara-tmp-PID-" and 16 random hexadecimal digits, PID being
// the writing process, so that the leftovers of a killed batch can be told from those of one
// still running.
inline constexpr std::string_view batch_temporary_prefix = ".kelvara-tmp-";
QByteArray batch_temporary_prefix_of(pid_t writer);

// The writer's process id when name is exactly a batch temporary's name (no sign, no leading
// zero, no digit more than a process id can have), otherwise 0.
pid_t batch_temporary_writer(std::string_view name);

}  // namespace kelvara
