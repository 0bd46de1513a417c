#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "export/cp932.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "export_test_support.h"

namespace kelvara::testing {
namespace {

EditorState sample_state() {
    EditorState s;
    s.type_flg = 0;
    s.face_num = 12;
    s.hair_num = 711;
    s.hair_color_num = 56;
    s.eye_color_num = 25;
    s.eye_grey_flg = vb_true;
    s.accessory_color_num = 3;
    s.body_color_num = 32;
    s.body_matte_flg = vb_true;
    s.cloth_num = 135;
    s.cloth_color_num = 77;
    s.cloth_matte_flg = vb_true;
    s.cloth2_color_num = 78;
    s.cloth3_color_num = 0;
    return s;
}

// The file's lines, decoded, each checked to end in CR LF with no other line break inside.
QStringList decoded_lines(const QByteArray& file) {
    QStringList lines;
    qsizetype start = 0;
    while (start < file.size()) {
        const qsizetype crlf = file.indexOf("\r\n", start);
        EXPECT_NE(crlf, -1) << "every line ends in CR LF, the last one too";
        if (crlf == -1) break;
        const QByteArray line = file.mid(start, crlf - start);
        EXPECT_FALSE(line.contains('\r') || line.contains('\n')) << line.toStdString();
        lines.append(decode_cp932(line));
        start = crlf + 2;
    }
    return lines;
}

QByteArray file_for(const QString& name, const EditorState& state) {
    const std::optional<QByteArray> file = parameter_file(name, state);
    EXPECT_TRUE(file.has_value());
    return file.value_or(QByteArray());
}

TEST(ParameterFile, FifteenLinesInShiftJisDecodeBackLineByLine) {
    const QByteArray file = file_for(QStringLiteral("temp"), sample_state());
    EXPECT_FALSE(file.startsWith("\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_TRUE(file.endsWith("\r\n"));
    const QStringList expected = {
        "[temp]",
        "かおづら : タイプ",
        "12\t : 顔",
        "711\t : カミ",
        "56\t : カミの色",
        "25\t : 目の色",
        "On\t : 目の色灰色部分",
        "3\t : アクセサリーの色",
        "32\t : 肌の色",
        "On\t : 肌の色ツヤ消し",
        "135\t : ポーズ",
        "77\t : 服の色1",
        "On\t : 服の色1ツヤ消し",
        "78\t : 服の色2",
        "0\t : 服の色3",
    };
    EXPECT_EQ(decoded_lines(file), expected);
    // Shift-JIS, not UTF-8: "かおづら" is four two-byte characters.
    EXPECT_TRUE(file.contains("\x82\xa9\x82\xa8\x82\xc3\x82\xe7\x20\x3a\x20"));
    EXPECT_EQ(file.count("\r\n"), 15);
    EXPECT_EQ(file.count('\t'), 13);
}

TEST(ParameterFile, TabStandsBetweenValueAndLabelExceptOnTheFirstTwoLines) {
    const QStringList lines = decoded_lines(file_for(QStringLiteral("x\ty"), sample_state()));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("[x\ty]")) << "the name is kept as typed";
    EXPECT_FALSE(lines[1].contains(QLatin1Char('\t')));
    for (int i = 2; i < 15; ++i) {
        EXPECT_EQ(lines[i].count(QLatin1Char('\t')), 1) << i + 1;
        EXPECT_TRUE(lines[i].contains(QStringLiteral("\t : "))) << i + 1;
        EXPECT_FALSE(lines[i].startsWith(QLatin1Char(' '))) << "no leading blank on line " << i + 1;
    }
}

TEST(ParameterFile, DamageTypeAndOptionsOff) {
    EditorState s = sample_state();
    s.type_flg = 1;
    s.eye_grey_flg = vb_false;
    s.body_matte_flg = vb_false;
    s.cloth_matte_flg = vb_false;
    const QStringList lines = decoded_lines(file_for(QStringLiteral("a.bmp"), s));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], QStringLiteral("[a.bmp]"));
    EXPECT_EQ(lines[1], QStringLiteral("だめーじ : タイプ"));
    // The face and hair still carry their numbers for the damage type.
    EXPECT_EQ(lines[2], QStringLiteral("12\t : 顔"));
    EXPECT_EQ(lines[3], QStringLiteral("711\t : カミ"));
    for (int line : {7, 10, 13}) {
        EXPECT_TRUE(lines[line - 1].startsWith(QStringLiteral("Off\t"))) << line;
    }
}

TEST(ParameterFile, NegativeAndZeroNumbersArePlainDecimal) {
    EditorState s = sample_state();
    s.face_num = 0;
    s.hair_num = -1;
    const QStringList lines = decoded_lines(file_for(QStringLiteral("n"), s));
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[2], QStringLiteral("0\t : 顔"));
    EXPECT_EQ(lines[3], QStringLiteral("-1\t : カミ"));
}

