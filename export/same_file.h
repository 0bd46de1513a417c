#pragma once

#include <QString>

namespace kelvara {

// Whether two paths name one file once every link is followed, whether it exists yet or not:
// "l/x.png" with l a link to ".", or "x.json" a link to "x.png", name the same file as "x.png".
// Existing files are compared by device and inode; a name with nothing behind it yet by the
// folder it would be made in (device and inode) and its name there. Commands refuse two outputs
// that are one file, or an output that is their own input, before writing anything. A link is
// always followed here, even where a writer would replace it: a pair this calls one file is
// refused although one of its links might have been replaced rather than written through.
bool same_file(const QString& a, const QString& b);

}  // namespace kelvara
