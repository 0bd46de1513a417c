#include "formats/embedded_text_reader.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <vector>

#include "formats/embedded_text.h"

namespace kelvara::formats {

namespace {

TextReadError error(TextReadProblem problem, std::string reason) {
    return {problem, std::move(reason)};
}

std::string at_byte(std::uint64_t offset) {
    return " at byte " + std::to_string(offset);
}

// Reads through a small window, so that walking a chain of short blocks costs few system calls
// and passing over image data costs none.
class Cursor {
  public:
    explicit Cursor(ByteSource& source) : source_(source), size_(source.size()) {}

    std::uint64_t size() const { return size_; }

    // Fills out from offset, or says why it cannot: the file ends first (inside what, at offset)
    // or the system fails.
    std::optional<TextReadError> read(std::uint64_t offset, std::span<std::uint8_t> out,
                                      const char* what) {
        if (offset > size_ || out.size() > size_ - offset) return ends_inside(what, offset);
        if (out.size() > window_.size()) return read_directly(offset, out, what);
        if (offset < window_start_ || offset + out.size() > window_start_ + window_length_) {
            window_start_ = offset;
            window_length_ = 0;
            const std::size_t want =
                static_cast<std::size_t>(std::min<std::uint64_t>(window_.size(), size_ - offset));
            if (auto e = read_directly(offset, std::span(window_).first(want), what)) {
                return e;
            }
            window_length_ = want;
        }
        std::memcpy(out.data(), window_.data() + (offset - window_start_), out.size());
        return std::nullopt;
    }

  private:
    static TextReadError ends_inside(const char* what, std::uint64_t offset) {
        return error(TextReadProblem::truncated,
                     std::string("truncated: the file ends inside ") + what + at_byte(offset));
    }

    // The source may be shorter than it said at first: a file that shrinks while it is read.
    std::optional<TextReadError> read_directly(std::uint64_t offset, std::span<std::uint8_t> out,
                                               const char* what) {
        const std::optional<std::size_t> got = source_.read_at(offset, out);
        if (!got) return error(TextReadProblem::read_failed, "the file could not be read");
        if (*got < out.size()) return ends_inside(what, offset);
        return std::nullopt;
    }

