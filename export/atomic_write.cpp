#include "export/atomic_write.h"

namespace kelvara {

FileStatus check_write_target(const QString& path, LinkPolicy policy) {
    const auto target = output_file(path, policy);
    if (!target) return target.error();
    return {};
}

FileStatus write_file_atomically(const QString& path, const QByteArray& bytes,
                                 const AtomicWriteSteps& steps) {
    GroupWriter writer(steps);
    if (const FileStatus added = writer.add(path, bytes, LinkPolicy::user_named); !added) {
        return added;
    }
    return writer.commit();
}

}  // namespace kelvara
