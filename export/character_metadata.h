#pragma once

#include <QJsonObject>
#include <QString>

#include "formats/embedded_text.h"
#include "model/editor_state.h"

// What every picture, animation and engine file Kelvara writes carries about its character, made
// in one place so that all writers are fed the same text (the layout in each format is described
// in formats/embedded_text.h).
namespace kelvara {

// The licence of the art and of every file written, as an SPDX identifier.
inline constexpr char art_licence[] = "CC0-1.0";

// The program with its version and the licence, with no parameters: for a picture of many
// characters.
formats::EmbeddedText program_text();

// The program, the licence and the character's parameter file: the lines the .txt beside it holds,
// in UTF-8 with LF line ends (the format's own line end for text in a PNG), so that reading it back
// gives the same character.
formats::EmbeddedText character_text(const QString& base_name, const EditorState& state);

// An atlas JSON carries the same entries in its "meta" object:
//     "meta": { …, "kelvara": { "parameters": "[hero]\n…", "software": "Kelvara 3.0.0",
//                               "license": "CC0-1.0", … } }
// Other entries of meta.kelvara (such as the export scale) are the atlas writer's own.
inline constexpr char json_kelvara_key[] = "kelvara";        // in "meta"
inline constexpr char json_parameters_key[] = "parameters";  // in meta.kelvara

// The entries of meta.kelvara that text fills: "software", "license" and "parameters", each left
// out when its text is empty.
QJsonObject json_text(const formats::EmbeddedText& text);

}  // namespace kelvara
