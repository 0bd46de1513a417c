#!/usr/bin/env bash
# Drives the bash completion of kelvara-render as bash-completion would on Tab:
#   tests/completion_check.sh BUILD_DIR COMPLETION_SCRIPT
# once with the built program, once with stand-ins that have an animate command (whose list
# works, and whose list fails).
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

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/crowd" "$work/bin" "$work/broken"
touch "$work/hero.txt"
cd "$work" || exit 1
export PATH="$build/app/render:$PATH"

# A renderer with an animate command, in the help's layout.
cat > bin/kelvara-render <<'STUB'
#!/bin/sh
case "$*" in
    --help) printf 'Usage: kelvara-render COMMAND [OPTIONS]\n\nCommands:\n  render   one\n  animate  moving\nRun it.\n\n使い方: kelvara-render\n' ;;
    "animate --help") printf 'Usage: kelvara-render animate PARAMS.txt --animation NAME [-o OUT.gif]\n  --animation NAME  which one\n  --list            the names\n\n使い方: kelvara-render animate\n  --名前 x\n' ;;
    "animate --list") printf 'walk 8\nrun\t6\n\nidle\n' ;;
    *) exit 2 ;;
esac
STUB
# The same, except that its list fails after printing something.
sed 's/"animate --list") printf .*/"animate --list") echo oops; echo bad >\&2; exit 2 ;;/' \
    bin/kelvara-render > broken/kelvara-render
chmod +x bin/kelvara-render broken/kelvara-render

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

complete_line "kelvara-render " "render random sheet" "--help hero.txt"
complete_line "kelvara-render ra" "random" "render sheet"
complete_line "kelvara-render -" "--help --version" "render -o"
complete_line "kelvara-render render -" "-o --background --scale --format --transparent --help" "--count --columns"
complete_line "kelvara-render random --" "--count --out --seed --items --type --background" "--transparent --columns"
complete_line "kelvara-render sheet --" "--columns --scale --background" "--count --format"
complete_line "kelvara-render render --format " "bmp png" "" exact
complete_line "kelvara-render render --background " "grey green white" "RRGGBB" exact
complete_line "kelvara-render render --background g" "grey green" "" exact
complete_line "kelvara-render random --type " "かおづら だめーじ" "TYPE" exact
complete_line "kelvara-render random --count " "" "" exact
complete_line "kelvara-render random --out " "crowd" "hero.txt"
complete_line "kelvara-render render " "hero.txt crowd" ""
complete_line "kelvara-render render --transparent " "hero.txt" ""
complete_line "kelvara-render sheet hero.txt -o " "hero.txt crowd" ""
complete_line "$work/bin/kelvara-render " "render animate" ""
complete_line "$work/bin/kelvara-render animate --" "--animation --list" "-o"
complete_line "$work/bin/kelvara-render animate --animation " "walk run idle" "" exact
complete_line "$work/bin/kelvara-render animate --animation r" "run" "" exact
complete_line "$work/bin/kelvara-render animate " "walk run idle hero.txt" "8 6"
complete_line "$work/broken/kelvara-render animate --animation " "" "" exact
complete_line "$work/broken/kelvara-render animate " "hero.txt" "oops"
# Without a program to ask, plain file names, silently.
complete_line "$work/nonexistent/kelvara-render render --format " "hero.txt" "bmp"

[ "$fail" -eq 0 ] && echo "completion offers what the help says"
exit "$fail"
