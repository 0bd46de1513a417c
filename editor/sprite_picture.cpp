#include "editor/sprite_picture.h"

#include "compositor/render_character.h"
#include "compositor/sheet_colours.h"
#include "export/character_metadata.h"
#include "export/encoded_bytes.h"
#include "export/export_image.h"
#include "export/parameter_file.h"
#include "formats/png_writer.h"

namespace kelvara {

namespace {

QString number(int value) {
    return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0'));
}

QString character_name(const EditorState& s) {
    // Damage poses are complete figures: face and hair play no part in them.
    if (s.type_flg != 0) return QStringLiteral("kelvara_damage_p") + number(s.cloth_num);
    return QStringLiteral("kelvara_f%1_h%2_p%3")
        .arg(number(s.face_num), number(s.hair_num), number(s.cloth_num));
}

}  // namespace

SpritePicture sprite_picture(const Sheets& sheets, const EditorState& state) {
    SpritePicture out;
    out.name = character_name(state);
    for (const QString& line : parameter_lines(out.name, state)) {
        out.parameter_text += line + QLatin1Char('\n');
    }

    EditorState on_key = state;
    on_key.back_color = key_color;
    on_key.size_num = 1;
    Workspace workspace;
    render_character(sheets, on_key, workspace);
    const Surface picture = export_image(workspace.pre_pic, key_color);
    const int scale = state.size_num;
    Surface enlarged(picture.width() * scale, picture.height() * scale, key_color);
    enlarged.PaintPicture(picture, 0, 0, enlarged.width(), enlarged.height(), 0, 0, picture.width(),
                          picture.height());
    // The file carries its character, so that dropping it back on the window reopens it.
    const formats::Encoded png =
        formats::encode_truecolour_png(enlarged.view(), key_color, formats::PngEffort::small,
                                       formats::png_text(character_text(out.name, state)));
    if (png) out.png = byte_array(png.value());
    return out;
}

}  // namespace kelvara
