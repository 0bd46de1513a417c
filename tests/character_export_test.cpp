#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QFileInfo>
#include <QImage>
#include <cerrno>
#include <cstring>

#include "export/character_export.h"
#include "export/encoded_bytes.h"
#include "export/export_image.h"
#include "export/export_paths.h"
#include "export/parameter_file.h"
#include "export_test_support.h"
#include "formats/bmp_writer.h"

namespace kelvara::testing {
namespace {

QString system_words(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

TEST(ExportPaths, OneSeparatorBetweenFolderAndNameAndTheNameAsTyped) {
    const QString bmp = QStringLiteral(".bmp");
    EXPECT_EQ(export_path(QStringLiteral("/home/u/pics"), QStringLiteral("x"), bmp),
              QStringLiteral("/home/u/pics/x.bmp"));
    // The root, or any folder given with its separator, gets no second one.
    EXPECT_EQ(export_path(QStringLiteral("/"), QStringLiteral("x"), bmp), QStringLiteral("/x.bmp"));
    EXPECT_EQ(export_path(QStringLiteral("/tmp/"), QStringLiteral("x"), bmp),
              QStringLiteral("/tmp/x.bmp"));
    EXPECT_EQ(export_path(QStringLiteral("/tmp"), QStringLiteral("a.bmp"), bmp),
              QStringLiteral("/tmp/a.bmp.bmp"));
    EXPECT_EQ(export_path(QStringLiteral("/tmp"), QStringLiteral("  "), QStringLiteral(".txt")),
              QStringLiteral("/tmp/  .txt"));
}

TEST(ExportPaths, EmptyAndBlankNamesBecomeTempAndOnlySeparatorsAndNulAreRefused) {
    EXPECT_EQ(export_base_name(QString()), QStringLiteral("temp"));
    EXPECT_EQ(export_base_name(QStringLiteral("   ")), QStringLiteral("temp"));
    EXPECT_EQ(export_base_name(QStringLiteral(" \t\u3000")), QStringLiteral("temp"));
    EXPECT_EQ(export_base_name(QStringLiteral(" a ")), QStringLiteral(" a ")) << "kept as typed";
    EXPECT_EQ(export_base_name(QStringLiteral("temp2")), QStringLiteral("temp2"));
    for (const QString& ok : {QStringLiteral(" "), QStringLiteral(".."), QStringLiteral("a\\b"),
                              QStringLiteral("キャラ"), QStringLiteral("a:b")}) {
        EXPECT_TRUE(base_name_problem(ok).isEmpty()) << ok.toStdString();
    }
    EXPECT_FALSE(base_name_problem(QStringLiteral("a/b")).isEmpty());
    EXPECT_FALSE(base_name_problem(QStringLiteral("/")).isEmpty());
    EXPECT_FALSE(base_name_problem(QString(QChar(u'\0')) + QStringLiteral("x")).isEmpty());
}

struct CharacterExport : ::testing::Test {
    QTemporaryDir dir;
    // A folder inside the temporary one, so that its parent holds nothing but it: a name that
    // climbs out with ".." would land there.
    QString folder = [this] {
        QDir(dir.path()).mkdir(QStringLiteral("save"));
        return dir.filePath(QStringLiteral("save"));
    }();
    Surface picture = export_image(sprite(), RGB(212, 208, 200));
    EditorState state = [] {
        EditorState s;
        s.face_num = 7;
        s.eye_grey_flg = vb_true;
        return s;
    }();

    static Surface sprite() {
        Surface s(64, 64, RGB(0, 255, 0));
        for (int y = 10; y < 50; ++y) {
            for (int x = 20; x < 40; ++x) s.SetPixel(x, y, RGB(x, y, 99));
        }
        return s;
    }
    QString file(const char* name) const { return folder + QLatin1Char('/') + name; }
};

TEST_F(CharacterExport, WritesTheImageAndTheParameterFileBeside) {
    const ExportOutcome outcome = export_character(folder, QStringLiteral("hero"), picture, &state);
    ASSERT_TRUE(outcome.ok()) << outcome.error.reason.toStdString();
    EXPECT_EQ(entries(folder), (QStringList{"hero.bmp", "hero.txt"}));
    EXPECT_EQ(read_all(file("hero.bmp")), byte_array(formats::encode_bmp(picture.view()).value()));
    EXPECT_EQ(read_all(file("hero.txt")), parameter_file(QStringLiteral("hero"), state));
    const QImage image(file("hero.bmp"));
    ASSERT_EQ(image.size(), QSize(63, 63));
    EXPECT_EQ(image.pixel(16, 6), qRgb(20, 10, 99)) << "sprite pixel (20, 10) moved by (-4, -4)";
    EXPECT_EQ(image.pixel(62, 62), qRgb(212, 208, 200));
}

TEST_F(CharacterExport, ReplacesOldFilesWholeAndSavingTwiceGivesTheSameBytes) {
    ASSERT_TRUE(write_all(file("hero.bmp"), QByteArray(50000, 'x')));
    ASSERT_TRUE(write_all(file("hero.txt"), QByteArray(9000, 'y')));
    ASSERT_TRUE(export_character(folder, QStringLiteral("hero"), picture, &state).ok());
    const QByteArray first_bmp = read_all(file("hero.bmp"));
    const QByteArray first_txt = read_all(file("hero.txt"));
    EXPECT_EQ(first_bmp.size(), 12150) << "nothing of the longer old file may remain";
    EXPECT_EQ(first_txt, parameter_file(QStringLiteral("hero"), state));
    ASSERT_TRUE(export_character(folder, QStringLiteral("hero"), picture, &state).ok());
    EXPECT_EQ(read_all(file("hero.bmp")), first_bmp);
    EXPECT_EQ(read_all(file("hero.txt")), first_txt);
    EXPECT_EQ(entries(folder), (QStringList{"hero.bmp", "hero.txt"}));
}

TEST_F(CharacterExport, WithoutParametersAnOldParameterFileIsLeftUntouched) {
    ASSERT_TRUE(write_all(file("hero.txt"), "old notes"));
    const QDateTime before = QFileInfo(file("hero.txt")).lastModified();
    ASSERT_TRUE(export_character(folder, QStringLiteral("hero"), picture, nullptr).ok());
    EXPECT_EQ(read_all(file("hero.txt")), QByteArray("old notes"));
    EXPECT_EQ(QFileInfo(file("hero.txt")).lastModified(), before);
    EXPECT_EQ(read_all(file("hero.bmp")).size(), 12150);
}

TEST_F(CharacterExport, NamesWithASeparatorOrNulAreRefusedAndNothingIsWritten) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("sub")));
    for (const QString& name : {QStringLiteral("sub/x"), QStringLiteral("../x"),
                                QStringLiteral("x") + QChar(u'\0') + QStringLiteral("y")}) {
        const ExportOutcome outcome = export_character(folder, name, picture, &state);
        EXPECT_EQ(outcome.failure, ExportOutcome::Failure::refused_name);
        EXPECT_FALSE(outcome.error.reason.isEmpty());
        EXPECT_TRUE(failure_message(outcome).contains(outcome.error.reason));
    }
    EXPECT_EQ(entries(folder), QStringList{"sub"});
    EXPECT_TRUE(entries(folder + QStringLiteral("/sub")).isEmpty());
    EXPECT_TRUE(entries(QFileInfo(folder).absolutePath()).filter(QStringLiteral("x.")).isEmpty());
}

