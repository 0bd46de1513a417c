#!/usr/bin/env bash
# Times the whole renderer process for a character's sprite set: the atlas of all 190 frames at
# scale 1 with its JSON, the walk as an animated GIF, and the bundle of every file at scale 1;
# --help and render alongside, as the floor every run pays (starting the program) and the cost of
# reading the sheets. Targets on an idle machine: atlas 40 ms, animate walk 20 ms, bundle 250 ms.
#   bench/atlas_time.sh [BUILD_DIR]
# Uses hyperfine when it is installed (apt-get install hyperfine), else the median of 21 runs
# timed with date. The renderer works on one thread; on a busy machine read hyperfine's User and
# System times rather than the wall-clock mean.
set -euo pipefail
build="${1:-build}"
render="$(realpath "$build/app/render/kelvara-render")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$render" random --count 1 --seed 7 --items face,hair,hair_color,cloth_color,pants_color,line_color \
    --out "$out" >/dev/null
params="$out/kelvara_1.txt"

commands=(
    "$render --help"
    "$render render $params -o $out/one.png --format png"
    "$render atlas $params -o $out/hero.png"
    "$render animate $params --animation walk -o $out/walk.gif"
    "$render bundle $params -o $out/hero"
)

if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs 30 "${commands[@]}"
else
    for c in "${commands[@]}"; do
        times=()
        for run in $(seq 21); do
            start=$(date +%s%N)
            $c >/dev/null
            end=$(date +%s%N)
            times+=($(((end - start) / 1000)))
        done
        median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 11p)
        echo "$c: median $((median / 1000)).$(printf '%03d' $((median % 1000))) ms of 21 runs"
    done
fi
