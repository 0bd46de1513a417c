#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QPoint>
#include <QString>

#include "formats/encoded.h"
#include "sprite_set.h"

namespace kelvara::sprites {

// The atlas picture as its description names it.
struct AtlasImage {
    QString path;    // from the JSON's folder to the PNG, with "/" between folders
    QString format;  // the PNG's pixels: "I8" for a palette, "RGBA8888" or "RGB888"
};

// How the PNG stores its pixels, in the names texture packers use, read from its header: "I8",
// "RGBA8888" or "RGB888" (empty for anything else).
QString png_pixel_format(const formats::Bytes& png);

// The path that leads from the folder of json_path to png_path.
QString image_path_from(const QString& json_path, const QString& png_path);

// The sprite set described in the JSON array layout that Aseprite exports with the "{frame}"
// file name pattern, so that game engines import it unchanged:
// - "frames": one entry per entry of the frame list, its index as "filename" (the name Phaser
//   and PixiJS look a frame up by), its rectangle, duration, the pose's "name", "pose" and
//   "type" (face or damage), and the pivot in pixels ("pivot") and as a fraction of the frame
//   ("anchor", which PixiJS takes);
// - "meta.frameTags": every animation as a from..to run with its direction, and "repeat": "1"
//   for one that plays once (left out for one that loops, as Aseprite writes it);
// - "animations": name to frame keys in the order played, ping-pong written out, for PixiJS;
// - "meta.animations": name, frames, frame time, direction and loop of each animation;
// - "meta.slices": the pivot as an Aseprite slice over the whole frame;
// - "meta.scale" "1", which readers take as the display resolution; the export scale is in
//   "meta.kelvara" with the entries of kelvara.
QByteArray atlas_json(const SpriteSet& set, QPoint pivot, const AtlasImage& image,
                      const QJsonObject& kelvara = {});

}  // namespace kelvara::sprites
