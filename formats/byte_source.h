#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
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

// Bytes already in memory, which must outlive the source.
class MemorySource final : public ByteSource {
  public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint64_t size() const override { return bytes_.size(); }

    std::optional<std::size_t> read_at(std::uint64_t offset,
                                       std::span<std::uint8_t> into) override {
        if (offset >= bytes_.size()) return 0;
        const std::size_t n = std::min<std::size_t>(into.size(), bytes_.size() - offset);
        std::memcpy(into.data(), bytes_.data() + offset, n);
        return n;
    }

  private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace kelvara::formats
