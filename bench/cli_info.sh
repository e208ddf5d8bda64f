#!/usr/bin/env bash
# ovalis-cli info on 1,000 small Broadcast Wave files, against mediainfo (all files in one call)
# and ffprobe (one call per file, as it takes one), on the same files in the same run.
# BUILD_DIR picks the build (default build/); COUNT the number of files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
count=${COUNT:-1000}
cli="$dir/bin/ovalis-cli"
[ -x "$cli" ] || { echo "cli_info: build first ($cli is missing)" >&2; exit 1; }
for tool in ffmpeg ffprobe mediainfo; do
    command -v "$tool" >/dev/null || { echo "cli_info: $tool is missing (scripts/setup)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -f lavfi -i sine=frequency=440:duration=0.05 -ac 2 -ar 48000 -c:a pcm_s16le \
    -write_bext 1 -metadata description="Benchmark take" -metadata originator="Ovalis bench" \
    -metadata coding_history="A=PCM,F=48000,W=16,M=stereo,T=bench" "$work/take.wav"
mkdir "$work/files"
for i in $(seq -w 1 "$count"); do cp "$work/take.wav" "$work/files/take$i.wav"; done
files=("$work"/files/*.wav)

seconds() { date +%s.%N; }
run() {  # prints the seconds that the command took
    local start end
    start=$(seconds)
    "$@" >/dev/null 2>&1 || true
    end=$(seconds)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
probe_each() { for f in "${files[@]}"; do ffprobe -v error -show_format -show_streams "$f"; done; }

# One warm-up pass each, so that every tool finds the files in the page cache.
"$cli" info --json "${files[@]}" >/dev/null 2>&1
mediainfo "${files[@]}" >/dev/null

cli_s=$(run "$cli" info --json "${files[@]}")
text_s=$(run "$cli" info "${files[@]}")
mediainfo_s=$(run mediainfo "${files[@]}")
ffprobe_s=$(run probe_each)

printf 'files: %d\n' "$count"
printf 'ovalis-cli info --json  %8.3f s\n' "$cli_s"
printf 'ovalis-cli info (text)  %8.3f s\n' "$text_s"
printf 'mediainfo (one call)    %8.3f s   %6.1f x the time of ovalis-cli info --json\n' \
    "$mediainfo_s" "$(ratio "$mediainfo_s" "$cli_s")"
printf 'ffprobe (one per file)  %8.3f s   %6.1f x the time of ovalis-cli info --json\n' \
    "$ffprobe_s" "$(ratio "$ffprobe_s" "$cli_s")"
