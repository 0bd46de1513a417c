#include "export/ui/drive_roots.h"

#include <QDir>
#include <QStorageInfo>

namespace kelvara {

namespace {

// Mounts that hold no user files: the kernel's and the system's own trees.
bool is_system_mount(const QString& root) {
    for (const char* prefix : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"}) {
        if (is_at_or_below(root, QString::fromLatin1(prefix))) return true;
    }
    return false;
}

}  // namespace

bool is_at_or_below(const QString& folder, const QString& root) {
    if (folder == root) return true;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return folder.startsWith(prefix);
}

QStringList drive_roots() {
    QStringList roots = {QStringLiteral("/"), QDir::cleanPath(QDir::homePath())};
    QStringList others;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString root = QDir::cleanPath(volume.rootPath());
        if (is_system_mount(root) || roots.contains(root) || others.contains(root)) continue;
        others.append(root);
    }
    others.sort();
    roots.removeDuplicates();
    return roots + others;
}

QString drive_of(const QString& path, const QStringList& roots) {
    QString best;
    for (const QString& root : roots) {
        if (is_at_or_below(path, root) && root.size() > best.size()) best = root;
    }
    return best;
}

}  // namespace kelvara
