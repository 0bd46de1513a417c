#include "export/character_metadata.h"

#include "export/parameter_file.h"
#include "model/version.h"

namespace kelvara {

formats::EmbeddedText program_text() {
    return {std::string("Kelvara ") + version_text, art_licence, {}};
}

formats::EmbeddedText character_text(const QString& base_name, const EditorState& state) {
    formats::EmbeddedText text = program_text();
    text.parameters =
        (parameter_lines(base_name, state).join(QLatin1Char('\n')) + QLatin1Char('\n'))
            .toStdString();
    return text;
}

QJsonObject json_text(const formats::EmbeddedText& text) {
    QJsonObject out;
    const auto add = [&out](const char* key, const std::string& value) {
        if (!value.empty()) out.insert(QLatin1String(key), QString::fromStdString(value));
    };
    add("software", text.software);
    add("license", text.licence);
    add(json_parameters_key, text.parameters);
    return out;
}

}  // namespace kelvara
