#!/usr/bin/env bash
# Drives the bash completion of kelvara-render, which the build makes from the program's
# declarations, as bash-completion would on Tab, and holds what it offers against what the
# program itself says: its commands, each command's options, the values an option takes, the
# animations it lists, and file or folder names where a file or folder is wanted.
#   tests/completion_check.sh BUILD_DIR COMPLETION_SCRIPT
set -uo pipefail
build="$1" script="$2"
if [ ! -f /usr/share/bash-completion/bash_completion ]; then
    echo "bash-completion is not installed: skipped"
    exit 77
fi
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$script"
program="$(cd "$build" && pwd)/app/render/kelvara-render"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/crowd"
touch "$work/hero.txt"
cd "$work" || exit 1

fail=0
# complete LINE MUST_HAVE MUST_NOT_HAVE [exact]: the words offered for the last word of LINE
# (a trailing blank starts a new word) include every word of MUST_HAVE and none of
# MUST_NOT_HAVE; with "exact", nothing but MUST_HAVE.
complete_line() {
    local line=$1 must=$2 mustnot=$3 exact=${4:-}
    local -a words
    read -ra words <<< "$line"
    [[ $line == *" " ]] && words+=("")
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _kelvara_render 2> "$work/stderr"
    local errors
    errors="$(cat "$work/stderr")"
    local got=" ${COMPREPLY[*]-} " word
    for word in $must; do
        [[ $got == *" $word "* ]] || { echo "[$line]: lacks $word (got:$got)"; fail=1; }
    done
    for word in $mustnot; do
        [[ $got != *" $word "* ]] || { echo "[$line]: offers $word (got:$got)"; fail=1; }
    done
    if [[ $exact ]]; then
        local sorted_got sorted_must
        sorted_got="$(tr ' ' '\n' <<< "${COMPREPLY[*]-}" | sed '/^$/d' | sort | tr '\n' ' ')"
        sorted_must="$(tr ' ' '\n' <<< "$must" | sed '/^$/d' | sort | tr '\n' ' ')"
        [[ $sorted_got == "$sorted_must" ]] || { echo "[$line]: got '$sorted_got'"; fail=1; }
    fi
    [[ -z $errors ]] || { echo "[$line]: printed '$errors'"; fail=1; }
}

# The English part of a help text: the Japanese translation follows after a blank line.
english() { LC_ALL=C awk 'blank && /^[^ -~]/ { exit } { blank = ($0 == ""); print }'; }
# The options a help text names, and --help and -h, which every command takes.
options_of() {
    { printf '%s\n' "$1" | grep -oE -- '(^|[[ ])--?[a-zA-Z][-a-zA-Z0-9]*' | sed -E 's/^[[ ]//'
      printf -- '--help\n-h\n'; } | sort -u | tr '\n' ' '
}

general="$("$program" --help | english)"
commands="$(printf '%s\n' "$general" | awk '/^Commands:/ { inside = 1; next }
    inside && /^  [a-z]/ { print $1; next } inside { exit }' | tr '\n' ' ')"
[[ $commands == *render*animate* ]] || { echo "no commands in the help: $commands"; fail=1; }
complete_line "kelvara-render " "$commands" "--help hero.txt" exact
complete_line "kelvara-render ra" "random" "render sheet"
complete_line "kelvara-render -" "$(options_of "$general")" "render -o" exact
for command in $commands; do
    help="$("$program" "$command" --help | english)"
    complete_line "kelvara-render $command -" "$(options_of "$help")" "" exact
done
complete_line "kelvara-render render --format " "bmp png" "" exact
complete_line "kelvara-render animate x.txt --format " "gif png" "" exact
complete_line "kelvara-render atlas x.txt --frames " "poses damage all" "" exact
complete_line "kelvara-render render --background " "grey green white" "RRGGBB" exact
complete_line "kelvara-render render --background g" "grey green" "" exact
complete_line "kelvara-render random --type " "かおづら だめーじ" "TYPE" exact
complete_line "kelvara-render random --count " "" "" exact
complete_line "kelvara-render sheet x.txt --scale " "" "" exact
complete_line "kelvara-render random --out " "crowd" "hero.txt"
complete_line "kelvara-render random " "" "" exact
complete_line "kelvara-render render " "hero.txt crowd" ""
complete_line "kelvara-render render --transparent " "hero.txt" ""
complete_line "kelvara-render sheet hero.txt -o " "hero.txt crowd" ""
complete_line "kelvara-render atlas hero.txt --json " "hero.txt crowd" ""
complete_line "kelvara-render animate --animation " \
    "$("$program" animate --list | awk 'NF { print $1 }' | tr '\n' ' ')" "" exact
complete_line "kelvara-render animate --animation wa" "walk" "run" exact
complete_line "kelvara-render paint " "" "" exact

[ "$fail" -eq 0 ] && echo "completion offers what the help says"
exit "$fail"
