#include "export/parameter_file.h"

#include "export/cp932.h"

namespace kelvara {

namespace {

QString on_off(Int16 flag) {
    return flag == vb_true ? QStringLiteral("On") : QStringLiteral("Off");
}

QString value_line(const QString& value, const QString& label) {
    return value + QLatin1Char('\t') + label;
}

QString value_line(Int16 value, const QString& label) {
    return value_line(QString::number(value), label);
}

}  // namespace

QStringList parameter_lines(const QString& base_name, const EditorState& s) {
    return {
        QLatin1Char('[') + base_name + QLatin1Char(']'),
        (s.type_flg == 0 ? QStringLiteral("かおづら") : QStringLiteral("だめーじ")) +
            QStringLiteral(" : タイプ"),
        value_line(s.face_num, QStringLiteral(" : 顔")),
        value_line(s.hair_num, QStringLiteral(" : カミ")),
        value_line(s.hair_color_num, QStringLiteral(" : カミの色")),
        value_line(s.eye_color_num, QStringLiteral(" : 目の色")),
        value_line(on_off(s.eye_grey_flg), QStringLiteral(" : 目の色灰色部分")),
        value_line(s.accessory_color_num, QStringLiteral(" : アクセサリーの色")),
        value_line(s.body_color_num, QStringLiteral(" : 肌の色")),
        value_line(on_off(s.body_matte_flg), QStringLiteral(" : 肌の色ツヤ消し")),
        value_line(s.cloth_num, QStringLiteral(" : ポーズ")),
        value_line(s.cloth_color_num, QStringLiteral(" : 服の色1")),
        value_line(on_off(s.cloth_matte_flg), QStringLiteral(" : 服の色1ツヤ消し")),
        value_line(s.cloth2_color_num, QStringLiteral(" : 服の色2")),
        value_line(s.cloth3_color_num, QStringLiteral(" : 服の色3")),
    };
}

std::optional<QByteArray> parameter_file(const QString& base_name, const EditorState& state) {
    QString text;
    for (const QString& line : parameter_lines(base_name, state)) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return to_cp932(text);
}

}  // namespace kelvara
