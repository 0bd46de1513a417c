// The text the picture writers carry: PNG text chunks read back by Qt's PNG reader and by the
// test's own chunk walk against byte literals, the keywords the format refuses, and the GIF comment
// found by the test's own block walk before the first image, in sub-blocks of at most 255 bytes.
// The pixels are the same with text as without.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <string>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "formats/embedded_text.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara {
namespace {

using formats::Bytes;

// Mixed scripts and a line end, as a parameter file has them.
const formats::EmbeddedText sample = {"Kelvara 3.0.0", "CC0-1.0",
                                      "[勇者]\nかおづら : タイプ\n12\t : 顔\n"};

Surface small_picture() {
    Surface s(5, 3, key_color);
    s.SetPixel(1, 1, RGB(200, 10, 10));
    s.SetPixel(4, 2, RGB(0, 90, 255));
    return s;
}

QImage decoded(const Bytes& bytes, const char* format) {
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), format)
        .convertToFormat(QImage::Format_ARGB32);
}

std::string chunk_types(const Bytes& png) {
    std::string types;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t length = std::size_t{png[at]} << 24 | std::size_t{png[at + 1]} << 16 |
                                   std::size_t{png[at + 2]} << 8 | png[at + 3];
        types.append(reinterpret_cast<const char*>(png.data() + at + 4), 4).push_back(' ');
        at += 12 + length;
    }
    return types;
}

TEST(PngText, QtReadsEveryEntryBeforeTheImageDataAndThePixelsStay) {
    const Surface s = small_picture();
    struct Case {
        const char* name;
        formats::Encoded (*encode)(const PixelView&, std::optional<Colour>, formats::PngEffort,
                                   const std::vector<formats::PngText>&);
        std::optional<Colour> see_through;
        const char* chunks;
    };
    const Case cases[] = {
        {"truecolour", formats::encode_truecolour_png, std::nullopt,
         "IHDR iTXt iTXt iTXt IDAT IEND "},
        {"indexed see-through", formats::encode_indexed_png, key_color,
         "IHDR iTXt iTXt iTXt PLTE tRNS IDAT IEND "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto with =
            c.encode(s.view(), c.see_through, formats::PngEffort::fast, formats::png_text(sample));
        const auto without = c.encode(s.view(), c.see_through, formats::PngEffort::fast, {});
        ASSERT_TRUE(with.ok() && without.ok());
        EXPECT_EQ(chunk_types(with.value()), c.chunks);
        const QImage image =
            QImage::fromData(with.value().data(), static_cast<int>(with.value().size()), "PNG");
        EXPECT_EQ(image.text(QStringLiteral("Software")), QStringLiteral("Kelvara 3.0.0"));
        EXPECT_EQ(image.text(QStringLiteral("License")), QStringLiteral("CC0-1.0"));
        EXPECT_EQ(image.text(QStringLiteral("Kelvara parameters")),
                  QStringLiteral("[勇者]\nかおづら : タイプ\n12\t : 顔\n"));
        EXPECT_EQ(decoded(with.value(), "PNG"), decoded(without.value(), "PNG"));
    }
}

TEST(PngText, EntriesAreUncompressedTextChunksRightAfterTheHeader) {
    const Surface s = small_picture();
    // An empty entry is left out: here the parameters.
    const auto png =
        formats::encode_truecolour_png(s.view(), std::nullopt, formats::PngEffort::fast,
                                       formats::png_text({"Kelvara 3.0.0", "CC0-1.0", ""}));
    ASSERT_TRUE(png.ok());
    // Length, type, keyword, NUL, compression flag and method, empty language tag and translated
    // keyword, text, and the CRC worked out apart from the writer.
    const std::string expected =
        std::string("\0\0\0\x1AiTXtSoftware\0\0\0\0\0Kelvara 3.0.0", 34) + "\x52\xAE\x87\xC2" +
        std::string("\0\0\0\x13iTXtLicense\0\0\0\0\0CC0-1.0", 27) + "\x36\x55\x38\x5A";
    ASSERT_GT(png.value().size(), 33 + expected.size());
    EXPECT_EQ(std::string(png.value().begin() + 33, png.value().begin() + 33 + expected.size()),
              expected);
}

TEST(PngText, KeywordsAndTextsTheFormatRefusesFailTheEncoding) {
    const Surface s = small_picture();
    struct Case {
        std::string keyword;
        std::string text;
        bool ok;
    };
    const Case cases[] = {
        {std::string(79, 'k'), "79 characters", true},
        {"Caf\xE9 menu", "Latin-1 letter, one space", true},
        {"", "empty keyword", false},
        {std::string(80, 'k'), "80 characters", false},
        {" Lead", "leading space", false},
        {"Trail ", "trailing space", false},
        {"Two  spaces", "doubled space", false},
        {"Tab\there", "control character", false},
        {"Byte\x85", "outside printable Latin-1", false},
        {"Title", std::string("nul\0inside", 10), false},
    };
    for (const Case& c : cases) {
        for (const bool indexed : {false, true}) {
            const std::vector<formats::PngText> text = {{"Software", "ok"}, {c.keyword, c.text}};
            const auto png = indexed ? formats::encode_indexed_png(s.view(), std::nullopt,
                                                                   formats::PngEffort::fast, text)
                                     : formats::encode_truecolour_png(
                                           s.view(), std::nullopt, formats::PngEffort::fast, text);
            EXPECT_EQ(png.ok(), c.ok) << c.keyword << ": " << c.text;
            if (!c.ok && !png.ok()) {
                EXPECT_EQ(png.error().problem, formats::EncodeProblem::bad_text);
            }
        }
    }
}

// The blocks of a GIF after its header and global colour table, walked apart from any reader:
// "A" application, "C" comment, "G" graphic control, "I" image; and the comments' sub-block sizes
// and text.
struct GifBlocks {
    std::string kinds;
    std::vector<int> comment_sizes;
    std::string comment;
};

GifBlocks gif_blocks(const Bytes& gif) {
    GifBlocks out;
    std::size_t at = 13 + ((gif[10] & 0x80) != 0 ? 3u << ((gif[10] & 7) + 1) : 0);
    const auto sub_blocks = [&](bool comment) {
        while (at < gif.size() && gif[at] != 0) {
            const std::size_t n = gif[at];
            if (comment) {
                out.comment_sizes.push_back(static_cast<int>(n));
                out.comment.append(reinterpret_cast<const char*>(gif.data() + at + 1), n);
            }
            at += 1 + n;
        }
        ++at;
    };
    while (at < gif.size() && gif[at] != 0x3B) {
        if (gif[at] == 0x21) {
            const std::uint8_t label = gif[at + 1];
            out.kinds += label == 0xFE ? 'C' : label == 0xF9 ? 'G' : label == 0xFF ? 'A' : '?';
            at += 2;
            sub_blocks(label == 0xFE);
        } else if (gif[at] == 0x2C) {
            out.kinds += 'I';
            const std::uint8_t packed = gif[at + 9];
            at += 10 + ((packed & 0x80) != 0 ? 3u << ((packed & 7) + 1) : 0) + 1;
            sub_blocks(false);
        } else {
            out.kinds += '!';
            break;
        }
    }
    return out;
}

std::vector<QImage> gif_frames(const Bytes& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "gif");
    std::vector<QImage> frames;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        frames.push_back(image.convertToFormat(QImage::Format_ARGB32));
    }
    return frames;
}

