#include "formats/embedded_text.h"

namespace kelvara::formats {

namespace {

constexpr std::string_view software_label = "Software: ";
constexpr std::string_view kelvara_comment_start = "Software: Kelvara";

}  // namespace

std::vector<PngText> png_text(const EmbeddedText& text) {
    std::vector<PngText> out;
    const auto add = [&out](std::string_view keyword, const std::string& value) {
        if (!value.empty()) out.push_back({std::string(keyword), value});
    };
    add(png_software_keyword, text.software);
    add(png_licence_keyword, text.licence);
    add(png_parameters_keyword, text.parameters);
    return out;
}

std::string gif_comment(const EmbeddedText& text) {
    std::string out;
    if (!text.software.empty()) out.append(software_label).append(text.software) += '\n';
    if (!text.licence.empty()) out.append("License: ").append(text.licence) += '\n';
    if (!text.parameters.empty()) out.append("\n").append(text.parameters);
    return out;
}

std::optional<std::string> parameters_in_gif_comment(std::string_view comment) {
    if (!comment.starts_with(kelvara_comment_start)) return std::nullopt;
    const std::size_t blank = comment.find("\n\n");
    if (blank == std::string_view::npos || blank + 2 == comment.size()) return std::nullopt;
    return std::string(comment.substr(blank + 2));
}

}  // namespace kelvara::formats
