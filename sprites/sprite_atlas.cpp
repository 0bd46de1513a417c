#include "sprite_atlas.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "compositor/sheets.h"
#include "export/atomic_write.h"
#include "export/character_metadata.h"
#include "export/export_image.h"
#include "model/version.h"
#include "parallel_render.h"
#include "sprite_png.h"

namespace kelvara::sprites {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QJsonObject size_object(int w, int h) {
    return {{QStringLiteral("w"), w}, {QStringLiteral("h"), h}};
}

QJsonObject rect_object(const QRect& r) {
    return {{QStringLiteral("x"), r.x()},
            {QStringLiteral("y"), r.y()},
            {QStringLiteral("w"), r.width()},
            {QStringLiteral("h"), r.height()}};
}

QString direction_name(catalogue::Direction d) {
    return d == catalogue::Direction::pingpong ? QStringLiteral("pingpong")
                                               : QStringLiteral("forward");
}

// Where each cell of an animation lies among the frames, or nothing when one is left out.
std::optional<std::vector<int>> positions_of(const catalogue::Animation& a,
                                             const std::vector<SpriteFrame>& frames) {
    std::vector<int> at;
    for (const int cell : a.indices()) {
        const auto it = std::find_if(frames.begin(), frames.end(), [&](const SpriteFrame& f) {
            return f.sheet == a.sheet && f.index == cell;
        });
        if (it == frames.end()) return std::nullopt;
        at.push_back(static_cast<int>(it - frames.begin()));
    }
    return at;
}

QJsonObject frame_object(const SpriteFrame& f, const QRect& cell) {
    const QRect whole(0, 0, cell.width(), cell.height());
    return {
        {QStringLiteral("filename"), text(catalogue::frame_name(f.sheet, f.index))},
        {QStringLiteral("frame"), rect_object(cell)},
        {QStringLiteral("rotated"), false},
        {QStringLiteral("trimmed"), false},
        {QStringLiteral("spriteSourceSize"), rect_object(whole)},
        {QStringLiteral("sourceSize"), size_object(cell.width(), cell.height())},
        {QStringLiteral("duration"), catalogue::frame_ms_of(f.sheet, f.index)},
        {QStringLiteral("pose"), f.index},
        {QStringLiteral("type"),
         f.sheet == catalogue::Sheet::poses ? QStringLiteral("face") : QStringLiteral("damage")}};
}

}  // namespace

Grid atlas_grid(int count, int columns, int scale) {
    return grid_of(count, columns, export_image_size * scale, export_image_size * scale);
}

Grid atlas_grid(const AtlasRequest& request) {
    return atlas_grid(static_cast<int>(atlas_frames(request.frames).size()), request.columns,
                      request.style.scale);
}

Surface draw_atlas(const CharacterOutput& output, const EditorState& selection,
                   const std::vector<SpriteFrame>& frames, const SpriteStyle& style,
                   const Grid& grid, int jobs) {
    Surface atlas(static_cast<int>(grid.width()), static_cast<int>(grid.height()),
                  ground_of(style));
    const auto count = static_cast<int>(frames.size());
    std::vector<Surface> pictures(frames.size(), Surface(1, 1, ground_of(style)));
    std::vector<Workspace> workspaces(static_cast<std::size_t>(jobs_for(count, jobs)));
    run_parallel(count, jobs, [&](int k, int job) {
        const auto i = static_cast<std::size_t>(k);
        pictures[i] = draw_sprite(output, selection, frames[i], style,
                                  workspaces[static_cast<std::size_t>(job)]);
        return FileStatus();
    });
    for (int k = 0; k < count; ++k) {
        const Surface& picture = pictures[static_cast<std::size_t>(k)];
        const QRect cell = grid.cell(k);
        atlas.PaintPicture(picture, cell.x(), cell.y(), cell.width(), cell.height(), 0, 0,
                           cell.width(), cell.height());
    }
    return atlas;
}

QByteArray atlas_json(const std::vector<SpriteFrame>& frames, const Grid& grid, int scale,
                      const QString& image_file_name, const formats::EmbeddedText& carried) {
    QJsonArray frame_list;
    for (int k = 0; k < static_cast<int>(frames.size()); ++k) {
        frame_list.append(frame_object(frames[static_cast<std::size_t>(k)], grid.cell(k)));
    }
    // Tags name runs of neighbouring frames. Every animation whose frames are all in the atlas is
    // also listed under "animations" with its frames one by one, so that those whose cells lie
    // apart in the sheet (and so have no tag) can be played too.
    QJsonArray tags;
    QJsonArray animations;
    for (const catalogue::Animation& a : catalogue::animations) {
        const auto at = positions_of(a, frames);
        if (!at) continue;
        bool contiguous = true;
        for (std::size_t k = 0; k < at->size(); ++k) {
            contiguous = contiguous && (*at)[k] == at->front() + static_cast<int>(k);
        }
        if (contiguous) {
            tags.append(QJsonObject{{QStringLiteral("name"), text(a.name)},
                                    {QStringLiteral("from"), at->front()},
                                    {QStringLiteral("to"), at->back()},
                                    {QStringLiteral("direction"), direction_name(a.direction)}});
        }
        QJsonArray positions;
        for (const int k : *at) positions.append(k);
        animations.append(QJsonObject{{QStringLiteral("name"), text(a.name)},
                                      {QStringLiteral("frames"), positions},
                                      {QStringLiteral("duration"), a.frame_ms},
                                      {QStringLiteral("direction"), direction_name(a.direction)}});
    }
    QJsonObject meta{
        {QStringLiteral("app"), QStringLiteral("kelvara")},
        {QStringLiteral("version"), QString::fromLatin1(version_text)},
        {QStringLiteral("image"), image_file_name},
        {QStringLiteral("format"), QStringLiteral("RGBA8888")},
        {QStringLiteral("size"),
         size_object(static_cast<int>(grid.width()), static_cast<int>(grid.height()))},
        {QStringLiteral("scale"), QString::number(scale)},
        {QStringLiteral("frameTags"), tags},
        {QStringLiteral("animations"), animations},
    };
    if (const QJsonObject kelvara = json_text(carried); !kelvara.isEmpty()) {
        meta.insert(QLatin1String(json_kelvara_key), kelvara);
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("frames"), frame_list}, {QStringLiteral("meta"), meta}})
        .toJson(QJsonDocument::Indented);
}

FileStatus write_atlas(const CharacterOutput& output, const AtlasRequest& request,
                       const QString& png_path, const QString& json_path) {
    const std::vector<SpriteFrame> frames = atlas_frames(request.frames);
    const Grid grid = atlas_grid(request);
    if (!grid.fits()) {
        return FileError{png_path,
                         QStringLiteral("the atlas would be %1 x %2 pixels, more than %3 a side")
                             .arg(grid.width())
                             .arg(grid.height())
                             .arg(largest_picture_side)};
    }
    const formats::Encoded png =
        sprite_png(draw_atlas(output, request.selection, frames, request.style, grid, request.jobs),
                   request.style.transparent, request.text);
    if (!png) return write_encoded(png_path, png);
    const QByteArray json =
        atlas_json(frames, grid, request.style.scale, QFileInfo(png_path).fileName(), request.text);
    if (FileStatus written = write_encoded(png_path, png); !written) return written;
    if (FileStatus written = write_file_atomically(json_path, json); !written) {
        QFile::remove(png_path);
        return written;
    }
    return {};
}

}  // namespace kelvara::sprites
