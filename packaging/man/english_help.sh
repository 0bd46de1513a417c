#!/bin/sh
# help2man runs this in place of a program, under the program's name, to read its help:
#   KELVARA_HELP_OF=/path/to/program english_help.sh --help
# It passes on the program's help in English only (the help ends with a Japanese translation,
# after a blank line), and for a program with commands (a "Commands:" list) it adds every
# command's usage to the synopsis and every command's help as a subsection of COMMANDS, so the
# manual page follows the program's own help whenever commands or options change.
set -eu
program="${KELVARA_HELP_OF:?}"

# The English part: everything before the first blank line that is followed by a line
# beginning with a non-ASCII character.
# An option whose upper-case placeholder is followed by one space only gets a second one, which
# help2man needs to tell the description from the option.
english() {
    printf '%s\n' "$1" | LC_ALL=C awk '
        blank && /^[^ -~]/ { exit }
        { if (blank) print ""; blank = ($0 == ""); if (!blank) print }' |
        sed -E 's/^( +-[-[:alnum:]]+ [A-Z][A-Z_]*) ([a-z(])/\1  \2/'
}

# The usage of a help text as one line, without "Usage:" (its continuation lines are indented).
usage_line() {
    printf '%s\n' "$1" | awk '
        /^Usage:/ { sub(/^Usage: */, ""); line = $0; inside = 1; next }
        inside && /^  / { sub(/^ +/, ""); line = line " " $0; next }
        inside { exit }
        END { print line }'
}

if [ "${1:-}" != "--help" ]; then
    exec "$program" "$@"
fi

# Taken first, so that a failing program fails the page rather than giving an empty one.
raw="$("$program" --help)"
help="$(english "$raw")"
commands="$(printf '%s\n' "$help" | awk '
    /^Commands:/ { inside = 1; next }
    inside && /^  [a-z]/ { print $1; next }
    inside { exit }')"

if [ -z "$commands" ]; then
    printf '%s\n' "$help"
    exit 0
fi

# help2man makes the synopsis from "Usage:" and the "or:" lines after it.
printf 'Usage: %s\n' "$(usage_line "$help")"
command_helps=""
for command in $commands; do
    raw="$("$program" "$command" --help)"
    printf '  or:  %s\n' "$(usage_line "$raw")"
done
# The rest of the general help; its exit status line becomes a section of its own, last.
printf '%s\n' "$help" | awk '
    /^Usage:/ { skip = 1; next }
    skip && /^  / { next }
    { skip = 0 }
    /^Exit status:/ { next }
    { print }'
printf '\n*Commands*\n\n'
for command in $commands; do
    raw="$("$program" "$command" --help)"
    # A subsection title needs an indented line after it: the command's usage.
    printf '%s:\n  %s\n\n' "$command" "$(usage_line "$raw")"
    english "$raw" | awk '
        /^Usage:/ { skip = 1; next }
        skip && /^  / { next }
        { skip = 0; print }'
    printf '\n'
done
status="$(printf '%s\n' "$help" | sed -n 's/^Exit status: *//p')"
if [ -n "$status" ]; then
    printf '*Exit status*\n\n%s\n' "$status"
fi
