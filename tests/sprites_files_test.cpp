// The sprite pipeline's files without the command line: what is checked before drawing, what a
// failed encoder or write leaves, and pictures that do not depend on how they were drawn.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>

#include "compositor/sheet_colours.h"
#include "export/export_image.h"
#include "export_test_support.h"
#include "sprites/contact_sheet.h"
#include "sprites/output_check.h"
#include "sprites/random_batch.h"
#include "sprites/sprite_animation.h"
#include "sprites/sprite_atlas.h"
#include "sprites/sprite_png.h"

namespace kelvara::testing {
namespace {

using namespace Qt::StringLiterals;
using namespace sprites;

struct SpriteFiles : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

// An existing file is replaced and a batch's missing folder made; anything else in the way is
// refused, naming why.
TEST_F(SpriteFiles, OutputsAreCheckedBeforeAnythingIsDrawn) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder"_s));
    ASSERT_TRUE(write_all(path(u"file"_s), "x"));
    // Root writes into any folder but a read-only one, which only root may mount.
    ScratchFileSystem read_only(path(u"closed"_s), "size=4k", MS_RDONLY);
    const bool closed =
        read_only.mounted() ||
        (geteuid() != 0 &&
         QFile::setPermissions(path(u"closed"_s), QFile::ReadOwner | QFile::ExeOwner));
    const QString cannot = u"the folder cannot be written"_s;
    const std::pair<FileStatus, QString> cases[] = {
        {check_output(path(u"new.png"_s)), {}},
        {check_output(path(u"file"_s)), {}},
        {check_output(path(u"missing/new.png"_s)), u"no such folder"_s},
        {check_output(path(u"file/new.png"_s)), u"Not a directory"_s},
        {check_output(path(u"folder"_s)), u"Is a directory"_s},
        {check_output(u"/dev/null"_s), u"not a regular file"_s},
        {check_output(path(u"closed/a.png"_s)), closed ? cannot : QString()},
        {check_output_folder(path(u"missing"_s), {path(u"missing/a.bmp"_s)}), {}},
        {check_output_folder(path(u"file"_s), {path(u"file/a.bmp"_s)}), u"Not a directory"_s},
        {check_output_folder(dir.path(), {path(u"a.bmp"_s), path(u"folder"_s)}),
         u"Is a directory"_s},
        {check_output_folder(path(u"closed"_s), {path(u"closed/a.bmp"_s)}),
         closed ? cannot : QString()},
    };
    for (const auto& [can, reason] : cases) {
        const QString got = can ? QString() : describe(can.error());
        EXPECT_EQ(got.isEmpty(), reason.isEmpty())
            << got.toStdString() << " / " << reason.toStdString();
        EXPECT_TRUE(got.contains(reason)) << got.toStdString();
    }
    EXPECT_EQ(entries(dir.path()), (QStringList{u"closed"_s, u"file"_s, u"folder"_s}));
}

// An encoder's failure is the file's failure, in the encoder's words, and leaves no file.
TEST_F(SpriteFiles, AnEncoderFailureNamesTheFile) {
    Surface many_colours(20, 20, 0);
    for (int i = 0; i < 400; ++i) many_colours.SetPixel(i % 20, i / 20, RGB(i % 256, i / 256, 7));
    const formats::Encoded gif = animation_gif({{many_colours, 100}}, SpriteStyle{});
    ASSERT_FALSE(gif.ok());
    const FileStatus written = write_encoded(path(u"a.gif"_s), gif);
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error().path, path(u"a.gif"_s));
    EXPECT_EQ(written.error().reason, u"the picture has more than 256 colours"_s);
    EXPECT_EQ(entries(dir.path()), QStringList());
    // The same picture as a PNG falls back to truecolour rather than fail.
    EXPECT_TRUE(sprite_png(many_colours, false).ok());
}