TEST(Cp932, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
    // An emoji (four UTF-8 bytes, a surrogate pair in the string), Hangul and a combining-free
    // Latin letter outside the code page; the Japanese and ASCII around them survive.
    const QString name = QStringLiteral("山田😀太郎한āxｷｬﾝｾﾙ");
    const std::optional<QByteArray> bytes = to_cp932(name);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(decode_cp932(*bytes), QStringLiteral("山田?太郎??xｷｬﾝｾﾙ"));
    // Half-width katakana are single bytes in code page 932.
    EXPECT_TRUE(bytes->endsWith("\xb7\xac\xdd\xbe\xd9"));

    const QStringList lines = decoded_lines(file_for(name, EditorState{}));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("[山田?太郎??xｷｬﾝｾﾙ]"));
}

TEST(Cp932, AnUnrepresentableCharacterAtTheEndOrAloneIsReplacedToo) {
    EXPECT_EQ(to_cp932(QStringLiteral("😀")), QByteArray("?"));
    EXPECT_EQ(to_cp932(QStringLiteral("ab😀")), QByteArray("ab?"));
    EXPECT_EQ(to_cp932(QString()), QByteArray());
}

// Reading from a path: a small regular file is read; anything that could block, never end or
// fill the memory is refused before it is read, and every failure names the file.
TEST(ParameterFileAt, ReadsSmallRegularFilesAndRefusesEverythingElseNamingTheFile) {
    QTemporaryDir dir;
    auto at = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    const QByteArray good = file_for(QStringLiteral("hero"), sample_state());
    ASSERT_TRUE(write_all(at("hero.txt"), good));
    ASSERT_TRUE(QFile::link(at("hero.txt"), at("link.txt")));
    // Past the limit, yet a valid file in every other way: the size alone refuses it.
    ASSERT_TRUE(write_all(at("huge.txt"), good + QByteArray(64 * 1024, '\n')));
    ASSERT_TRUE(write_all(at("limit.txt"), QByteArray(64 * 1024, 'x')));
    QList<QByteArray> lines = good.split('\n');
    lines[1] = "robot : type\r";
    ASSERT_TRUE(write_all(at("broken.txt"), lines.join('\n')));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo")).constData(), 0666), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const bool device =
        ::mknod(QFile::encodeName(at("zero")).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0;

    struct Case {
        const char* name;
        bool ok;
        const char* reason;  // a part of the reason; nullptr: any
        int line;
    };
    const std::vector<Case> cases = {
        {"hero.txt", true, nullptr, 0},
        {"link.txt", true, nullptr, 0},
        {"missing.txt", false, "No such file", 0},
        {"huge.txt", false, "64 KiB", 0},
        {"limit.txt", false, "CR LF", 0},  // at the limit: read, and found wanting
        {"broken.txt", false, "expected", 2},
        {"fifo", false, "not a regular file", 0},
        {"folder", false, "directory", 0},
        {"zero", false, "not a regular file", 0},
    };
    for (const Case& c : cases) {
        if (!device && std::strcmp(c.name, "zero") == 0) continue;
        const FileResult<ParameterRecord> read = read_parameter_file_at(at(c.name));
        ASSERT_EQ(read.ok(), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(read.value().base_name, QStringLiteral("hero"));
            EXPECT_EQ(read.value().selection.face_num, 12);
            continue;
        }
        EXPECT_EQ(read.error().path, at(c.name)) << c.name;
        EXPECT_EQ(read.error().line, c.line) << c.name;
        EXPECT_TRUE(read.error().reason.contains(QLatin1String(c.reason)))
            << c.name << ": " << read.error().reason.toStdString();
    }
}

}  // namespace
}  // namespace kelvara::testing
