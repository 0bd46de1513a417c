#pragma once

#include <QString>
#include <QStringList>

namespace kelvara {

// What the drive list offers on a system without drive letters: the root "/", the user's home,
// then the other mounted file systems that hold user files, by path.
QStringList drive_roots();

// The entry of roots that holds path: the longest one that is path itself or one of its parent
// folders. Empty when none does.
QString drive_of(const QString& path, const QStringList& roots);

// Whether folder lies in the file-system tree at or below root ("/a" is below "/", but "/ab" is
// not below "/a").
bool is_at_or_below(const QString& folder, const QString& root);

}  // namespace kelvara