TEST_F(CharacterExport, AMissingFolderIsReportedWithTheSystemsWords) {
    const QString gone = file("gone");
    const ExportOutcome outcome = export_character(gone, QStringLiteral("hero"), picture, &state);
    EXPECT_EQ(outcome.failure, ExportOutcome::Failure::image_file);
    EXPECT_EQ(outcome.error.path, gone + QStringLiteral("/hero.bmp"));
    EXPECT_EQ(outcome.error.reason, system_words(ENOENT));
    const QString message = failure_message(outcome);
    EXPECT_TRUE(message.contains(outcome.error.path));
    EXPECT_TRUE(message.contains(system_words(ENOENT)));
    EXPECT_FALSE(message.contains(QStringLiteral("画像ファイルは保存しました")));
    EXPECT_TRUE(entries(folder).isEmpty());
}

TEST_F(CharacterExport, AFolderThatIsAFileIsReported) {
    ASSERT_TRUE(write_all(file("plain"), "not a folder"));
    const ExportOutcome outcome =
        export_character(file("plain"), QStringLiteral("hero"), picture, &state);
    EXPECT_EQ(outcome.failure, ExportOutcome::Failure::image_file);
    EXPECT_EQ(outcome.error.reason, system_words(ENOTDIR));
    EXPECT_EQ(entries(folder), QStringList{"plain"});
}