TEST(GifComment, OneCommentBeforeTheFirstImageInSubBlocksOfAtMost255Bytes) {
    const Surface a = small_picture();
    Surface b = small_picture();
    b.SetPixel(0, 0, RGB(0, 90, 255));
    std::string long_comment;
    for (int i = 0; long_comment.size() < 600; ++i) long_comment += "行" + std::to_string(i) + "\n";
    long_comment.resize(600);
    const std::vector<formats::GifFrame> frames = {{a.view(), 100}, {b.view(), 200}};
    struct Case {
        const char* name;
        formats::Encoded with;
        formats::Encoded without;
        std::string comment;
        const char* kinds;
        std::vector<int> sizes;
    };
    const Case cases[] = {
        {"animation",
         formats::encode_gif_animation(frames, key_color, long_comment),
         formats::encode_gif_animation(frames, key_color),
         long_comment,
         "ACGIGI",
         {255, 255, 90}},
        {"still, exactly one sub-block",
         formats::encode_gif(a.view(), key_color, std::string(255, 'x')),
         formats::encode_gif(a.view(), key_color),
         std::string(255, 'x'),
         "CGI",
         {255}},
        {"scheme",
         formats::encode_gif(a.view(), key_color, formats::gif_comment(sample)),
         formats::encode_gif(a.view(), key_color),
         "Software: Kelvara 3.0.0\nLicense: CC0-1.0\n\n[勇者]\nかおづら : タイプ\n12\t : 顔\n",
         "CGI",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.with.ok() && c.without.ok());
        const GifBlocks blocks = gif_blocks(c.with.value());
        EXPECT_EQ(blocks.kinds, c.kinds);
        if (!c.sizes.empty()) {
            EXPECT_EQ(blocks.comment_sizes, c.sizes);
        }
        EXPECT_EQ(blocks.comment, c.comment);
        EXPECT_EQ(gif_blocks(c.without.value()).kinds.find('C'), std::string::npos);
        EXPECT_EQ(gif_frames(c.with.value()), gif_frames(c.without.value()));
        EXPECT_EQ(gif_frames(c.with.value()).size(), c.kinds == std::string("CGI") ? 1u : 2u);
    }
    EXPECT_EQ(formats::encode_gif(a.view(), key_color, "").value(),
              formats::encode_gif(a.view(), key_color).value())
        << "an empty comment writes nothing";
}

}  // namespace
}  // namespace kelvara
