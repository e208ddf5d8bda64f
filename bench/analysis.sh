#!/usr/bin/env bash
# The one read of the samples against md5sum on the same files in the same run: ovalis-cli levels
# --md5 --loudness of one hour of 24-bit stereo at 48 kHz (1.04 GB) and of 20 minutes of 24-bit
# 5.1 (the same bytes), then 100 files of 10 s with -j 2 against -j 1. Each figure is the best of
# RUNS runs (default 3) with the files in the page cache: wall seconds, and user plus system
# seconds of the processor. The machine's load is printed beside them, as it skews them.
# BUILD_DIR picks the build (default build/); BENCH_DIR the folder for the files (default a
# temporary one under /var/tmp, removed at the end).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
cli=$dir/bin/ovalis-cli
runs=${RUNS:-3}
[ -x "$cli" ] || { echo "analysis: build first ($cli is missing)" >&2; exit 1; }

work=${BENCH_DIR:-}
if [ -z "$work" ]; then
    work=$(mktemp -d /var/tmp/ovalis-analysis.XXXXXX)
    trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"

# "wall cpu" of the best of the runs (least wall time), output discarded.
best() {
    local best_wall="" best_cpu="" wall cpu
    "$@" >/dev/null 2>&1 || true
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -o "$work/time" -f '%e %U %S' "$@" >/dev/null 2>&1 || true
        read -r wall user system <"$work/time"
        cpu=$(echo "$user + $system" | bc)
        if [ -z "$best_wall" ] || [ "$(echo "$wall < $best_wall" | bc)" = 1 ]; then
            best_wall=$wall best_cpu=$cpu
        fi
    done
    echo "$best_wall $best_cpu"
}

ratio() { echo "scale=2; $1 / $2" | bc; }

load() { cut -d ' ' -f 1 /proc/loadavg; }

# One line: the whole read of the file against md5sum of it, with the target ratio.
against_md5sum() {
    local name=$1 file=$2 target=$3 ours peer
    read -r ours_wall ours_cpu <<<"$(best "$cli" levels --md5 --loudness "$file")"
    read -r peer_wall peer_cpu <<<"$(best md5sum "$file")"
    printf '%-28s ovalis %6.2f s (cpu %6.2f s) | md5sum %6.2f s (cpu %6.2f s), %.2fx its time (target: within %sx; load %s)\n' \
        "$name" "$ours_wall" "$ours_cpu" "$peer_wall" "$peer_cpu" \
        "$(ratio "$ours_wall" "$peer_wall")" "$target" "$(load)"
}

if [ ! -f "$work/hour.wav" ]; then
    sox -D -n -r 48000 -c 2 -b 24 "$work/hour.wav" synth 3600 pinknoise vol -20dB
fi
if [ ! -f "$work/surround.wav" ]; then
    sox -D -n -r 48000 -c 6 -b 24 "$work/surround.wav" synth 1200 pinknoise vol -20dB
fi
against_md5sum "levels --md5 --loudness 1 h" "$work/hour.wav" 1.3
against_md5sum "the same on 20 min of 5.1" "$work/surround.wav" 1.5

mkdir -p "$work/many"
if [ ! -f "$work/many/take099.wav" ]; then
    sox -D -n -r 48000 -c 2 -b 24 "$work/many/take.wav" synth 10 pinknoise vol -20dB
    for ((i = 0; i < 100; i++)); do cp "$work/many/take.wav" "$(printf '%s/many/take%03d.wav' "$work" "$i")"; done
    rm "$work/many/take.wav"
fi
for command in "md5" "levels --md5 --loudness" "check --levels"; do
    # shellcheck disable=SC2086
    read -r one_wall one_cpu <<<"$(best "$cli" $command -j 1 "$work"/many/take*.wav)"
    # shellcheck disable=SC2086
    read -r two_wall two_cpu <<<"$(best "$cli" $command -j 2 "$work"/many/take*.wav)"
    printf '%-28s -j 2 %6.2f s (cpu %6.2f s) | -j 1 %6.2f s (cpu %6.2f s), %.2fx its time (target: within 0.6x; load %s)\n' \
        "100 files: $command" "$two_wall" "$two_cpu" "$one_wall" "$one_cpu" \
        "$(ratio "$two_wall" "$one_wall")" "$(load)"
done
