#include "file_group.h"

namespace kelvara::sprites {

FileStatus write_group(const std::vector<GroupFile>& files, const AtomicWriteSteps& steps) {
    GroupWriter group(steps);
    for (const GroupFile& f : files) {
        if (FileStatus added = group.add(f.path, f.bytes, f.policy); !added) return added;
    }
    return group.commit();
}

}  // namespace kelvara::sprites
