// Reading a character back from what Kelvara wrote: its parameter file, or the text its PNG, GIF or
// atlas JSON carries, told apart by the first bytes. Sound files give the same character, wherever
// other programs may have moved the text; hostile ones (cut short, wrong checksums, impossible
// lengths, a sub-block past the end, oversized text, JSON without the key) each give their reason,
// naming the file. Large and endless files are read a few KiB at a time, the walk bounded.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QJsonDocument>
#include <QJsonObject>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "export/character_metadata.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "export_test_support.h"
#include "formats/embedded_text_reader.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara::testing {
namespace {

QByteArray be32(std::uint32_t v) {
    const char b[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(b, 4);
}

// A chunk with its true length and CRC unless told otherwise.
QByteArray chunk(const QByteArray& type, const QByteArray& data,
                 std::optional<std::uint32_t> length = {}, std::uint32_t crc_change = 0) {
    const QByteArray body = type + data;
    const auto crc =
        ::crc32(0L, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
    return be32(length.value_or(static_cast<std::uint32_t>(data.size()))) + body +
           be32(static_cast<std::uint32_t>(crc) ^ crc_change);
}

QByteArray itxt(const QByteArray& text, char flag = 0, const char* key = "Kelvara parameters") {
    return chunk("iTXt", key + QByteArray(1, '\0') + flag + QByteArray(3, '\0') + text);
}

// A zlib stream: what Qt's compression gives after its four bytes of length.
QByteArray compressed(const QByteArray& text) {
    return qCompress(text).mid(4);
}

QByteArray comment(const QByteArray& text) {
    QByteArray out("\x21\xFE");
    for (qsizetype at = 0; at < text.size(); at += 255) {
        out += char(text.mid(at, 255).size()) + text.mid(at, 255);
    }
    return out + '\0';
}

QByteArray bytes(const formats::Encoded& encoded) {
    return QByteArray(reinterpret_cast<const char*>(encoded.value().data()),
                      static_cast<qsizetype>(encoded.value().size()));
}

const QByteArray png = "\x89PNG\r\n\x1A\n" + chunk("IHDR", QByteArray(13, '\1'));
const QByteArray iend = chunk("IEND", ""), idat = chunk("IDAT", "pixels");
const QByteArray gif = QByteArray("GIF89a\1\0\1\0\x80\0\0", 13) + QByteArray(6, '\0');
const QByteArray image_with_table = QByteArray("\x2C\0\0\0\0\1\0\1\0\x81", 10) +
                                    QByteArray(12, '\7') + QByteArray("\x02\x01\x4C\0", 4);
const QByteArray big(64 * 1024 + 1, 'x');

TEST(ParameterSources, EveryKindGivesTheCharacterAndEveryBadFileItsReason) {
    EditorState hero;
    hero.type_flg = 1;
    hero.hair_num = 700;
    hero.cloth_num = 53;
    hero.eye_grey_flg = vb_true;
    const QString name = QStringLiteral("勇者 two");
    const formats::EmbeddedText text = character_text(name, hero);
    const QByteArray txt = *parameter_file(name, hero);
    const QByteArray lines = QByteArray::fromStdString(text.parameters);
    EXPECT_EQ(QString::fromUtf8(lines), decode_cp932(txt).replace("\r\n", "\n"));

    const Surface dot(2, 2, key_color);
    const auto png_with = [&](const formats::EmbeddedText& t) {
        return bytes(formats::encode_indexed_png(dot.view(), key_color, formats::PngEffort::fast,
                                                 formats::png_text(t)));
    };
    const QByteArray written_gif =
        bytes(formats::encode_gif(dot.view(), key_color, formats::gif_comment(text)));
    formats::EmbeddedText latin1 = text, bad_line = text;
    latin1.parameters.replace(1, 3, "\xE9t");
    bad_line.parameters.replace(bad_line.parameters.find("\n0\t"), 3, "\n99999\t");  // the face
    const QByteArray json =
        QJsonDocument(QJsonObject{{"meta", QJsonObject{{"kelvara", json_text(text)}}}}).toJson();

    QTemporaryDir dir;
    const struct {
        const char* file;
        QByteArray bytes;
        const char* reason;  // nullptr: read back
        int line = 0;
    } cases[] = {
        {"hero.txt", txt, nullptr},
        {"hero.png", png_with(text), nullptr},
        {"png.txt", png_with(text), nullptr},
        {"moved.png", png + idat + itxt(lines) + itxt("second") + iend, nullptr},
        {"zipped.png", png + itxt("Kelvara", 0, "Comment") + itxt(compressed(lines), 1) + iend,
         nullptr},
        {"hero.gif", written_gif, nullptr},
        {"moved.gif",
         gif + image_with_table + comment(big) + comment("Software: Kelvara\n\n" + lines) + ";",
         nullptr},
        {"hero.json", json, nullptr},
        {"plain.png", png_with(program_text()), "no Kelvara parameters in the file"},
        {"others.png", png + itxt(big, 0, "Kelvara parameters 2") + iend, "no Kelvara parameters"},
        {"cut.png", png_with(text).chopped(20), "truncated"},
        {"no-end.png", png + itxt(lines) + idat, "truncated"},
        {"crc.png", png + chunk("iTXt", "Kelvara parameters" + QByteArray(5, '\0'), {}, 1) + iend,
         "damaged chunk"},
        {"length.png", png + itxt(lines) + chunk("IDAT", "x", 0x7FFFFFFF) + iend, "truncated"},
        {"loop.png", png + chunk("IDAT", "", 0xFFFFFFF4) + iend, "damaged chunk"},
        {"type.png", png + chunk("ID1T", "") + itxt(lines) + iend, "damaged chunk"},
        {"fields.png", png + chunk("iTXt", QByteArray("Kelvara parameters\0", 19)) + iend,
         "damaged chunk"},
        {"zip.png", png + itxt("not zlib", 1) + iend, "damaged chunk"},
        {"limit.png", png + itxt(QByteArray(64 * 1024 - 23, 'x')) + iend, "CR LF"},  // read
        {"big.png", png + itxt(big) + iend, "chunk too large"},
        {"bomb.png", png + itxt(compressed(big), 1) + iend, "chunk too large"},
        {"plain.gif", bytes(formats::encode_gif(dot.view(), key_color)), "no Kelvara parameters"},
        {"cut.gif", written_gif.left(40), "truncated"},
        {"block.gif", gif + "\x21\x01\x40" + QByteArray(20, '\1'), "runs past the end"},
        {"unknown.gif", gif + "\x99" + comment("Software: Kelvara\n\n" + lines), "damaged block"},
        {"big.gif", gif + comment("Software: Kelvara\n\n" + big) + ";", "comment too large"},
        {"latin1.png", png_with(latin1), "not UTF-8"},
        {"line.png", png_with(bad_line), "expected a whole number", 3},
        {"nokey.json", "{\"meta\": {\"kelvara\": {\"scale\": 2}}}", "no Kelvara parameters"},
        {"broken.json", "{\"meta\": {", "damaged JSON"},
        {"huge.json", "{" + QByteArray(8 << 20, ' '), "larger than 8 MiB"},
        {"huge.png", png_with(text), "larger than 256 MiB"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.file));
        ASSERT_TRUE(write_all(path, c.bytes));
        if (QByteArray(c.file) == "huge.png") QFile::resize(path, (256 << 20) + 1);
        const FileResult<ParameterRecord> read = read_parameter_file_at(path);
        if (c.reason == nullptr) {
            ASSERT_TRUE(read.ok()) << describe(read.error()).toStdString();
            EXPECT_EQ(*parameter_file(read.value().base_name, read.value().selection), txt)
                << c.file;
            continue;
        }
        ASSERT_FALSE(read.ok()) << c.file;
        EXPECT_EQ(read.error().path, path);
        EXPECT_EQ(read.error().line, c.line) << c.file;
        EXPECT_TRUE(read.error().reason.contains(QLatin1String(c.reason)))
            << c.file << ": " << read.error().reason.toStdString();
    }
}

// A file of a prefix, a unit so many times over and a suffix, made up as it is read; it counts
// what is read and, asked to, fails.
struct MadeUpFile final : formats::ByteSource {
    MadeUpFile(QByteArray p, QByteArray u, QByteArray s = {}, std::uint64_t units = 1 << 24)
        : prefix(p), unit(u), suffix(s), length(prefix.size() + units * unit.size() + s.size()) {}
    const QByteArray prefix, unit, suffix;
    const std::uint64_t length;
    bool fail = false;
    std::size_t read = 0;

    std::uint64_t size() const override { return length; }
    std::optional<std::size_t> read_at(std::uint64_t offset,
                                       std::span<std::uint8_t> into) override {
        if (fail) return std::nullopt;
        const auto n = std::min<std::uint64_t>(into.size(), length - offset);
        const std::uint64_t tail = length - suffix.size();
        for (std::uint64_t at = offset; at < offset + n; ++at) {
            const qsizetype in_unit = (at - prefix.size()) % unit.size();
            into[at - offset] = at < std::uint64_t(prefix.size()) ? prefix[at]
                                : at < tail                       ? unit[in_unit]
                                                                  : suffix[at - tail];
        }
        read += n;
        return n;
    }
};

TEST(ParameterSources, PicturesAreReadAFewKiBAtATimeAndEndlessWalksStop) {
    const QByteArray ours = itxt("[x]\n");
    // 64 MiB of image data; 100000 frames after the comment; endless chains of empty chunks and of
    // one-byte sub-blocks, far longer than the walk may go.
    MadeUpFile picture(png + ours + be32(64 << 20) + "IDAT", "x", be32(0) + iend, 64 << 20);
    const QByteArray image("\x2C\0\0\0\0\1\0\1\0\0\x02\x02\x4C\x01\0", 15);
    MadeUpFile frames(gif + comment("Software: Kelvara\n\n[x]\n"), image, ";", 100000);
    MadeUpFile chunks(png, chunk("tIME", "")), sub_blocks(gif + "\x21\x01", "\1x");
    MadeUpFile failing(png + ours + iend, "x");
    failing.fail = true;
    using formats::TextReadProblem;
    const struct {
        MadeUpFile* file;
        bool gif;
        std::optional<TextReadProblem> problem;  // none: the text is found
        std::size_t most_read;
    } cases[] = {
        {&picture, false, {}, 16 << 10},
        {&frames, true, {}, 16 << 10},
        {&chunks, false, TextReadProblem::too_many_steps, 16 << 20},
        {&sub_blocks, true, TextReadProblem::too_many_steps, 16 << 20},
        {&failing, false, TextReadProblem::read_failed, 0},
    };
    for (const auto& c : cases) {
        const auto read =
            c.gif ? formats::read_gif_parameters(*c.file) : formats::read_png_parameters(*c.file);
        EXPECT_EQ(read ? std::optional<TextReadProblem>() : read.error().problem, c.problem)
            << (read ? read.value() : read.error().reason);
        EXPECT_EQ(read ? read.value() : "[x]\n", "[x]\n");
        EXPECT_LE(c.file->read, c.most_read);
    }
}

}  // namespace
}  // namespace kelvara::testing
