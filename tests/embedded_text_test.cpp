// The text the picture writers carry: PNG text chunks read by Qt's PNG reader and checked against
// byte literals, the keywords the format refuses, and the GIF comment found by the test's own
// block walk before the first image. The pixels are the same with text as without.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "formats/embedded_text.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara {
namespace {

using formats::Bytes;
using formats::PngEffort;

const formats::EmbeddedText sample = {"Kelvara 3.0.0", "CC0-1.0", "[勇者]\n12\t : 顔\n"};

Surface small_picture() {
    Surface s(5, 3, key_color);
    s.SetPixel(1, 1, RGB(200, 10, 10));
    return s;
}

std::vector<QImage> decoded(const Bytes& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    std::vector<QImage> frames;
    for (QImage image = reader.read(); !image.isNull(); image = reader.read())
        frames.push_back(image);
    return frames;
}

TEST(PngText, QtReadsTheEntriesWrittenAfterTheHeaderAndThePixelsStay) {
    const Surface s = small_picture();
    // Length, type, keyword, NUL, no compression, empty language tag and translated keyword, text
    // and a CRC worked out apart from the writer, right after the 33 bytes of signature and header.
    const std::string expected =
        std::string("\0\0\0\x1AiTXtSoftware\0\0\0\0\0Kelvara 3.0.0", 34) + "\x52\xAE\x87\xC2" +
        std::string("\0\0\0\x13iTXtLicense\0\0\0\0\0CC0-1.0", 27) + "\x36\x55\x38\x5A";
    for (const auto encode : {formats::encode_indexed_png, formats::encode_truecolour_png}) {
        const Bytes with =
            encode(s.view(), key_color, PngEffort::fast, formats::png_text(sample)).value();
        EXPECT_EQ(decoded(with).at(0).text(QStringLiteral("Kelvara parameters")),
                  QStringLiteral("[勇者]\n12\t : 顔\n"));
        EXPECT_EQ(decoded(with), decoded(encode(s.view(), key_color, PngEffort::fast, {}).value()));
        EXPECT_EQ(std::string(with.begin() + 33, with.begin() + 33 + std::ssize(expected)),
                  expected);
    }
}

TEST(PngText, KeywordsAndTextsTheFormatRefusesFailTheEncoding) {
    const Surface s = small_picture();
    const std::pair<std::string, bool> keywords[] = {
        {std::string(79, 'k'), true},  {"Caf\xE9 menu", true}, {"", false},
        {std::string(80, 'k'), false}, {" Lead", false},       {"Trail ", false},
        {"Two  spaces", false},        {"Tab\there", false},   {"Byte\x85", false},
    };
    for (const auto& [keyword, ok] : keywords) {
        const auto png = formats::encode_indexed_png(s.view(), std::nullopt, PngEffort::fast,
                                                     {{"Software", "x"}, {keyword, "text"}});
        EXPECT_EQ(png.ok() ? std::optional<formats::EncodeProblem>() : png.error().problem,
                  ok ? std::nullopt : std::optional(formats::EncodeProblem::bad_text))
            << keyword;
    }
    EXPECT_FALSE(formats::encode_truecolour_png(s.view(), std::nullopt, PngEffort::fast,
                                                {{"Title", std::string("nul\0in", 6)}}));
}

// The blocks after a GIF's header and colour table, walked apart from any reader: "A"
// application, "C" comment with its sub-blocks' sizes in brackets, "G" graphic control, "I" image.
// The comment's text goes to comment.
std::string gif_blocks(const Bytes& gif, std::string& comment) {
    std::string kinds;
    std::size_t at = 13 + ((gif[10] & 0x80) != 0 ? 3u << ((gif[10] & 7) + 1) : 0);
    while (at < gif.size() && gif[at] != 0x3B) {
        const bool image = gif[at] == 0x2C;
        const std::uint8_t label = image ? 0 : gif[at + 1];
        kinds += image ? 'I' : label == 0xFE ? 'C' : label == 0xF9 ? 'G' : 'A';
        at += image ? 11 : 2;  // no local colour tables here
        for (; at < gif.size() && gif[at] != 0; at += 1 + gif[at]) {
            if (label != 0xFE) continue;
            kinds += '[' + std::to_string(gif[at]) + ']';
            comment.append(reinterpret_cast<const char*>(gif.data() + at + 1), gif[at]);
        }
        ++at;
    }
    return kinds;
}

TEST(GifComment, OneCommentBeforeTheFirstImageInSubBlocksOfAtMost255Bytes) {
    const Surface picture = small_picture();
    const PixelView a = picture.view();
    const std::string long_comment = std::string(300, 'x') + "行" + std::string(297, 'y');
    const std::vector<formats::GifFrame> frames = {{a, 100}, {a, 200}};
    const struct {
        formats::Encoded with, without;
        std::string comment, blocks;
    } cases[] = {
        {formats::encode_gif_animation(frames, key_color, long_comment),
         formats::encode_gif_animation(frames, key_color), long_comment, "AC[255][255][90]GIGI"},
        {formats::encode_gif(a, key_color, formats::gif_comment(sample)),
         formats::encode_gif(a, key_color),
         "Software: Kelvara 3.0.0\nLicense: CC0-1.0\n\n[勇者]\n12\t : 顔\n", "C[61]GI"},
        {formats::encode_gif(a, key_color, ""), formats::encode_gif(a, key_color), "", "GI"},
    };
    for (const auto& c : cases) {
        std::string comment;
        EXPECT_EQ(gif_blocks(c.with.value(), comment), c.blocks);
        EXPECT_EQ(comment, c.comment);
        EXPECT_EQ(decoded(c.with.value()), decoded(c.without.value()));
    }
}

}  // namespace
}  // namespace kelvara
