// Reading a character back from what Kelvara wrote: its parameter file, or the parameters carried
// by its PNG, GIF or atlas JSON, told apart by their first bytes. A round trip through each gives
// the same character; every file that holds no usable parameters is refused with a reason that
// names the file.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>

#include "compositor/sheet_colours.h"
#include "compositor/surface.h"
#include "export/character_metadata.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "export_test_support.h"
#include "formats/gif_writer.h"
#include "formats/png_writer.h"

namespace kelvara::testing {
namespace {

EditorState damage_character() {
    EditorState s;
    s.type_flg = 1;
    s.face_num = 3;
    s.hair_num = 700;
    s.hair_color_num = 41;
    s.eye_color_num = 7;
    s.eye_grey_flg = vb_true;
    s.accessory_color_num = 19;
    s.body_color_num = 30;
    s.body_matte_flg = vb_false;
    s.cloth_num = 53;
    s.cloth_color_num = 66;
    s.cloth_matte_flg = vb_true;
    s.cloth2_color_num = 8;
    s.cloth3_color_num = 77;
    return s;
}

std::array<Int16, 14> character_of(const EditorState& s) {
    return {s.type_flg,
            s.face_num,
            s.hair_num,
            s.hair_color_num,
            s.eye_color_num,
            s.eye_grey_flg,
            s.accessory_color_num,
            s.body_color_num,
            s.body_matte_flg,
            s.cloth_num,
            s.cloth_color_num,
            s.cloth_matte_flg,
            s.cloth2_color_num,
            s.cloth3_color_num};
}

QByteArray bytes_of(const formats::Encoded& encoded) {
    EXPECT_TRUE(encoded.ok());
    if (!encoded) return {};
    return QByteArray(reinterpret_cast<const char*>(encoded.value().data()),
                      static_cast<qsizetype>(encoded.value().size()));
}

QByteArray atlas_json(const QJsonObject& kelvara) {
    QJsonObject meta{{QStringLiteral("app"), QStringLiteral("kelvara")}};
    if (!kelvara.isEmpty()) meta.insert(QLatin1String(json_kelvara_key), kelvara);
    return QJsonDocument(QJsonObject{{QStringLiteral("frames"), QJsonArray{}},
                                     {QStringLiteral("meta"), meta}})
        .toJson();
}

struct Files : ::testing::Test {
    QTemporaryDir dir;
    Surface picture{4, 3, key_color};
    const QString name = QStringLiteral("勇者 two");
    const formats::EmbeddedText text = character_text(name, damage_character());

    void SetUp() override { picture.SetPixel(1, 1, RGB(9, 99, 199)); }

    QString write(const QString& file, const QByteArray& bytes) const {
        EXPECT_TRUE(write_all(dir.filePath(file), bytes));
        return dir.filePath(file);
    }
    QByteArray png_with(const formats::EmbeddedText& t) const {
        return bytes_of(formats::encode_indexed_png(
            picture.view(), key_color, formats::PngEffort::fast, formats::png_text(t)));
    }
    QByteArray gif_with(const formats::EmbeddedText& t) const {
        return bytes_of(formats::encode_gif_animation(
            {{picture.view(), 100}, {picture.view(), 100}}, key_color, formats::gif_comment(t)));
    }
};

// The parameters carried are the lines of the parameter file beside the picture, with LF line
// ends, and read back from any of the files they give the same character.
TEST_F(Files, EveryFileKindGivesBackTheSameCharacter) {
    const QByteArray txt = *parameter_file(name, damage_character());
    EXPECT_EQ(QString::fromStdString(text.parameters),
              decode_cp932(txt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    EXPECT_EQ(text.software, "Kelvara 3.0.0");
    EXPECT_EQ(text.licence, "CC0-1.0");

    for (const QString& path :
         {write(QStringLiteral("hero.txt"), txt), write(QStringLiteral("hero.png"), png_with(text)),
          write(QStringLiteral("hero.gif"), gif_with(text)),
          write(QStringLiteral("hero.json"), atlas_json(json_text(text))),
          // Named for another kind: the first bytes decide.
          write(QStringLiteral("named.txt"), png_with(text))}) {
        SCOPED_TRACE(path.toStdString());
        const FileResult<ParameterRecord> read = read_parameter_file_at(path);
        ASSERT_TRUE(read.ok()) << describe(read.error()).toStdString();
        EXPECT_EQ(read.value().base_name, name);
        EXPECT_EQ(character_of(read.value().selection), character_of(damage_character()));
    }
}

TEST_F(Files, FilesWithoutUsableParametersAreRefusedNamingTheFile) {
    QByteArray bad_crc = png_with(text);
    bad_crc[bad_crc.indexOf("Kelvara parameters") + 30] ^= 1;  // in the parameter text
    formats::EmbeddedText bad_line = text;
    bad_line.parameters.replace(bad_line.parameters.find("\n3\t"), 3, "\n99999\t");  // the face
    formats::EmbeddedText latin1 = text;
    latin1.parameters.replace(1, 3, "\xE9t");  // a Latin-1 letter where UTF-8 belongs
    QByteArray huge_json(8 * 1024 * 1024 + 1, ' ');
    huge_json[0] = '{';
    QFile sparse(dir.filePath(QStringLiteral("huge.png")));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.write(png_with(text)) > 0 &&
                sparse.resize(qint64{256} * 1024 * 1024 + 1));
    sparse.close();
    QJsonObject number;
    number.insert(QLatin1String(json_parameters_key), 5);

    struct Case {
        QString path;
        const char* reason;
        int line = 0;
    };
    const std::vector<Case> cases = {
        {write(QStringLiteral("plain.png"), png_with(program_text())),
         "no Kelvara parameters in the file"},
        {write(QStringLiteral("plain.gif"), gif_with({})), "no Kelvara parameters in the file"},
        {write(QStringLiteral("crc.png"), bad_crc), "damaged chunk"},
        {write(QStringLiteral("cut.png"), png_with(text).chopped(30)), "truncated"},
        {write(QStringLiteral("cut.gif"), gif_with(text).left(30)), "truncated"},
        {write(QStringLiteral("latin1.png"), png_with(latin1)), "not UTF-8"},
        {write(QStringLiteral("line.png"), png_with(bad_line)), "expected a whole number", 3},
        {dir.filePath(QStringLiteral("huge.png")), "larger than 256 MiB"},
        {write(QStringLiteral("nokey.json"), atlas_json({})), "no Kelvara parameters in the file"},
        {write(QStringLiteral("number.json"), atlas_json(number)),
         "no Kelvara parameters in the file"},
        {write(QStringLiteral("broken.json"), "{\"meta\": {\"kelvara\": "), "damaged JSON"},
        {write(QStringLiteral("huge.json"), huge_json), "larger than 8 MiB"},
        {write(QStringLiteral("huge.txt"), QByteArray(64 * 1024 + 1, '[')), "larger than 64 KiB"},
        {write(QStringLiteral("gif.txt"), "GIF8"), "truncated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const FileResult<ParameterRecord> read = read_parameter_file_at(c.path);
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error().path, c.path);
        EXPECT_EQ(read.error().line, c.line);
        EXPECT_TRUE(read.error().reason.contains(QLatin1String(c.reason)))
            << read.error().reason.toStdString();
        EXPECT_LT(read.error().reason.size(), 120);
    }
}

}  // namespace
}  // namespace kelvara::testing
