#pragma once

#include <cstdint>
#include <new>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kelvara::formats {

// The bytes of an encoded file, as every encoder returns them.
using Bytes = std::vector<std::uint8_t>;

// Why a picture could not be encoded.
enum class EncodeProblem {
    empty_picture,       // no pixels, or no frames
    too_large,           // beyond what the format can hold
    too_many_colours,    // a palette format, and more than 256 colours
    frames_differ,       // the frames of an animation are not all of one size
    compression_failed,  // the compressor gave up
    bad_text,            // a text entry the format cannot hold (a PNG keyword it does not allow)
    out_of_memory,
};

struct EncodeError {
    EncodeProblem problem;

    // The reason in words, to follow a file name in a message: "the picture has more than 256
    // colours".
    std::string describe() const;

    friend bool operator==(const EncodeError&, const EncodeError&) = default;
};

// What an encoder gives back: the file's bytes, or why there are none.
class Encoded {
  public:
    Encoded(Bytes bytes) : result_(std::move(bytes)) {}  // NOLINT: implicit on purpose
    Encoded(EncodeError error) : result_(error) {}       // NOLINT: implicit on purpose
    Encoded(EncodeProblem problem)
        : result_(EncodeError{problem}) {}  // NOLINT: implicit on purpose

    bool ok() const { return std::holds_alternative<Bytes>(result_); }
    explicit operator bool() const { return ok(); }
    const Bytes& value() const& { return std::get<Bytes>(result_); }
    Bytes&& value() && { return std::get<Bytes>(std::move(result_)); }
    const EncodeError& error() const { return std::get<EncodeError>(result_); }

  private:
    std::variant<Bytes, EncodeError> result_;
};

// What encode() gives, or out_of_memory when it runs out: a picture within a format's limits may
// still need more memory than the machine will give.
template <class Encode>
Encoded unless_out_of_memory(Encode encode) {
    try {
        return encode();
    } catch (const std::bad_alloc&) {
        return EncodeProblem::out_of_memory;
    }
}

}  // namespace kelvara::formats
