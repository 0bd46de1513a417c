#include "character_output.h"

#include "assets/embedded_assets.h"
#include "compositor/render_character.h"
#include "compositor/sheet_colours.h"
#include "export/export_image.h"
#include "sprite_png.h"

namespace kelvara::sprites {

CharacterOutput::CharacterOutput() : art_(std::make_shared<Art>()) {
    load_palettes(load_embedded_palette_strips(), art_->palettes);
}

const Sheets& CharacterOutput::sheets_for(const EditorState& selection) const {
    Art& art = *art_;
    std::call_once(art.heads_unpacked, [&] {
        art.sheets.face_set = load_embedded_sheet(SheetKind::face);
        art.sheets.hair_set = load_embedded_sheet(SheetKind::hair);
    });
    if (selection.type_flg == 0) {
        std::call_once(art.poses_unpacked,
                       [&] { art.sheets.cloth_set = load_embedded_sheet(SheetKind::cloth); });
    } else {
        std::call_once(art.damage_unpacked,
                       [&] { art.sheets.damage_set = load_embedded_sheet(SheetKind::damage); });
    }
    return art.sheets;
}

Surface CharacterOutput::picture(const EditorState& selection, Colour background) {
    return picture(selection, background, workspace_);
}

Surface CharacterOutput::picture(const EditorState& selection, Colour background,
                                 Workspace& workspace) const {
    EditorState s = selection;
    s.palettes = art_->palettes;
    s.back_color = background;
    s.size_num = 1;  // the saved picture does not depend on the drawing size
    render_character(sheets_for(s), s, workspace);
    return export_image(workspace.pre_pic, background);
}

formats::Encoded CharacterOutput::file_bytes(const EditorState& selection, const OutputStyle& style,
                                             const formats::EmbeddedText& text) {
    // The key colour is in no palette, so drawing on it marks exactly the background.
    const bool transparent = style.transparent && style.format == OutputStyle::Format::png;
    const Surface picture_1x = picture(selection, transparent ? key_color : style.background);
    const Surface out = enlarged(picture_1x, style.scale);
    if (style.format == OutputStyle::Format::png) return picture_png(out, transparent, text);
    return picture_bmp(out);
}

Surface CharacterOutput::enlarged(const Surface& picture, int scale) {
    if (scale == 1) return picture;
    Surface big(picture.width() * scale, picture.height() * scale, picture.BackColor());
    big.PaintPicture(picture, 0, 0, big.width(), big.height(), 0, 0, picture.width(),
                     picture.height());
    return big;
}

FileStatus write_picture(CharacterOutput& output, const EditorState& selection,
                         const OutputStyle& style, const QString& path,
                         const formats::EmbeddedText& text) {
    return write_encoded(path, output.file_bytes(selection, style, text));
}

}  // namespace kelvara::sprites