    ByteSource& source_;
    const std::uint64_t size_;
    std::array<std::uint8_t, 4096> window_{};
    std::uint64_t window_start_ = 0;
    std::size_t window_length_ = 0;
};

std::uint32_t be32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

TextReadError too_many_steps() {
    return error(TextReadProblem::too_many_steps,
                 "more than " + std::to_string(embedded_step_limit) + " chunks or blocks");
}

// what: "chunk too large: Kelvara's text chunk holds 70000 bytes, more than"
TextReadError too_large(const std::string& what) {
    return error(TextReadProblem::too_large,
                 what + " " + std::to_string(embedded_text_limit / 1024) + " KiB");
}

// --- PNG ---

bool is_chunk_type(const std::uint8_t* type) {
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t c = type[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    }
    return true;
}

// A compressed text, inflated to at most embedded_text_limit bytes.
TextRead inflated(std::string_view compressed) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return error(TextReadProblem::damaged, "damaged chunk");
    std::string out(embedded_text_limit + 1, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    z.avail_in = static_cast<uInt>(compressed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = inflate(&z, Z_FINISH);
    const std::size_t made = out.size() - z.avail_out;
    inflateEnd(&z);
    if (made > embedded_text_limit) {
        return too_large("chunk too large: Kelvara's compressed text inflates to more than");
    }
    if (status != Z_STREAM_END) {
        return error(TextReadProblem::damaged, "damaged chunk: its compressed text is broken");
    }
    out.resize(made);
    return out;
}

// The text of an iTXt chunk's data: keyword, NUL, compression flag and method, language tag,
// NUL, translated keyword, NUL, text.
TextRead itxt_text(std::string_view data) {
    const auto damaged = [] {
        return error(TextReadProblem::damaged, "damaged chunk: its text fields are malformed");
    };
    std::size_t at = data.find('\0');
    if (at == std::string_view::npos || data.size() - at < 3) return damaged();
    const char flag = data[at + 1];
    const char method = data[at + 2];
    at += 3;
    for (int field = 0; field < 2; ++field) {  // the language tag and the translated keyword
        at = data.find('\0', at);
        if (at == std::string_view::npos) return damaged();
        ++at;
    }
    const std::string_view text = data.substr(at);
    if (flag == 0) return std::string(text);
    if (flag == 1 && method == 0) return inflated(text);
    return damaged();
}

// The parameters if the iTXt chunk at offset, of that data length, is Kelvara's; nullopt if it is
// another text.
std::optional<TextRead> parameter_chunk(Cursor& in, std::uint64_t offset, std::uint32_t length) {
    // Only the keyword is read to see whose chunk it is.
    std::array<std::uint8_t, 80> start{};
    const auto peek = std::span(start).first(std::min<std::size_t>(length, start.size()));
    if (auto e = in.read(offset + 8, peek, "a text chunk")) return *e;
    const std::string_view peeked(reinterpret_cast<const char*>(peek.data()), peek.size());
    if (peeked.substr(0, peeked.find('\0')) != png_parameters_keyword) return std::nullopt;
    if (length > embedded_text_limit) {
        return too_large("chunk too large: Kelvara's text chunk holds " + std::to_string(length) +
                         " bytes, more than");
    }

    std::vector<std::uint8_t> chunk(length + 8);  // type, data and CRC
    if (auto e = in.read(offset + 4, chunk, "Kelvara's text chunk")) return *e;
    const uLong crc = ::crc32(0L, chunk.data(), static_cast<uInt>(length + 4));
    if (be32(chunk.data() + 4 + length) != static_cast<std::uint32_t>(crc)) {
        return error(TextReadProblem::damaged, "damaged chunk: the CRC of Kelvara's text chunk" +
                                                   at_byte(offset) + " does not match");
    }
    return itxt_text(std::string_view(reinterpret_cast<const char*>(chunk.data() + 4), length));
}

// --- GIF ---

// Bytes of a colour table whose size field is the low three bits of packed, if its flag is set.
std::uint64_t colour_table_bytes(std::uint8_t packed) {
    return (packed & 0x80) != 0 ? 3u << ((packed & 7) + 1) : 0;
}

// Walks the sub-blocks from offset to the empty one that ends them, keeping at most keep bytes of
// their data in kept; gives the offset after them.
struct SubBlocks {
    std::uint64_t end = 0;
    std::string kept;
    bool overflowed = false;  // more than keep bytes
};

std::optional<TextReadError> walk_sub_blocks(Cursor& in, std::uint64_t offset, std::uint64_t& steps,
                                             std::size_t keep, SubBlocks& out) {
    std::array<std::uint8_t, 256> block{};
    for (;;) {
        if (++steps > embedded_step_limit) return too_many_steps();
        if (auto e = in.read(offset, std::span(block).first(1), "a block")) return e;
        const std::size_t n = block[0];
        ++offset;
        if (n == 0) break;
        if (n > in.size() - std::min(offset, in.size())) {
            return error(TextReadProblem::truncated,
                         "truncated: a sub-block" + at_byte(offset - 1) + " runs past the end");
        }
        if (!out.overflowed && out.kept.size() + n <= keep) {
            if (auto e = in.read(offset, std::span(block).first(n), "a sub-block")) return e;
            out.kept.append(reinterpret_cast<const char*>(block.data()), n);
        } else if (keep > 0) {
            out.overflowed = true;
        }
        offset += n;
    }
    out.end = offset;
    return std::nullopt;
}

}  // namespace

TextRead read_png_parameters(ByteSource& file) {
    Cursor in(file);
    std::array<std::uint8_t, 8> signature{};
    if (auto e = in.read(0, signature, "its signature")) return *e;
    constexpr std::array<std::uint8_t, 8> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (signature != png) return error(TextReadProblem::damaged, "damaged: not a PNG signature");

    std::optional<std::string> found;
    std::uint64_t offset = 8;
    for (std::uint64_t steps = 1;; ++steps) {
        if (steps > embedded_step_limit) return too_many_steps();
        std::array<std::uint8_t, 8> head{};
        if (auto e = in.read(offset, head, "a chunk header (before IEND)")) return *e;
        const std::uint32_t length = be32(head.data());
        // A length beyond 31 bits is not a PNG's; taken as it stands it could wrap the offset.
        if (length > 0x7FFFFFFFu || !is_chunk_type(head.data() + 4)) {
            return error(TextReadProblem::damaged,
                         "damaged chunk: an impossible length or type" + at_byte(offset));
        }
        const std::string_view type(reinterpret_cast<const char*>(head.data() + 4), 4);
        const std::uint64_t end = offset + 12 + length;
        if (end > in.size()) {
            return error(TextReadProblem::truncated, "truncated: the file ends inside the " +
                                                         std::string(type) + " chunk" +
                                                         at_byte(offset));
        }
        if (type == "IEND") {
            if (found) return *found;
            return error(TextReadProblem::no_parameters, "no Kelvara parameters in the file");
        }
        if (type == "iTXt" && !found) {
            if (std::optional<TextRead> text = parameter_chunk(in, offset, length)) {
                if (!*text) return *text;
                found = text->value();
            }
        }
        offset = end;
    }
}

TextRead read_gif_parameters(ByteSource& file) {
    Cursor in(file);
    std::array<std::uint8_t, 13> head{};  // signature, version and logical screen
    if (auto e = in.read(0, head, "its header")) return *e;
    const std::string_view signature(reinterpret_cast<const char*>(head.data()), 6);
    if (signature != "GIF87a" && signature != "GIF89a") {
        return error(TextReadProblem::damaged, "damaged: not a GIF signature");
    }
    std::uint64_t offset = 13 + colour_table_bytes(head[10]);
    constexpr std::string_view kelvara = "Software: Kelvara";
    for (std::uint64_t steps = 1;; ++steps) {
        if (steps > embedded_step_limit) return too_many_steps();
        std::array<std::uint8_t, 10> block{};
        if (auto e = in.read(offset, std::span(block).first(1), "a block (before the trailer)")) {
            return *e;
        }
        SubBlocks data;
        switch (block[0]) {
            case 0x3B:  // the trailer
                return error(TextReadProblem::no_parameters, "no Kelvara parameters in the file");
            case 0x21: {  // an extension: its label, then sub-blocks
                if (auto e = in.read(offset + 1, std::span(block).subspan(1, 1), "an extension")) {
                    return *e;
                }
                const bool comment = block[1] == 0xFE;
                const std::size_t keep = comment ? embedded_text_limit : 0;
                if (auto e = walk_sub_blocks(in, offset + 2, steps, keep, data)) return *e;
                if (comment && data.kept.starts_with(kelvara)) {
                    if (data.overflowed) {
                        return too_large("comment too large: Kelvara's comment is longer than");
                    }
                    if (auto parameters = parameters_in_gif_comment(data.kept)) return *parameters;
                }
                break;
            }
            case 0x2C: {  // an image: descriptor, local colour table, code size, sub-blocks
                if (auto e = in.read(offset + 1, std::span(block).subspan(1, 9),
                                     "an image descriptor")) {
                    return *e;
                }
                const std::uint64_t data_start = offset + 10 + colour_table_bytes(block[9]) + 1;
                if (auto e = walk_sub_blocks(in, data_start, steps, 0, data)) return *e;
                break;
            }
            default:
                return error(TextReadProblem::damaged,
                             "damaged block: an unknown block" + at_byte(offset));
        }
        offset = data.end;
    }
}

}  // namespace kelvara::formats
