#!/usr/bin/env bash
# Times a batch of 1,000 random characters written to disk by the command-line renderer (image and
# parameter file each), median of three runs.
#   bench/batch_to_disk.sh [BUILD_DIR]
set -euo pipefail
build="${1:-build}"
render="$build/app/render/kelvara-render"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
times=()
for run in 1 2 3; do
    rm -rf "$out/batch"
    start=$(date +%s.%N)
    "$render" random --count 1000 --seed "$run" --out "$out/batch"
    end=$(date +%s.%N)
    times+=("$(awk "BEGIN { printf \"%.3f\", $end - $start }")")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n 2p)
files=$(ls "$out/batch" | wc -l)
echo "1000 characters to disk ($files files): median ${median}s of runs: $(echo $sorted)"
