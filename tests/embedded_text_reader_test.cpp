// The readers of the parameter text in PNG and GIF files against files built here byte by byte:
// sound files with the text where Kelvara writes it and where other programs may move it, and
// hostile ones (cut short, wrong checksums, impossible lengths, sub-blocks past the end, endless
// chains, oversized text). Each gives the text or its named problem, reads only a few KiB of a
// large picture and stops after a bounded walk.
#include <gtest/gtest.h>
#include <zlib.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "formats/embedded_text_reader.h"

namespace kelvara {
namespace {

using formats::TextReadProblem;
using Bytes = std::vector<std::uint8_t>;

const std::string params = "[hero]\nかおづら : タイプ\n12\t : 顔\n";

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes bytes(std::string_view s) {
    return Bytes(s.begin(), s.end());
}

void put32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A chunk with its true length and CRC unless told otherwise.
Bytes chunk(std::string_view type, std::string_view data, std::optional<std::uint32_t> length = {},
            bool bad_crc = false) {
    Bytes out;
    put32(out, length.value_or(static_cast<std::uint32_t>(data.size())));
    const Bytes body = bytes(type) + bytes(data);
    const auto crc =
        static_cast<std::uint32_t>(::crc32(0L, body.data(), static_cast<uInt>(body.size())));
    put32(out, bad_crc ? crc ^ 1u : crc);
    out.insert(out.end() - 4, body.begin(), body.end());
    return out;
}

std::string itxt(std::string_view keyword, std::string_view text, char flag = 0) {
    return std::string(keyword) + std::string("\0", 1) + flag + std::string("\0\0\0", 3) +
           std::string(text);
}

std::string compressed(const std::string& text) {
    uLongf size = compressBound(static_cast<uLong>(text.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size,
             reinterpret_cast<const Bytef*>(text.data()), static_cast<uLong>(text.size()));
    out.resize(size);
    return out;
}

const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
const Bytes ihdr = chunk("IHDR", std::string("\0\0\0\1\0\0\0\1\x08\x02\0\0\0", 13));
const Bytes idat = chunk("IDAT", "image data, never read");
const Bytes iend = chunk("IEND", "");
const Bytes ours = chunk("iTXt", itxt("Kelvara parameters", params));

// The file without its last drop bytes.
Bytes cut(const Bytes& b, std::size_t drop) {
    return Bytes(b.begin(), b.end() - static_cast<long>(drop));
}

// GIF pieces: a header with a two-colour table, extensions, an image, the trailer.
const Bytes gif_header = bytes(std::string("GIF89a\1\0\1\0\x80\0\0", 13)) + Bytes(6, 0);
const Bytes netscape = bytes(std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\0\0\0", 19));
const Bytes gif_image = bytes(std::string("\x2C\0\0\0\0\1\0\1\0\0\x02\x02\x4C\x01\0", 15));
const Bytes gif_image_local_table = bytes(std::string("\x2C\0\0\0\0\1\0\1\0\x81", 10)) +
                                    Bytes(12, 7) + bytes("\x02\x02\x4C\x01") + Bytes(1, 0);
const Bytes trailer = {0x3B};

Bytes comment(const std::string& text) {
    Bytes out = {0x21, 0xFE};
    for (std::size_t at = 0; at < text.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, text.size() - at);
        out.push_back(static_cast<std::uint8_t>(n));
        out.insert(out.end(), text.begin() + static_cast<long>(at),
                   text.begin() + static_cast<long>(at + n));
    }
    out.push_back(0);
    return out;
}

const std::string kelvara_comment = "Software: Kelvara 3.0.0\nLicense: CC0-1.0\n\n" + params;

struct Case {
    const char* name;
    Bytes file;
    std::optional<TextReadProblem> problem;  // none: the parameters are found
    std::string text = params;
};

TEST(EmbeddedTextReader, FindsTheTextOrNamesTheProblem) {
    const std::string big(formats::embedded_text_limit + 1, 'x');
    const std::vector<Case> png_cases = {
        {"after the header", signature + ihdr + ours + idat + iend, {}},
        {"moved after the image data", signature + ihdr + idat + ours + iend, {}},
        {"after another text",
         signature + ihdr + chunk("iTXt", itxt("Comment", "hi")) + ours + iend,
         {}},
        {"after a keyword that only begins like ours",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters old", "old")) + ours + iend,
         {}},
        {"the first of two",
         signature + ihdr + ours + chunk("iTXt", itxt("Kelvara parameters", "2")) + iend,
         {}},
        {"compressed",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters", compressed(params), 1)) + iend,
         {}},
        {"exactly at the limit",
         signature + ihdr +
             chunk("iTXt", itxt("Kelvara parameters",
                                std::string(formats::embedded_text_limit - 23, 'x'))) +
             iend,
         {},
         std::string(formats::embedded_text_limit - 23, 'x')},
        {"a long text of another's",
         signature + ihdr + chunk("iTXt", itxt("Comment", big)) + ours + iend,
         {}},
        {"image data with a wrong CRC is passed over",
         signature + ihdr + ours + chunk("IDAT", "x", {}, true) + iend,
         {}},
        {"no text", signature + ihdr + idat + iend, TextReadProblem::no_parameters},
        {"another's text only", signature + ihdr + chunk("iTXt", itxt("Software", "x")) + iend,
         TextReadProblem::no_parameters},
        {"shorter than the signature", cut(signature, 3), TextReadProblem::truncated},
        {"signature only", signature, TextReadProblem::truncated},
        {"cut inside the image data", cut(signature + ihdr + ours + idat + iend, 20),
         TextReadProblem::truncated},
        {"cut inside the text", cut(signature + ihdr + ours, 9), TextReadProblem::truncated},
        {"no end chunk", signature + ihdr + ours + idat, TextReadProblem::truncated},
        {"a length past the end", signature + ihdr + ours + chunk("IDAT", "x", 0x7FFFFFFFu) + iend,
         TextReadProblem::truncated},
        {"a length that wraps to a loop", signature + ihdr + chunk("IDAT", "", 0xFFFFFFF4u) + iend,
         TextReadProblem::damaged},
        {"not a PNG signature", bytes("\x89PNX\r\n\x1A\n") + ihdr + ours + iend,
         TextReadProblem::damaged},
        {"a type that is no chunk's", signature + ihdr + chunk("ID1T", "x") + ours + iend,
         TextReadProblem::damaged},
        {"a wrong CRC on the text",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters", params), {}, true) + iend,
         TextReadProblem::damaged},
        {"text fields without their NULs",
         signature + ihdr + chunk("iTXt", std::string("Kelvara parameters\0\0\0", 21)) + iend,
         TextReadProblem::damaged},
        {"an unknown compression",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters", params, 2)) + iend,
         TextReadProblem::damaged},
        {"broken compressed text",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters", "not zlib", 1)) + iend,
         TextReadProblem::damaged},
        {"text over the limit",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters", big)) + iend,
         TextReadProblem::too_large},
        {"compressed text inflating over the limit",
         signature + ihdr + chunk("iTXt", itxt("Kelvara parameters", compressed(big), 1)) + iend,
         TextReadProblem::too_large},
    };
    const std::vector<Case> gif_cases = {
        {"before the first image",
         gif_header + netscape + comment(kelvara_comment) + gif_image + trailer,
         {}},
        {"moved after an image with a local colour table",
         gif_header + gif_image_local_table + comment(kelvara_comment) + trailer,
         {}},
        {"after another comment",
         gif_header + comment("made by hand") + comment(kelvara_comment) + trailer,
         {}},
        {"in many sub-blocks",
         gif_header + comment(kelvara_comment + std::string(700, 'x')) + trailer,
         {},
         params + std::string(700, 'x')},
        {"after a long comment of another's",
         gif_header + comment(std::string(formats::embedded_text_limit + 600, 'y')) +
             comment(kelvara_comment) + trailer,
         {}},
        {"no comment", gif_header + netscape + gif_image + trailer, TextReadProblem::no_parameters},
        {"another's comment", gif_header + comment("Software: Painter\n\nhello") + trailer,
         TextReadProblem::no_parameters},
        {"Kelvara's without parameters",
         gif_header + comment("Software: Kelvara 3.0.0\n") + trailer,
         TextReadProblem::no_parameters},
        {"header cut short", cut(gif_header, 4), TextReadProblem::truncated},
        {"no trailer", gif_header + gif_image, TextReadProblem::truncated},
        {"an extension's sub-block past the end",
         gif_header + bytes(std::string("\x21\x01\x40", 3)) + Bytes(20, 1),
         TextReadProblem::truncated},
        {"image data past the end", cut(gif_header + gif_image + comment(kelvara_comment), 40),
         TextReadProblem::truncated},
        {"an unknown block", gif_header + bytes("\x99") + comment(kelvara_comment) + trailer,
         TextReadProblem::damaged},
        {"not a GIF signature", bytes(std::string("GIF88a\1\0\1\0\0\0\0", 13)) + trailer,
         TextReadProblem::damaged},
        {"Kelvara's comment over the limit",
         gif_header + comment(kelvara_comment + std::string(formats::embedded_text_limit, 'x')) +
             trailer,
         TextReadProblem::too_large},
    };
    for (const bool gif : {false, true}) {
        for (const Case& c : gif ? gif_cases : png_cases) {
            SCOPED_TRACE(c.name);
            formats::MemorySource source(c.file);
            const formats::TextRead read =
                gif ? formats::read_gif_parameters(source) : formats::read_png_parameters(source);
            if (!c.problem) {
                ASSERT_TRUE(read.ok()) << read.error().reason;
                EXPECT_EQ(read.value(), c.text);
                continue;
            }
            ASSERT_FALSE(read.ok());
            EXPECT_EQ(read.error().problem, *c.problem) << read.error().reason;
            EXPECT_FALSE(read.error().reason.empty());
        }
    }
}

// Counts what a reader takes from a file, and can fail.
class CountingSource final : public formats::ByteSource {
  public:
    explicit CountingSource(const Bytes& bytes, bool fail = false) : inner_(bytes), fail_(fail) {}
    std::uint64_t size() const override { return inner_.size(); }
    std::optional<std::size_t> read_at(std::uint64_t offset,
                                       std::span<std::uint8_t> into) override {
        if (fail_) return std::nullopt;
        read += into.size();
        return inner_.read_at(offset, into);
    }
    std::size_t read = 0;

  private:
    formats::MemorySource inner_;
    bool fail_;
};

// A file of a prefix and then one unit over and over, 256 MiB in all, made up as it is read.
class RepeatingSource final : public formats::ByteSource {
  public:
    RepeatingSource(Bytes prefix, Bytes unit)
        : prefix_(std::move(prefix)), unit_(std::move(unit)) {}
    std::uint64_t size() const override { return std::uint64_t{256} << 20; }
    std::optional<std::size_t> read_at(std::uint64_t offset,
                                       std::span<std::uint8_t> into) override {
        const std::size_t n =
            std::min<std::uint64_t>(into.size(), size() - std::min(offset, size()));
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t at = offset + i;
            into[i] =
                at < prefix_.size() ? prefix_[at] : unit_[(at - prefix_.size()) % unit_.size()];
        }
        read += n;
        return n;
    }
    std::size_t read = 0;

  private:
    Bytes prefix_;
    Bytes unit_;
};

TEST(EmbeddedTextReader, ReadsAFewKiBOfALargePictureAndStopsABoundlessWalk) {
    const std::string pixels(8 << 20, '\x55');
    const Bytes png = signature + ihdr + ours + chunk("IDAT", pixels) + iend;
    CountingSource png_source(png);
    ASSERT_TRUE(formats::read_png_parameters(png_source).ok());
    EXPECT_LT(png_source.read, 16u * 1024) << "the image data is passed over, not read";

    Bytes frames = gif_header + comment(kelvara_comment);
    for (int i = 0; i < 20000; ++i) frames.insert(frames.end(), gif_image.begin(), gif_image.end());
    frames.push_back(0x3B);
    CountingSource gif_source(frames);
    const formats::TextRead gif_read = formats::read_gif_parameters(gif_source);
    ASSERT_TRUE(gif_read.ok()) << gif_read.error().reason;
    EXPECT_LT(gif_source.read, 16u * 1024) << "the walk ends at Kelvara's comment";

    // Endless chains of empty chunks and of one-byte sub-blocks, in files far longer than the walk
    // may go: it stops at its limit, having read a few MiB.
    const Bytes empty = chunk("tIME", "");
    RepeatingSource chunks(signature, empty);
    RepeatingSource sub_blocks(gif_header + Bytes{0x21, 0x01}, Bytes{1, 'x'});
    for (auto [source, gif] : {std::pair{&chunks, false}, std::pair{&sub_blocks, true}}) {
        const formats::TextRead read =
            gif ? formats::read_gif_parameters(*source) : formats::read_png_parameters(*source);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().problem, TextReadProblem::too_many_steps) << gif;
        EXPECT_LT(source->read, 16u << 20) << gif;
    }

