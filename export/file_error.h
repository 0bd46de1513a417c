#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace kelvara {

// Why a file could not be read or written: the file, the system's reason (or what was wrong in
// it) and, for a file that was read, the line at fault. The one way every writer, reader and
// dialog of the program reports a failed file operation.
struct FileError {
    QString path;
    QString reason;
    int line = 0;  // 1-based; 0 for the file as a whole

    friend bool operator==(const FileError&, const FileError&) = default;
};

// "PATH: line N: REASON" (without the line part when there is no line), the path shortened.
QString describe(const FileError& error);

// The one way any name or value is quoted in a message: at most max characters, shortened in the
// middle with "…" so that both ends stay readable, and everything a terminal or a dialog would
// not show as itself written as an escape: "\n", "\t", "\r", "\x1b" for control characters,
// "\xNN" for a byte of a file name that is not UTF-8 (see file_names.h), "\u202e" for format
// characters, separators of lines and code points with no character. A hostile name or value of
// megabytes then gives a message of one line that cannot move the cursor or recolour the text.
QString shortened(const QString& text, int max = 60);

// The failure of a picture that could not be encoded or written for want of memory.
FileError not_enough_memory(const QString& path);

// The system's words for an errno value.
QString system_reason(int error_number);

// What a file operation gives back: its value, or why it failed.
template <class T = std::monostate>
class FileResult {
  public:
    FileResult() requires std::is_same_v<T, std::monostate> : result_(std::monostate{}) {}
    FileResult(T value) : result_(std::move(value)) {}          // NOLINT: implicit on purpose
    FileResult(FileError error) : result_(std::move(error)) {}  // NOLINT: implicit on purpose

    bool ok() const { return std::holds_alternative<T>(result_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(result_); }
    T& value() { return std::get<T>(result_); }
    const FileError& error() const { return std::get<FileError>(result_); }
    FileError& error() { return std::get<FileError>(result_); }

  private:
    std::variant<T, FileError> result_;
};

// A file operation that gives back nothing but whether it worked.
using FileStatus = FileResult<>;

}  // namespace kelvara
