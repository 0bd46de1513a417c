#include "sprite_atlas.h"

#include <algorithm>

#include "compositor/sheets.h"
#include "export/export_image.h"
#include "json_text.h"
#include "model/version.h"

namespace kelvara::cli {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

JsonValue size_object(int w, int h) {
    return JsonValue::object(
        {{QStringLiteral("w"), JsonValue::number(w)}, {QStringLiteral("h"), JsonValue::number(h)}});
}

JsonValue rect_object(const QRect& r) {
    return JsonValue::object({{QStringLiteral("x"), JsonValue::number(r.x())},
                              {QStringLiteral("y"), JsonValue::number(r.y())},
                              {QStringLiteral("w"), JsonValue::number(r.width())},
                              {QStringLiteral("h"), JsonValue::number(r.height())}});
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

JsonValue frame_object(const SpriteFrame& f, const QRect& cell) {
    const QRect whole(0, 0, cell.width(), cell.height());
    return JsonValue::object(
        {{QStringLiteral("filename"),
          JsonValue::string(text(catalogue::frame_name(f.sheet, f.index)))},
         {QStringLiteral("frame"), rect_object(cell)},
         {QStringLiteral("rotated"), JsonValue::boolean(false)},
         {QStringLiteral("trimmed"), JsonValue::boolean(false)},
         {QStringLiteral("spriteSourceSize"), rect_object(whole)},
         {QStringLiteral("sourceSize"), size_object(cell.width(), cell.height())},
         {QStringLiteral("duration"), JsonValue::number(catalogue::frame_ms_of(f.sheet, f.index))},
         {QStringLiteral("pose"), JsonValue::number(f.index)},
         {QStringLiteral("type"),
          JsonValue::string(f.sheet == catalogue::Sheet::poses ? QStringLiteral("face")
                                                               : QStringLiteral("damage"))}});
}

}  // namespace

AtlasLayout atlas_layout(int count, int columns, int scale) {
    return {count, std::max(1, std::min(columns, count)), export_image_size * scale};
}

Surface draw_atlas(const CharacterOutput& output, const EditorState& selection,
                   const std::vector<SpriteFrame>& frames, const SpriteStyle& style,
                   const AtlasLayout& layout) {
    Surface atlas(layout.width(), layout.height(), ground_of(style));
    Workspace workspace;
    for (int k = 0; k < static_cast<int>(frames.size()); ++k) {
        const Surface picture =
            draw_sprite(output, selection, frames[static_cast<std::size_t>(k)], style, workspace);
        const QRect cell = layout.cell(k);
        atlas.PaintPicture(picture, cell.x(), cell.y(), cell.width(), cell.height(), 0, 0,
                           cell.width(), cell.height());
    }
    return atlas;
}

QByteArray atlas_json(const std::vector<SpriteFrame>& frames, const AtlasLayout& layout, int scale,
                      const QString& image_file_name) {
    std::vector<JsonValue> frame_list;
    for (int k = 0; k < static_cast<int>(frames.size()); ++k) {
        frame_list.push_back(frame_object(frames[static_cast<std::size_t>(k)], layout.cell(k)));
    }
    // Tags name runs of neighbouring frames. Every animation whose frames are all in the atlas is
    // also listed under "animations" with its frames one by one, so that those whose cells lie
    // apart in the sheet (and so have no tag) can be played too.
    std::vector<JsonValue> tags;
    std::vector<JsonValue> animations;
    for (const catalogue::Animation& a : catalogue::animations) {
        const auto at = positions_of(a, frames);
        if (!at) continue;
        bool contiguous = true;
        for (std::size_t k = 0; k < at->size(); ++k) {
            contiguous = contiguous && (*at)[k] == at->front() + static_cast<int>(k);
        }
        if (contiguous) {
            tags.push_back(JsonValue::object(
                {{QStringLiteral("name"), JsonValue::string(text(a.name))},
                 {QStringLiteral("from"), JsonValue::number(at->front())},
                 {QStringLiteral("to"), JsonValue::number(at->back())},
                 {QStringLiteral("direction"), JsonValue::string(direction_name(a.direction))}}));
        }
        std::vector<JsonValue> positions;
        for (const int k : *at) positions.push_back(JsonValue::number(k));
        animations.push_back(JsonValue::object(
            {{QStringLiteral("name"), JsonValue::string(text(a.name))},
             {QStringLiteral("frames"), JsonValue::array(std::move(positions))},
             {QStringLiteral("duration"), JsonValue::number(a.frame_ms)},
             {QStringLiteral("direction"), JsonValue::string(direction_name(a.direction))}}));
    }
    JsonValue meta = JsonValue::object({
        {QStringLiteral("app"), JsonValue::string(QStringLiteral("kelvara"))},
        {QStringLiteral("version"), JsonValue::string(QString::fromLatin1(version_text))},
        {QStringLiteral("image"), JsonValue::string(image_file_name)},
        {QStringLiteral("format"), JsonValue::string(QStringLiteral("RGBA8888"))},
        {QStringLiteral("size"), size_object(layout.width(), layout.height())},
        {QStringLiteral("scale"), JsonValue::string(QString::number(scale))},
        {QStringLiteral("frameTags"), JsonValue::array(std::move(tags))},
        {QStringLiteral("animations"), JsonValue::array(std::move(animations))},
    });
    return JsonValue::object({{QStringLiteral("frames"), JsonValue::array(std::move(frame_list))},
                              {QStringLiteral("meta"), std::move(meta)}})
        .document();
}

}  // namespace kelvara::cli