// The atlas is of no use without its description: both are replaced together or neither is. An
// atlas beyond the size limit is refused before it is drawn.
TEST_F(SpriteFiles, AtlasAndItsJsonAreWrittenTogetherOrNotAtAll) {
    const CharacterOutput output;
    AtlasRequest r;
    r.selection = start_up_selection();
    r.frames = FrameSet::damage;
    r.columns = 10;
    ASSERT_TRUE(write_atlas(output, r, path(u"a.png"_s), path(u"a.json"_s)).ok());
    EXPECT_TRUE(read_all(path(u"a.json"_s)).contains("\"image\": \"a.png\""));
    EXPECT_TRUE(read_all(path(u"a.png"_s)).startsWith("\x89PNG"));

    // A JSON that cannot be written leaves the old PNG as it was.
    const QByteArray old_png = read_all(path(u"a.png"_s));
    r.style.transparent = true;
    const FileStatus failed = write_atlas(output, r, path(u"a.png"_s), path(u"none/a.json"_s));
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().path, path(u"none/a.json"_s));
    EXPECT_EQ(read_all(path(u"a.png"_s)), old_png);
    r.style.scale = 8;
    r.columns = 40;  // 40 x 504 pixels wide
    const FileStatus too_large = write_atlas(output, r, path(u"c.png"_s), path(u"c.json"_s));
    EXPECT_TRUE(!too_large && too_large.error().reason.contains(u"20160 x 1008"_s));
    EXPECT_EQ(entries(dir.path()), (QStringList{u"a.json"_s, u"a.png"_s}));
}

// Each character sits in its cell of the sheet as its own picture; the cells past the last show
// the background, and the number of jobs changes nothing.
TEST_F(SpriteFiles, ContactSheetCellsAreThePicturesOfTheirCharacters) {
    CharacterOutput output;
    SheetRequest r;
    r.background = RGB(1, 2, 3);
    r.columns = 3;
    r.scale = 2;
    for (const int face : {1, 40, 77, 120}) {
        EditorState s = start_up_selection();
        s.face_num = static_cast<Int16>(face);
        r.selections.push_back(s);
    }
    r.jobs = 1;
    const Surface sheet = draw_sheet(output, r);
    r.jobs = 3;
    EXPECT_EQ(draw_sheet(output, r), sheet);
    ASSERT_EQ(sheet.width(), 3 * 126);
    ASSERT_EQ(sheet.height(), 2 * 126);
    for (int k = 0; k < 4; ++k) {
        const Surface one = output.picture(r.selections[static_cast<std::size_t>(k)], r.background);
        for (int p = 0, x = 0, y = 0; p < 63 * 63; ++p, x = p % 63, y = p / 63) {
            ASSERT_EQ(sheet.GetPixel((k % 3) * 126 + 2 * x + 1, (k / 3) * 126 + 2 * y),
                      one.GetPixel(x, y))
                << "character " << k << " at " << x << "," << y;
        }
    }
    EXPECT_EQ(sheet.GetPixel(3 * 126 - 1, 2 * 126 - 1), RGB(1, 2, 3));
}

TEST_F(SpriteFiles, AnimationStripPutsTheFramesSideBySide) {
    std::vector<AnimationFrame> frames;
    for (int k = 0; k < 5; ++k) frames.push_back({Surface(4, 3, RGB(10 * k, 0, 0)), 100});
    const Surface strip = animation_strip(frames);
    ASSERT_EQ(strip.width(), 20);
    ASSERT_EQ(strip.height(), 3);
    for (int x = 0; x < 20; ++x) EXPECT_EQ(strip.GetPixel(x, 2), RGB(10 * (x / 4), 0, 0)) << x;
}

// A seed's batch is the same files whatever the jobs; progress ends at the count.
TEST_F(SpriteFiles, RandomBatchFilesDoNotDependOnTheJobs) {
    for (const int jobs : {1, 3}) {
        RandomSource source;
        source.seed(99);
        int last = -1;
        ASSERT_TRUE(write_random_batch(RandomBatch(start_up_selection(), 12, source),
                                       path(u"made/j%1"_s.arg(jobs)), default_back_color, jobs,
                                       CharacterOutput(), [&](int done) { last = done; })
                        .ok());
        EXPECT_EQ(last, 12);
    }
    const QStringList names = entries(path(u"made/j1"_s));
    ASSERT_EQ(names.size(), 24);
    EXPECT_EQ(names.first(), u"kelvara_01.bmp"_s);
    EXPECT_EQ(entries(path(u"made/j3"_s)), names);
    for (const QString& name : names) {
        EXPECT_EQ(read_all(path(u"made/j1/"_s + name)), read_all(path(u"made/j3/"_s + name)))
            << name.toStdString();
    }
    EXPECT_EQ(read_all(path(u"made/j1/kelvara_05.bmp"_s)).size(), 12150);
}

}  // namespace
}  // namespace kelvara::testing
