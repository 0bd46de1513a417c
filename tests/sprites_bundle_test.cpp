// The bundle: the files of a sprite set and of each animation, the same bytes as the commands
// that write them one by one, whatever the jobs; written whole or not at all.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "export/character_metadata.h"
#include "export/encoded_bytes.h"
#include "export/parameter_file.h"
#include "export_test_support.h"
#include "sprites/sprite_animation.h"
#include "sprites/sprite_atlas.h"
#include "sprites/sprite_bundle.h"

namespace kelvara::testing {
namespace {

using namespace Qt::StringLiterals;
using namespace sprites;

EditorState hero() {
    EditorState s = start_up_selection();
    s.face_num = 120;
    s.hair_num = 40;
    s.cloth_color_num = 33;
    return s;
}

BundleRequest request(int jobs) {
    return {hero(), SpriteStyle{RGB(1, 2, 3), true, 2}, u"hero"_s, jobs};
}

TEST(SpriteBundle, HoldsTheSetsFilesAndEachAnimationAsTheCommandsWriteIt) {
    const CharacterOutput output;
    const auto one = bundle_files(output, request(1));
    const auto three = bundle_files(output, request(3));
    ASSERT_TRUE(one.ok() && three.ok());
    ASSERT_EQ(one.value().size(), 7u + 17 + 17);
    std::map<QString, QByteArray> files;
    for (std::size_t k = 0; k < one.value().size(); ++k) {
        const BundleFile& f = one.value()[k];
        EXPECT_EQ(f.bytes, three.value()[k].bytes) << f.path.toStdString() << " differs by jobs";
        files[f.path] = f.bytes;
    }
    // The atlas and the animations as atlas and animate write them, with the same parameters.
    const formats::EmbeddedText text = character_text(u"hero"_s, hero());
    for (const auto& [name, frames] :
         {std::pair{"walk", 8}, std::pair{"dizzy", 4}, std::pair{"knocked-down", 4}}) {
        AnimationRequest r{hero(), *catalogue::find_animation(name), request(1).style, false, text};
        EXPECT_EQ(files[u"gif/%1.gif"_s.arg(name)], byte_array(animation_file(output, r).value()));
        r.strip = true;
        EXPECT_EQ(files[u"strips/%1_strip%2.png"_s.arg(name).arg(frames)],
                  byte_array(animation_file(output, r).value()))
            << name;
    }
    QTemporaryDir dir;
    const AtlasRequest atlas{hero(), FrameSet::all, 16, request(1).style, 1, text};
    ASSERT_TRUE(
        write_atlas(output, atlas, dir.filePath(u"hero.png"_s), dir.filePath(u"hero.json"_s)).ok());
    EXPECT_EQ(files[u"hero.png"_s], read_all(dir.filePath(u"hero.png"_s)));
    EXPECT_EQ(files[u"hero.json"_s], read_all(dir.filePath(u"hero.json"_s)));
    EXPECT_EQ(files[u"hero.txt"_s], *parameter_file(u"hero"_s, hero()));
    for (const QString& godot : {u"hero.tres"_s, u"hero.tscn"_s}) {
        EXPECT_TRUE(files[godot].contains("metadata/kelvara_parameters = \"[hero]\\n"))
            << godot.toStdString();
    }
    EXPECT_TRUE(files[u"LICENSE.txt"_s].contains("CC0 1.0"));
    EXPECT_EQ(bundle_name(u"art/hero/"_s), u"hero"_s);
    EXPECT_EQ(bundle_name(u"/"_s), u"character"_s);
}

// A failure at any file leaves every file and folder as it was, the bundle's own folders too.
TEST(SpriteBundle, IsWrittenWholeOrNotAtAll) {
    const CharacterOutput output;
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"hero"_s);
    ASSERT_TRUE(QDir().mkpath(folder + u"/gif"_s));
    ASSERT_TRUE(write_all(folder + u"/hero.json"_s, "old json"));
    ASSERT_TRUE(write_all(folder + u"/gif/walk.gif"_s, "old gif"));
    ASSERT_TRUE(write_all(folder + u"/notes.md"_s, "mine"));
    // A folder where the last strip should go.
    ASSERT_TRUE(QDir().mkpath(folder + u"/strips/frozen_strip1.png"_s));
    const auto look = [&] {
        return snapshot(folder) + snapshot(folder + u"/gif"_s) + snapshot(folder + u"/strips"_s);
    };
    const QString before = look();
    const FileStatus refused = write_bundle(output, request(2), folder);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().path, folder + u"/strips/frozen_strip1.png"_s);
    EXPECT_EQ(look(), before);

    // No room: the folders the bundle made go again.
    ScratchFileSystem small(dir.filePath(u"small"_s), "size=64k");
    if (!small.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here";
    const FileStatus full = write_bundle(output, request(2), dir.filePath(u"small/a/hero"_s));
    EXPECT_EQ(full.error().reason, system_reason(ENOSPC));
    EXPECT_EQ(entries(dir.filePath(u"small"_s)), QStringList());

    ASSERT_TRUE(QDir(folder).rmdir(u"strips/frozen_strip1.png"_s));
    ASSERT_TRUE(write_bundle(output, request(2), folder).ok());
    EXPECT_EQ(entries(folder).size() + entries(folder + u"/gif"_s).size() +
                  entries(folder + u"/strips"_s).size(),
              7 + 17 + 17 + 3u);  // and the gif and strips folders, and notes.md
    EXPECT_EQ(read_all(folder + u"/notes.md"_s), "mine");
    EXPECT_TRUE(read_all(folder + u"/gif/walk.gif"_s).startsWith("GIF89a"));
}

}  // namespace
}  // namespace kelvara::testing
