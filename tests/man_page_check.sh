#!/usr/bin/env bash
# Checks the manual pages made at build time against the programs' own help:
#   tests/man_page_check.sh BUILD_DIR VERSION
# Every command and every option the help names must be in the page, in English only, and the
# pages must be compressed without a timestamp and render without warnings.
set -euo pipefail
build="$1" version="$2"
render="$build/app/render/kelvara-render"
fail=0
problem() {
    echo "$1"
    fail=1
}

# The English part of a help text: up to the Japanese translation.
english() { sed '/^使い方/,$d'; }

for program in kelvara kelvara-render; do
    page="$build/man/$program.1.gz"
    [ -f "$page" ] || { problem "missing: $page"; continue; }
    # gzip -9n: no file name flag (bit 3 of byte 3), a zero time stamp (bytes 4 to 7) and the
    # flag for the best compression (byte 8).
    header="$(od -An -tx1 -N9 "$page" | tr -d ' \n')"
    [ "${header:0:6}" = 1f8b08 ] || problem "$program.1.gz is not gzip: $header"
    [ $((0x${header:6:2} & 8)) -eq 0 ] || problem "$program.1.gz stores a file name"
    [ "${header:8:8}" = 00000000 ] || problem "$program.1.gz stores a time stamp"
    [ "${header:16:2}" = 02 ] || problem "$program.1.gz is not compressed with -9"
    text="$(zcat "$page")"
    grep -q "^\.TH .*\"$program $version\"" <<< "$text" || problem "$program(1): not version $version"
    grep -q "^$program \\\\- " <<< "$text" || problem "$program(1): no NAME line"
    ! grep -q '使い方' <<< "$text" || problem "$program(1) contains the Japanese help"
    warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 > /dev/null)"
    [ -z "$warnings" ] || problem "$program(1) renders with warnings: $warnings"
done

# The window program answers without any display (help2man runs it at build time), whatever
# else is on the command line.
while read -r arguments expected; do
    # shellcheck disable=SC2086
    out="$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$build/app/kelvara" ${arguments//_/ } |
        head -n1)" || problem "kelvara $arguments failed without a display"
    [ "$out" = "${expected//_/ }" ] || problem "kelvara $arguments says '$out'"
done << TABLE
--version kelvara_$version
-v kelvara_$version
--help Usage:_kelvara_[--help_|_--version]
-h Usage:_kelvara_[--help_|_--version]
hero.txt_--version kelvara_$version
TABLE

# Every command of the renderer has its section, and every option its entry.
page="$(zcat "$build/man/kelvara-render.1.gz" | sed 's/\\-/-/g; s/\\f[BIR]//g')"
commands="$("$render" --help | english |
    awk '/^Commands:/ { c = 1; next } c && /^  / { print $1; next } c { exit }')"
[ -n "$commands" ] || problem "kelvara-render --help lists no commands"
for command in $commands; do
    grep -q "^\.SS \"$command:\"" <<< "$page" || problem "kelvara-render(1) lacks the $command command"
    help="$("$render" "$command" --help | english)"
    usage="$(sed -n 's/^Usage: kelvara-render //p' <<< "$help" | sed 's/ .*//')"
    grep -A1 '^\.B kelvara-render' <<< "$page" | grep -q "$usage" ||
        problem "kelvara-render(1) synopsis lacks $command"
    for option in $(grep -oE -- '(^|[[ ])--?[a-z][-a-z]*' <<< "$help" | tr -d '[ ' | sort -u); do
        grep -qe "$option\b" <<< "$page" || problem "kelvara-render(1) lacks $command $option"
    done
done
[ "$fail" -eq 0 ] && echo "manual pages match the help"
exit "$fail"
