#!/usr/bin/env bash
# Times a batch of random characters written to disk by the command-line renderer (image and
# parameter file each) against `cp -r` of that same output, alternating the two in one run so that
# both see the same machine load, and prints the ratio of the medians.
#   bench/batch_to_disk.sh [BUILD_DIR] [COUNT] [ROUNDS]      (defaults: build 10000 3)
# The files go to a fresh folder under $TMPDIR (default /tmp); put it on the disk you care about.
# Extra renderer options (say JOBS="--jobs 1") come from the environment variable RENDER_ARGS.
set -euo pipefail
build="${1:-build}"
count="${2:-10000}"
rounds="${3:-3}"
render="$build/app/render/kelvara-render"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

now() { date +%s.%N; }
elapsed() { awk "BEGIN { printf \"%.3f\", $2 - $1 }"; }
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

render_times=()
copy_times=()
ratios=()
for round in $(seq 1 "$rounds"); do
    rm -rf "$out/batch" "$out/copy"
    # Each timed step starts with nothing of the previous one still waiting to reach the disk.
    sync
    start=$(now)
    # shellcheck disable=SC2086
    "$render" random --count "$count" --seed "$round" --out "$out/batch" ${RENDER_ARGS:-} 2>/dev/null
    end=$(now)
    render_times+=("$(elapsed "$start" "$end")")
    sync
    start=$(now)
    cp -r "$out/batch" "$out/copy"
    end=$(now)
    copy_times+=("$(elapsed "$start" "$end")")
    # The two halves of a round ran back to back, under much the same load.
    ratios+=("$(awk "BEGIN { printf \"%.2f\", ${render_times[-1]} / ${copy_times[-1]} }")")
done
files=$(find "$out/batch" -type f | wc -l)
r=$(median "${render_times[@]}")
c=$(median "${copy_times[@]}")
echo "$count characters to disk ($files files), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "  kelvara-render: median ${r}s of runs: ${render_times[*]}"
echo "  cp -r:          median ${c}s of runs: ${copy_times[*]}"
echo "  ratio render / copy: $(awk "BEGIN { printf \"%.2f\", $r / $c }") of the medians;" \
    "median $(median "${ratios[@]}") of the rounds' ratios: ${ratios[*]}"
