#pragma once

#include <QString>

namespace kelvara::cli {

// Why a file cannot be written at path (its folder is missing or closed to writing, or a folder
// stands in its place), or an empty string. Checked for every output before anything is drawn,
// so that bad output paths write nothing.
QString output_problem(const QString& path);

}  // namespace kelvara::cli
