#pragma once

#include <QString>

namespace kelvara {

// The base name used for the files: what was typed, or "temp" when nothing was. A name of blanks
// only counts as nothing (a file "   .bmp" is all but invisible in a listing); blanks around
// other names are kept as typed.
QString export_base_name(const QString& typed);

// Why the base name cannot be used, or an empty string when it can. A separator or a NUL would
// make the file land outside the chosen folder (or cut the name short).
QString base_name_problem(const QString& base_name);

// The folder, one separator, the base name and the extension (".bmp", ".txt"). A folder that
// already ends in a separator, such as the root "/", gets none added. The base name is used as
// given: "a.bmp" becomes "a.bmp.bmp".
QString export_path(const QString& folder, const QString& base_name, const QString& extension);

}  // namespace kelvara
