#!/usr/bin/env bash
# The audio checksum and the loudness against the tools a user would otherwise reach for, on the
# same bytes in the same run: ovalis-cli md5 of a 3.9 GiB file against md5sum, the MD5, loudness
# and levels of the same file in one read against md5sum, and ovalis-cli loudness of one hour of
# stereo at 48 kHz against ffmpeg's ebur128 filter (true peak on in both); then that hour's
# waveform drawn from its levl chunk. Seconds of one run each, after one run that brings the
# file into the page cache.
# BUILD_DIR picks the build (default build/); BENCH_DIR the folder for the files (default a
# temporary one under /var/tmp, removed at the end).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
cli=$dir/bin/ovalis-cli
bench=$dir/bin/ovalis_save_bench
draw=$dir/bin/ovalis_waveform_draw
for program in "$cli" "$bench" "$draw"; do
    [ -x "$program" ] || { echo "trust: build first ($program is missing)" >&2; exit 1; }
done

work=${BENCH_DIR:-}
if [ -z "$work" ]; then
    work=$(mktemp -d /var/tmp/ovalis-trust.XXXXXX)
    trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"

seconds() {
    "$@" >/dev/null 2>&1
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "scale=2; ($end - $start) / 1000000000" | bc
}

ratio() { echo "scale=2; $1 / $2" | bc; }

size=${TRUST_MD5_SIZE:-4187593114}
"$bench" make "$work/hole.wav" "$size"
cp --sparse=never "$work/hole.wav" "$work/large.wav"
rm "$work/hole.wav"
ours=$(seconds "$cli" md5 "$work/large.wav")
peer=$(seconds md5sum "$work/large.wav")
printf '%-28s ovalis %8.2f s | md5sum %8.2f s, %.2fx the time (target: ovalis within 1.2x)\n' \
    "md5 of $((size / 1048576)) MiB" "$ours" "$peer" "$(ratio "$peer" "$ours")"
all=$(seconds "$cli" levels --md5 --loudness "$work/large.wav")
printf '%-28s ovalis %8.2f s | md5sum %8.2f s, %.2fx the time (target: ovalis within 1.3x)\n' \
    "md5+loudness+levels $((size / 1048576)) MiB" "$all" "$peer" "$(ratio "$peer" "$all")"
rm "$work/large.wav"

length=${TRUST_LOUDNESS_SECONDS:-3600}
sox -D -n -r 48000 -c 2 -b 24 "$work/hour.wav" synth "$length" pinknoise vol -20dB
ours=$(seconds "$cli" loudness "$work/hour.wav")
peer=$(seconds ffmpeg -nostats -i "$work/hour.wav" -af ebur128=peak=true -f null -)
printf '%-28s ovalis %8.2f s | ffmpeg ebur128 %8.2f s, %.2fx the time (target: ovalis within 1.5x)\n' \
    "loudness of ${length} s stereo" "$ours" "$peer" "$(ratio "$peer" "$ours")"

"$cli" levl --write "$work/hour.wav" >/dev/null
QT_QPA_PLATFORM=offscreen "$draw" "$work/hour.wav" >/dev/null 2>&1
drawn=$(QT_QPA_PLATFORM=offscreen "$draw" "$work/hour.wav" | sed -n 's/waveform drawn in \([0-9.]*\) ms/\1/p')
printf '%-28s ovalis %8.2f ms from the levl chunk to the drawn page (target: under 100 ms)\n' \
    "waveform of ${length} s" "$drawn"