TEST_F(CharacterExport, WhenOnlyTheParameterFileFailsTheMessageSaysTheImageWasSaved) {
    // A folder in the way of the parameter file.
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("hero.txt")));
    const ExportOutcome outcome = export_character(folder, QStringLiteral("hero"), picture, &state);
    EXPECT_EQ(outcome.failure, ExportOutcome::Failure::parameter_file);
    EXPECT_EQ(outcome.error.path, file("hero.txt"));
    EXPECT_FALSE(outcome.error.reason.isEmpty());
    const QString message = failure_message(outcome);
    EXPECT_TRUE(message.contains(QStringLiteral("画像ファイルは保存しました")));
    EXPECT_TRUE(message.contains(outcome.error.path));
    EXPECT_EQ(read_all(file("hero.bmp")), byte_array(formats::encode_bmp(picture.view()).value()));
    EXPECT_TRUE(QFileInfo(file("hero.txt")).isDir());
    EXPECT_EQ(entries(folder), (QStringList{"hero.bmp", "hero.txt"}));
}

TEST_F(CharacterExport, AReadOnlyFolderIsReportedAndItsFilesKept) {
    const QString ro = file("ro");
    std::optional<ScratchFileSystem> mount;
    if (::geteuid() == 0) {
        // Permissions do not stop root; a read-only file system does.
        mount.emplace(ro, "size=64k", MS_RDONLY);
        if (!mount->mounted()) GTEST_SKIP() << "no read-only folder can be had as root here";
    } else {
        ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("ro")));
        ASSERT_TRUE(write_all(ro + QStringLiteral("/hero.bmp"), "old"));
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
    }
    const ExportOutcome outcome = export_character(ro, QStringLiteral("hero"), picture, &state);
    EXPECT_EQ(outcome.failure, ExportOutcome::Failure::image_file);
    EXPECT_EQ(outcome.error.reason, system_words(::geteuid() == 0 ? EROFS : EACCES));
    if (::geteuid() != 0) {
        EXPECT_EQ(read_all(ro + QStringLiteral("/hero.bmp")), QByteArray("old"));
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(CharacterExport, AFullFileSystemLeavesTheOldFileWholeAndNoTemporaryFile) {
    const QString small = file("small");
    // Room for the old file, not for a 12150-byte picture.
    ScratchFileSystem mount(small, "size=8k");
    if (!mount.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs: " << std::strerror(errno);
    ASSERT_TRUE(write_all(small + QStringLiteral("/hero.bmp"), "old picture"));
    const ExportOutcome outcome = export_character(small, QStringLiteral("hero"), picture, &state);
    EXPECT_EQ(outcome.failure, ExportOutcome::Failure::image_file);
    EXPECT_EQ(outcome.error.reason, system_words(ENOSPC));
    EXPECT_EQ(read_all(small + QStringLiteral("/hero.bmp")), QByteArray("old picture"));
    EXPECT_EQ(entries(small), QStringList{"hero.bmp"}) << "no half-written file may stay behind";
}

}  // namespace
}  // namespace kelvara::testing
