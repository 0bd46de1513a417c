#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <set>

#include "cli_test_support.h"
#include "export/cp932.h"
#include "export/parameter_file.h"
#include "export/parameter_reader.h"
#include "model/version.h"

namespace kelvara::testing {
namespace {

EditorState sample_selection() {
    EditorState s;
    s.face_num = 356;
    s.hair_num = 12;
    s.hair_color_num = 56;
    s.eye_color_num = 25;
    s.eye_grey_flg = vb_false;
    s.accessory_color_num = 7;
    s.body_color_num = 32;
    s.body_matte_flg = vb_true;
    s.cloth_num = 135;
    s.cloth_color_num = 77;
    s.cloth_matte_flg = vb_true;
    s.cloth2_color_num = 78;
    s.cloth3_color_num = 1;
    return s;
}

QByteArray file_for(const QString& name, const EditorState& s) {
    return *parameter_file(name, s);
}

TEST(ParameterReader, ReadsBackWhatTheWriterWrites) {
    for (int type : {0, 1}) {
        EditorState s = sample_selection();
        s.type_flg = static_cast<Int16>(type);
        if (type == 1) s.cloth_num = 53;
        const auto parsed = read_parameter_file(file_for(QStringLiteral("日本語 name"), s));
        ASSERT_TRUE(parsed.ok());
        const ParameterRecord& r = parsed.value();
        EXPECT_EQ(r.base_name, QStringLiteral("日本語 name"));
        EXPECT_EQ(parameter_lines(r.base_name, r.selection), parameter_lines(r.base_name, s));
    }
}

// Each broken file and the line its message must name.
TEST(ParameterReader, NamesTheLineAndWhatWasExpected) {
    const QByteArray good = file_for(QStringLiteral("x"), sample_selection());
    const QList<QByteArray> good_lines = good.split('\n');
    auto replace_line = [&good_lines](int line, const QString& with) {
        QList<QByteArray> lines = good_lines;
        lines[line - 1] = *to_cp932(with) + '\r';
        return lines.join('\n');
    };
    auto first_lines = [&good_lines](int n) { return good_lines.mid(0, n).join('\n') + '\n'; };
    EditorState damage = sample_selection();
    damage.type_flg = 1;
    damage.cloth_num = 54;  // past the last damage pose
    const std::vector<std::pair<QByteArray, int>> cases = {
        {QByteArray(), 0},
        {good.left(good.size() - 2), 0},  // no final line end
        {first_lines(4), 5},
        {good + "extra\r\n", 16},
        {replace_line(1, QStringLiteral("x")), 1},
        {replace_line(2, QStringLiteral("ふつう : タイプ")), 2},
        {replace_line(3, QStringLiteral("712\t : 顔")), 3},
        {replace_line(4, QStringLiteral("-1\t : カミ")), 4},
        {replace_line(5, QStringLiteral("4 : カミの色")), 5},  // no TAB
        {replace_line(7, QStringLiteral("on\t : 目の色灰色部分")), 7},
        {file_for(QStringLiteral("x"), damage), 11},
        {QByteArray("\x82\xA0\xFF\xFF\r\n"), 0},  // not Shift-JIS
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto parsed = read_parameter_file(cases[i].first);
        ASSERT_FALSE(parsed.ok()) << "case " << i;
        const FileError& e = parsed.error();
        EXPECT_FALSE(e.reason.isEmpty());
        EXPECT_EQ(e.line, cases[i].second) << "case " << i << ": " << e.reason.toStdString();
    }
}

struct Cli : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QString params(const EditorState& s, const QString& name = QStringLiteral("hero")) {
        const QString p = path(name + QStringLiteral(".txt"));
        EXPECT_TRUE(write_all(p, file_for(name, s)));
        return p;
    }
};

TEST_F(Cli, BadInputIsReportedWithStatusTwoAndWritesNothing) {
    const QString good = params(sample_selection());
    EditorState out_of_range = sample_selection();
    out_of_range.face_num = 712;
    const QString bad_face = params(out_of_range, QStringLiteral("badface"));
    const QString out = path(QStringLiteral("out.bmp"));
    const std::vector<QStringList> calls = {
        {},
        {QStringLiteral("paint")},
        {QStringLiteral("render")},
        {QStringLiteral("render"), path(QStringLiteral("missing.txt")), QStringLiteral("-o"), out},
        {QStringLiteral("render"), bad_face, QStringLiteral("-o"), out},
        {QStringLiteral("render"), good, QStringLiteral("-o"), out, QStringLiteral("--bogus")},
        {QStringLiteral("render"), good, QStringLiteral("-o"), out, QStringLiteral("--scale"),
         QStringLiteral("9")},
        {QStringLiteral("render"), good, QStringLiteral("-o"), out, QStringLiteral("--background"),
         QStringLiteral("pink")},
        {QStringLiteral("render"), good, QStringLiteral("-o"), out,
         QStringLiteral("--transparent")},
        {QStringLiteral("render"), good, QStringLiteral("-o"), out, QStringLiteral("--format"),
         QStringLiteral("jpg")},
        {QStringLiteral("random"), QStringLiteral("--count"), QStringLiteral("0"),
         QStringLiteral("--out"), path(QStringLiteral("batch"))},
        {QStringLiteral("random"), QStringLiteral("--count"), QStringLiteral("2"),
         QStringLiteral("--out"), path(QStringLiteral("batch")), QStringLiteral("--items"),
         QStringLiteral("face,nose")},
        {QStringLiteral("random"), QStringLiteral("--count"), QStringLiteral("2"),
         QStringLiteral("--out"), path(QStringLiteral("batch")), QStringLiteral("--type"),
         QStringLiteral("robot")},
        {QStringLiteral("sheet"), good, bad_face, QStringLiteral("--columns"), QStringLiteral("2"),
         QStringLiteral("-o"), path(QStringLiteral("s.png"))},
    };
    const QStringList before = files_in(dir.path());
    for (const QStringList& args : calls) {
        const CliRun r = run_cli(args);
        EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kelvara-render: ")) || args.isEmpty())
            << r.err.toStdString();
        EXPECT_EQ(files_in(dir.path()), before) << args.join(' ').toStdString();
        EXPECT_FALSE(QDir(path(QStringLiteral("batch"))).exists());
    }
    const CliRun r = run_cli({QStringLiteral("render"), bad_face});
    EXPECT_TRUE(r.err.contains(QStringLiteral("line 3"))) << r.err.toStdString();
}

TEST_F(Cli, DefaultOutputTakesTheNameFromTheFile) {
    const QString p = params(sample_selection(), QStringLiteral("fighter"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const CliRun r =
        run_cli({QStringLiteral("render"), p, QStringLiteral("--format"), QStringLiteral("png")});
    QDir::setCurrent(previous);
    EXPECT_EQ(r.status, cli::exit_ok) << r.err.toStdString();
    const QImage image(path(QStringLiteral("fighter.png")));
    EXPECT_EQ(image.size(), QSize(63, 63));
}

TEST_F(Cli, ScaleAndTransparency) {
    const QString p = params(sample_selection());
    ASSERT_EQ(
        run_cli({QStringLiteral("render"), p, QStringLiteral("-o"), path(QStringLiteral("a.png")),
                 QStringLiteral("--format"), QStringLiteral("png")})
            .status,
        0);
    ASSERT_EQ(
        run_cli({QStringLiteral("render"), p, QStringLiteral("-o"), path(QStringLiteral("b.png")),
                 QStringLiteral("--format"), QStringLiteral("png"), QStringLiteral("--scale"),
                 QStringLiteral("3"), QStringLiteral("--transparent")})
            .status,
        0);
    const QImage plain =
        QImage(path(QStringLiteral("a.png"))).convertToFormat(QImage::Format_ARGB32);
    const QImage big = QImage(path(QStringLiteral("b.png"))).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(big.size(), QSize(189, 189));
    int see_through = 0;
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            const QRgb p1 = plain.pixel(x, y);
            const QRgb p3 = big.pixel(3 * x + 2, 3 * y + 1);
            if (qAlpha(p3) == 0) {
                ++see_through;
                ASSERT_EQ(p1, qRgb(212, 208, 200)) << "only the background turns see-through";
            } else {
                ASSERT_EQ(p3, p1) << x << "," << y;
            }
        }
    }
    EXPECT_GT(see_through, 2000);
}

TEST_F(Cli, RandomBatchesRepeatWithTheirSeed) {
    const QStringList args = {QStringLiteral("random"),
                              QStringLiteral("--count"),
                              QStringLiteral("12"),
                              QStringLiteral("--seed"),
                              QStringLiteral("99"),
                              QStringLiteral("--items"),
                              QStringLiteral("face,hair,pose,body_color"),
                              QStringLiteral("--out")};
    ASSERT_EQ(run_cli(args + QStringList{path(QStringLiteral("one"))}).status, 0);
    ASSERT_EQ(run_cli(args + QStringList{path(QStringLiteral("two"))}).status, 0);
    const QStringList names = files_in(path(QStringLiteral("one")));
    ASSERT_EQ(names.size(), 24);
    EXPECT_EQ(names.first(), QStringLiteral("kelvara_01.bmp"));
    EXPECT_EQ(names, files_in(path(QStringLiteral("two"))));
    std::set<int> faces;
    for (const QString& n : names) {
        const QByteArray a = read_all(path(QStringLiteral("one/") + n));
        ASSERT_EQ(a, read_all(path(QStringLiteral("two/") + n))) << n.toStdString();
        if (n.endsWith(QStringLiteral(".txt"))) {
            const auto r = read_parameter_file(a).value();
            faces.insert(r.selection.face_num);
            EXPECT_EQ(r.selection.hair_color_num, 0) << "not among the items";
        }
    }
    EXPECT_GT(faces.size(), 8u);
    // Damage batches never touch face and hair, and keep poses in the damage range.
    ASSERT_EQ(
        run_cli({QStringLiteral("random"), QStringLiteral("--count"), QStringLiteral("30"),
                 QStringLiteral("--seed"), QStringLiteral("5"), QStringLiteral("--items"),
                 QStringLiteral("face,pose"), QStringLiteral("--type"), QStringLiteral("だめーじ"),
                 QStringLiteral("--out"), path(QStringLiteral("dmg"))})
            .status,
        0);
    for (const QString& n : files_in(path(QStringLiteral("dmg")))) {
        if (!n.endsWith(QStringLiteral(".txt"))) continue;
        const auto r = read_parameter_file(read_all(path(QStringLiteral("dmg/") + n))).value();
        EXPECT_EQ(r.selection.face_num, 0);
        EXPECT_LE(r.selection.cloth_num, 53);
    }
}

TEST_F(Cli, ContactSheetLaysCharactersOutInRows) {
    EditorState a = sample_selection();
    EditorState b = a;
    b.cloth_color_num = 3;
    const QStringList files = {params(a, QStringLiteral("a")), params(b, QStringLiteral("b")),
                               params(a, QStringLiteral("c"))};
    ASSERT_EQ(run_cli(QStringList{QStringLiteral("sheet")} + files +
                      QStringList{QStringLiteral("--columns"), QStringLiteral("2"),
                                  QStringLiteral("-o"), path(QStringLiteral("sheet.png"))})
                  .status,
              0);
    ASSERT_EQ(
        run_cli({QStringLiteral("render"), files[0], QStringLiteral("-o"),
                 path(QStringLiteral("a.png")), QStringLiteral("--format"), QStringLiteral("png")})
            .status,
        0);
    const QImage sheet(path(QStringLiteral("sheet.png")));
    const QImage one(path(QStringLiteral("a.png")));
    ASSERT_EQ(sheet.size(), QSize(126, 126));
    EXPECT_EQ(sheet.copy(0, 0, 63, 63).convertToFormat(QImage::Format_RGB32),
              one.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(sheet.copy(0, 63, 63, 63).convertToFormat(QImage::Format_RGB32),
              one.convertToFormat(QImage::Format_RGB32));
    EXPECT_NE(sheet.copy(63, 0, 63, 63), sheet.copy(0, 0, 63, 63));
    // A sheet named .bmp is a BMP file, with the same pixels.
    ASSERT_EQ(run_cli(QStringList{QStringLiteral("sheet")} + files +
                      QStringList{QStringLiteral("--columns"), QStringLiteral("2"),
                                  QStringLiteral("-o"), path(QStringLiteral("sheet.BMP"))})
                  .status,
              0);
    EXPECT_TRUE(read_all(path(QStringLiteral("sheet.BMP"))).startsWith("BM"));
    EXPECT_EQ(
        QImage(path(QStringLiteral("sheet.BMP")), "BMP").convertToFormat(QImage::Format_RGB32),
        sheet.convertToFormat(QImage::Format_RGB32));
}

TEST(CliHelp, EveryCommandExplainsItselfInEnglishAndJapanese) {
    for (const QString& command :
         {QStringLiteral("render"), QStringLiteral("random"), QStringLiteral("sheet")}) {
        const CliRun r = run_cli({command, QStringLiteral("--help")});
        EXPECT_EQ(r.status, 0);
        EXPECT_TRUE(r.out.contains(QStringLiteral("Usage: kelvara-render ") + command));
        EXPECT_TRUE(r.out.contains(QStringLiteral("使い方: kelvara-render ") + command));
    }
    EXPECT_EQ(run_cli({QStringLiteral("--help")}).status, 0);
    const CliRun version = run_cli({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("kelvara-render ") + QLatin1String(version_text) + '\n');
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^kelvara-render \\d+\\.\\d+\\.\\d+\n$"))
                    .match(version.out)
                    .hasMatch());
}

// The parser's complaints name the option, as the user wrote it.
TEST(CliOptions, MessagesNameTheOptionAtFault) {
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"render", "x.txt", "--bogus"}, "unknown option --bogus"},
        {{"render", "x.txt", "-q"}, "unknown option -q"},
        {{"sheet", "x.txt", "--columns"}, "option --columns needs a value"},
        {{"render", "x.txt", "-o"}, "option -o needs a value"},
        {{"random", "--count", "1", "--out"}, "option --out needs a value"},
        {{"paint"}, "unknown command paint"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun r = run_cli(args);
        EXPECT_EQ(r.status, cli::exit_bad_input) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("kelvara-render: ") + message + '\n'))
            << r.err.toStdString();
    }
    // Help wins over whatever else is on the line.
    EXPECT_EQ(run_cli({"render", "--bogus", "--help"}).status, cli::exit_ok);
}

}  // namespace
}  // namespace kelvara::testing
