#!/usr/bin/env bash
# Instruction counts (valgrind's callgrind) of the same renderer runs that atlas_time.sh times:
# unlike times they do not move with the load other processes put on the machine.
#   bench/atlas_instructions.sh [BUILD_DIR]
# Needs valgrind (apt-get install valgrind). Add --toggle-collect=FUNCTION to the valgrind line,
# or keep the output files and read them with callgrind_annotate --inclusive=yes, to see where
# the instructions go.
set -euo pipefail
build="${1:-build}"
render="$(realpath "$build/app/render/kelvara-render")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$render" random --count 1 --seed 7 --items face,hair,hair_color,cloth_color,pants_color,line_color \
    --out "$out" >/dev/null
params="$out/kelvara_1.txt"

commands=(
    "--help"
    "render $params -o $out/one.png --format png"
    "atlas $params -o $out/hero.png"
    "animate $params --animation walk -o $out/walk.gif"
    "bundle $params -o $out/hero"
)

for c in "${commands[@]}"; do
    # shellcheck disable=SC2086  # the command's words are meant to split
    valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.out" "$render" $c \
        >/dev/null 2>"$out/valgrind.log"
    count=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$out/valgrind.log")
    printf '%-8s %6.1f M instructions\n' "${c%% *}" "$(echo "$count / 1000000" | bc -l)"
done