    CountingSource failing(png, true);
    const formats::TextRead failed = formats::read_png_parameters(failing);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().problem, TextReadProblem::read_failed);
}

// Seeded random damage to sound files: a few bytes changed, cut or repeated. Every read ends with
// the text or a problem, and never gives more text than the limit (the sanitizer build checks
// every access on the way).
TEST(EmbeddedTextReader, RandomDamageEndsInTextOrAProblem) {
    const Bytes png = signature + ihdr +
                      chunk("iTXt", itxt("Kelvara parameters", compressed(params), 1)) + idat +
                      ours + iend;
    const Bytes gif = gif_header + netscape + gif_image_local_table + comment(kelvara_comment) +
                      gif_image + trailer;
    std::mt19937 random(20);
    int found = 0;
    for (int round = 0; round < 20000; ++round) {
        const bool is_gif = round % 2 == 1;
        Bytes file = is_gif ? gif : png;
        for (int k = std::uniform_int_distribution(1, 4)(random); k > 0; --k) {
            const std::size_t at =
                std::uniform_int_distribution<std::size_t>(0, file.size() - 1)(random);
            switch (std::uniform_int_distribution(0, 2)(random)) {
                case 0:
                    file[at] = static_cast<std::uint8_t>(random());
                    break;
                case 1:
                    file.resize(at + 1);
                    break;
                default: {  // a piece of the start again, as a chunk or block repeated
                    const Bytes piece(
                        file.begin(),
                        file.begin() + static_cast<long>(std::min<std::size_t>(at, 40)));
                    file.insert(file.begin() + static_cast<long>(at), piece.begin(), piece.end());
                }
            }
        }
        formats::MemorySource source(file);
        const formats::TextRead read =
            is_gif ? formats::read_gif_parameters(source) : formats::read_png_parameters(source);
        if (read) {
            ++found;
            EXPECT_LE(read.value().size(), formats::embedded_text_limit);
        } else {
            EXPECT_FALSE(read.error().reason.empty());
        }
    }
    EXPECT_GT(found, 0) << "some damage misses the text";
}

}  // namespace
}  // namespace kelvara
