#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kelvara::formats {

// Where a reader takes a file's bytes from, one piece at a time and at any offset, so that it
// can pass over a picture's pixels without holding them.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // The file's length in bytes, as it was when reading began.
    virtual std::uint64_t size() const = 0;

    // Fills into with the bytes from offset on: how many it got (fewer only where the file ends),
    // or nullopt when the system failed to read.
    virtual std::optional<std::size_t> read_at(std::uint64_t offset,
                                               std::span<std::uint8_t> into) = 0;
};

}  // namespace kelvara::formats
