#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

#include "formats/byte_source.h"

// Finding Kelvara's parameter text (see embedded_text.h) in a PNG or GIF from any source, hostile
// files included: every length is checked against the file before it is followed, only the text
// is held in memory, and the walk ends after a fixed number of steps whatever the file says.
namespace kelvara::formats {

// The parameter chunk or comment is a few hundred bytes; a longer one is refused unread.
inline constexpr std::size_t embedded_text_limit = 64 * 1024;

// Chunks, blocks and sub-blocks walked before a reader gives up: far more than any picture Kelvara
// writes, where the text comes before the pixels.
inline constexpr std::uint64_t embedded_step_limit = std::uint64_t{1} << 20;

// Why no parameter text came out of a file.
enum class TextReadProblem {
    no_parameters,   // a sound file without Kelvara's parameters
    truncated,       // the file ends inside a chunk or block, or before its end marker
    damaged,         // a wrong signature, checksum, length field or block
    too_large,       // Kelvara's chunk or comment is longer than embedded_text_limit
    too_many_steps,  // more than embedded_step_limit chunks or blocks
    read_failed,     // the system could not read the file
};

struct TextReadError {
    TextReadProblem problem;
    std::string reason;  // in words, to follow the file's name: "damaged chunk: …"
};

// What a reader gives back: the parameter text (UTF-8 as written), or why there is none.
class TextRead {
  public:
    TextRead(std::string text) : result_(std::move(text)) {}      // NOLINT: implicit on purpose
    TextRead(TextReadError error) : result_(std::move(error)) {}  // NOLINT: implicit on purpose

    bool ok() const { return std::holds_alternative<std::string>(result_); }
    explicit operator bool() const { return ok(); }
    const std::string& value() const { return std::get<std::string>(result_); }
    const TextReadError& error() const { return std::get<TextReadError>(result_); }

  private:
    std::variant<std::string, TextReadError> result_;
};

// Walks the chunks from the signature to IEND, skipping the image data by its length, and gives
// the first iTXt chunk with the parameters' keyword, its CRC checked (and, if it is compressed,
// inflated to at most embedded_text_limit).
TextRead read_png_parameters(ByteSource& file);

// Walks the header, colour tables, extensions and image data sub-blocks until it meets Kelvara's
// comment, and gives the parameters in it.
TextRead read_gif_parameters(ByteSource& file);

}  // namespace kelvara::formats
