#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "export/batch_writer.h"
#include "export/file_error.h"
#include "sprite_frames.h"

namespace kelvara::sprites {

// One character's sprite set as a folder a game developer drops into a project, every file named
// after the character (NAME):
//   NAME.png, NAME.json    the atlas of every frame and its description (Phaser, PixiJS)
//   NAME.aseprite          the frames, tags and pivot for Aseprite and Unity's importer
//   NAME.tres, NAME.tscn   Godot 4's SpriteFrames resource and a scene that plays it
//   NAME.txt               the parameter file, which Kelvara opens again
//   LICENSE.txt            CC0 1.0
//   gif/ANIMATION.gif      every animation as a GIF that loops for ever
//   strips/ANIMATION_stripN.png   every animation's N frames as played, side by side
struct BundleRequest {
    EditorState selection;
    SpriteStyle style;
    QString name;  // NAME: the files', the parameter file's first line and the scene's node
    int jobs = 1;  // files encoded at once; the bytes are the same for any number
};

// A file of the bundle: its path inside the bundle's folder ("/" between folders) and its bytes.
struct BundleFile {
    QString path;
    QByteArray bytes;
};

// The paths inside the folder of the bundle called name, in the order bundle_files gives them.
QStringList bundle_paths(const QString& name);

// Every file of the bundle, drawn and encoded in memory, or the first one that could not be
// encoded (its path inside the folder, and why).
FileResult<std::vector<BundleFile>> bundle_files(const CharacterOutput& output,
                                                 const BundleRequest& request);

// The bundle written into folder, which is made when it is missing, as are its subfolders. Every
// file is written before any is replaced: a failure leaves the folder as it was. The folder is
// locked as a batch locks it, so that a batch or another bundle into it at the same time never
// mixes its files with this one's: while one writes there, this one waits, first telling waiting.
FileStatus write_bundle(const CharacterOutput& output, const BundleRequest& request,
                        const QString& folder,
                        const BatchWriter::Waiting& waiting = BatchWriter::say_waiting);

// The name a bundle takes by default: that of its folder ("hero" for "art/hero/"), or
// "character" when the folder's name cannot be a file's, or is not UTF-8 text or holds a control
// character (the folder itself may be so named).
QString bundle_name(const QString& folder);

}  // namespace kelvara::sprites
