#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/png_writer.h"

// What Kelvara writes into its pictures about the character they show, so that the picture alone
// brings the character back: the program that made it, the licence of the art, and the character's
// parameter file as text.
//
// PNG: three uncompressed iTXt chunks after IHDR, before the palette and the image data, in this
// order and with empty language tags:
//     Software            "Kelvara 3.0.0"
//     License             "CC0-1.0"
//     Kelvara parameters  the parameter file, UTF-8, LF line ends
// GIF: one comment extension before the first image, its text
//     "Software: Kelvara 3.0.0\nLicense: CC0-1.0\n\n" followed by the parameter text,
// that is header lines, a blank line, and the parameters as the body. A comment that begins with
// "Software: Kelvara" is Kelvara's; its parameters are everything after the first blank line.
// An entry whose text is empty is left out (a sheet of many characters has no one parameter file).
namespace kelvara::formats {

struct EmbeddedText {
    std::string software;    // "Kelvara 3.0.0"
    std::string licence;     // an SPDX identifier: "CC0-1.0"
    std::string parameters;  // the parameter file as UTF-8 with LF line ends
};

inline constexpr std::string_view png_software_keyword = "Software";
inline constexpr std::string_view png_licence_keyword = "License";
inline constexpr std::string_view png_parameters_keyword = "Kelvara parameters";

// The text chunks of a PNG, for the PNG writers.
std::vector<PngText> png_text(const EmbeddedText& text);

// The comment of a GIF, for the GIF writers; empty when every entry is.
std::string gif_comment(const EmbeddedText& text);

// The parameter text in a comment that gif_comment() wrote; nullopt for any other comment, and for
// one of Kelvara's that holds no parameters.
std::optional<std::string> parameters_in_gif_comment(std::string_view comment);

}  // namespace kelvara::formats
