#pragma once

#include <QtGlobal>
#include <optional>
#include <string_view>
#include <vector>

namespace kelvara::cli {

// The whole numbers an option takes, both ends included.
struct Range {
    qint64 low;
    qint64 high;
};

// What the bash completion offers for an option's value or a command's plain arguments.
enum class Offer { nothing, files, folders, choices, animations };

// One option, declared once: the help, the manual page, the completion and the checks of its value
// all come from here. Texts are UTF-8. In a description "{range}" stands for the range ("1 to 8",
// "1から8") and "{side}" for the largest picture side; a line break continues the description on
// an indented line.
struct Option {
    std::string_view name;           // "o" or "scale", given as "-o" and "--scale"
    std::string_view value_en = {};  // the value's placeholder; empty for an option without a value
    std::string_view value_ja = {};
    std::string_view help_en;
    std::string_view help_ja;
    std::optional<Range> range = {};
    std::vector<std::string_view> choices = {};  // the values offered
    std::vector<std::string_view> aliases = {};  // other values accepted, not offered
    Offer offer = Offer::nothing;
    std::string_view short_name = {};  // "h" for --help
};

// A command: what the general help says of it, its usage and introduction (English, then
// Japanese), its options in the order the help lists them, and what its plain arguments are.
struct CommandSpec {
    std::string_view name;
    std::string_view summary_en;
    std::string_view summary_ja;
    std::string_view usage_en;  // after "Usage: "; continuation lines are indented
    std::string_view usage_ja;  // after "使い方: "
    std::string_view about_en;
    std::string_view about_ja;
    std::vector<const Option*> options;
    Offer arguments = Offer::files;
};

// The options of the program itself, before any command.
extern const Option help_option;
extern const Option version_option;

// The options more than one command takes, with one range and one text everywhere.
extern const Option background_option;
extern const Option scale_option;
extern const Option jobs_option;
extern const Option columns_option;
extern const Option transparent_option;

// The options of one command each.
extern const Option render_output;
extern const Option render_format;
extern const Option render_transparent;
extern const Option count_option;
extern const Option folder_option;
extern const Option seed_option;
extern const Option items_option;
extern const Option type_option;
extern const Option sheet_output;
extern const Option atlas_output;
extern const Option json_option;
extern const Option frames_option;
extern const Option animation_option;
extern const Option animate_output;
extern const Option animate_format;
extern const Option list_option;
extern const Option bundle_output;

// Every command, in the order the general help lists them.
const std::vector<CommandSpec>& command_specs();
const CommandSpec& command_spec(std::string_view name);

}  // namespace kelvara::cli
