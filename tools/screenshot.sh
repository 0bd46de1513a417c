#!/usr/bin/env bash
# Starts the program on a virtual display and saves a screenshot of the whole screen, to look at
# what a user sees. Needs xvfb and imagemagick (apt-get install xvfb imagemagick).
#   tools/screenshot.sh OUT.png [SECONDS] [PROGRAM [ARGS...]]
set -euo pipefail
out="${1:?usage: tools/screenshot.sh OUT.png [SECONDS] [PROGRAM [ARGS...]]}"
wait_seconds="${2:-2}"
shift $(( $# >= 2 ? 2 : 1 ))
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program=("${@:-$root/build/app/kelvara}")

display=":$(( 90 + RANDOM % 9 ))"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp &
xvfb_pid=$!
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" QT_QPA_PLATFORM=xcb "${program[@]}" &
app_pid=$!
sleep "$wait_seconds"
DISPLAY="$display" import -window root "$out"
echo "saved $out"
