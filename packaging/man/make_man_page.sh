#!/bin/sh
# Makes a program's manual page from its own --help, compressed as Debian wants it:
#   make_man_page.sh PROGRAM VERSION INCLUDE.h2m CHANGELOG OUT.1.gz
# help2man reads the help through english_help.sh, run under the program's own name. The
# page's date is that of the newest changelog entry, so the same sources make the same page.
set -eu
program="$1" version="$2" include="$3" changelog="$4" out="$5"
here="$(cd "$(dirname "$0")" && pwd)"
name="$(basename "$program")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ln -s "$here/english_help.sh" "$work/$name"

if [ -z "${SOURCE_DATE_EPOCH:-}" ] && command -v dpkg-parsechangelog > /dev/null 2>&1; then
    SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$changelog" -S Timestamp)"
    export SOURCE_DATE_EPOCH
fi
# A sanitizer build's programs may report leaks in the libraries at exit; the help is still right.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS

# Without a display a program that opens its window by mistake stops at once instead of
# running on (offscreen) and holding up the build.
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

KELVARA_HELP_OF="$program" timeout 120 help2man --locale=C.UTF-8 --no-info --version-string="$version" \
    --include="$include" --output="$work/page" "$work/$name"
# Left-aligned and unhyphenated: the usage lines and option names read better unstretched.
sed '/^\.TH /a\
.ad l\
.nh' "$work/page" | gzip -9n > "$out.tmp"
mv "$out.tmp" "$out"
