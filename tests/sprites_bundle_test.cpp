// The bundle: the files of a sprite set and of each animation, the same bytes as the commands
// that write them one by one, whatever the jobs; written whole or not at all.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
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

// Every file and folder under folder with its bytes ("<folder>" for a folder).
std::map<QString, QByteArray> tree(const QString& folder) {
    std::map<QString, QByteArray> out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        out[QDir(folder).relativeFilePath(p)] =
            it.fileInfo().isDir() ? QByteArray("<folder>") : read_all(p);
    }
    return out;
}

TEST(SpriteBundle, HoldsTheSetsFilesAndEachAnimationAsTheCommandsWriteIt) {
    const CharacterOutput output;
    const auto one = bundle_files(output, request(1));
    ASSERT_TRUE(one.ok());
    const auto three = bundle_files(output, request(3));
    ASSERT_TRUE(three.ok());
    std::map<QString, QByteArray> files;
    for (std::size_t k = 0; k < one.value().size(); ++k) {
        const BundleFile& f = one.value()[k];
        EXPECT_EQ(f.path, three.value()[k].path);
        EXPECT_EQ(f.bytes, three.value()[k].bytes) << f.path.toStdString() << " differs by jobs";
        files[f.path] = f.bytes;
    }
    ASSERT_EQ(files.size(), 7u + 17 + 17);
    for (const QString& name : {u"hero.png"_s, u"hero.json"_s, u"hero.aseprite"_s, u"hero.tres"_s,
                                u"hero.tscn"_s, u"hero.txt"_s, u"LICENSE.txt"_s, u"gif/walk.gif"_s,
                                u"gif/knocked-down.gif"_s, u"strips/walk_strip8.png"_s,
                                u"strips/dizzy_strip4.png"_s, u"strips/burnt_strip1.png"_s}) {
        EXPECT_EQ(files.count(name), 1u) << name.toStdString();
    }

    // The animations as animate writes them, GIF and strip, with the character's parameters.
    const formats::EmbeddedText text = character_text(u"hero"_s, hero());
    struct Animation {
        const char* name;
        QString gif;
        QString strip;
    };
    const Animation animations[] = {
        {"walk", u"gif/walk.gif"_s, u"strips/walk_strip8.png"_s},
        {"dizzy", u"gif/dizzy.gif"_s, u"strips/dizzy_strip4.png"_s},
        {"knocked-down", u"gif/knocked-down.gif"_s, u"strips/knocked-down_strip4.png"_s}};
    for (const Animation& a : animations) {
        AnimationRequest r{hero(), *catalogue::find_animation(a.name), request(1).style, false,
                           text};
        EXPECT_EQ(files[a.gif], byte_array(animation_file(output, r).value())) << a.name;
        r.strip = true;
        EXPECT_EQ(files[a.strip], byte_array(animation_file(output, r).value())) << a.name;
    }
    // The atlas as the atlas command writes it, beside its description and the engine files.
    QTemporaryDir dir;
    const AtlasRequest atlas{hero(), FrameSet::all, 16, request(1).style, 1, text};
    ASSERT_TRUE(
        write_atlas(output, atlas, dir.filePath(u"hero.png"_s), dir.filePath(u"hero.json"_s)).ok());
    EXPECT_EQ(files[u"hero.png"_s], read_all(dir.filePath(u"hero.png"_s)));
    EXPECT_EQ(files[u"hero.json"_s], read_all(dir.filePath(u"hero.json"_s)));
    const QJsonObject meta = QJsonDocument::fromJson(files[u"hero.json"_s])[u"meta"_s].toObject();
    EXPECT_EQ(meta[u"image"_s].toString(), u"hero.png"_s);
    EXPECT_EQ(meta[u"kelvara"_s][u"scale"_s].toInt(), 2);
    EXPECT_TRUE(files[u"hero.tres"_s].contains("path=\"hero.png\""));
    EXPECT_TRUE(files[u"hero.tscn"_s].contains("path=\"hero.tres\""));
    EXPECT_TRUE(files[u"hero.tscn"_s].contains("[node name=\"hero\" type=\"AnimatedSprite2D\"]"));
    EXPECT_EQ(files[u"hero.txt"_s], *parameter_file(u"hero"_s, hero()));
    for (const QString& file : {u"hero.tres"_s, u"hero.tscn"_s}) {
        EXPECT_TRUE(files[file].contains("metadata/kelvara_parameters = \"[hero]\\n"))
            << file.toStdString() << " carries the parameters";
    }
    EXPECT_TRUE(files[u"LICENSE.txt"_s].contains("CC0 1.0"));
    EXPECT_TRUE(files[u"LICENSE.txt"_s].contains("No credit is needed."));
}

TEST(SpriteBundle, IsNamedAfterItsFolder) {
    EXPECT_EQ(bundle_name(u"art/hero/"_s), u"hero"_s);
    EXPECT_EQ(bundle_name(u"/tmp/rival"_s), u"rival"_s);
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
    const auto before = tree(dir.path());
    const FileStatus refused = write_bundle(output, request(2), folder);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().path, folder + u"/strips/frozen_strip1.png"_s);
    EXPECT_EQ(tree(dir.path()), before);

    // No room: the folders the bundle made go again.
    ScratchFileSystem small(dir.filePath(u"small"_s), "size=64k");
    if (!small.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here";
    const FileStatus full = write_bundle(output, request(2), dir.filePath(u"small/a/hero"_s));
    ASSERT_FALSE(full.ok());
    EXPECT_EQ(full.error().reason, system_reason(ENOSPC));
    EXPECT_EQ(entries(dir.filePath(u"small"_s)), QStringList());

    ASSERT_TRUE(QDir(folder).rmdir(u"strips/frozen_strip1.png"_s));
    ASSERT_TRUE(write_bundle(output, request(2), folder).ok());
    const auto after = tree(folder);
    EXPECT_EQ(after.size(), 7u + 17 + 17 + 3);  // and the gif and strips folders, and notes.md
    EXPECT_EQ(after.at(u"notes.md"_s), "mine");
    EXPECT_NE(after.at(u"hero.json"_s), "old json");
    EXPECT_TRUE(after.at(u"gif/walk.gif"_s).startsWith("GIF89a"));
}

}  // namespace
}  // namespace kelvara::testing
