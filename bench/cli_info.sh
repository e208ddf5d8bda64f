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

# Prints "WALL CPU": the seconds the command took, and the processor seconds it and its children
# used (user and system), as bash's time reports them.
run() {
    local TIMEFORMAT='%R %U %S' times
    times=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || true
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' <<<"$times"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
probe_each() { for f in "${files[@]}"; do ffprobe -v error -show_format -show_streams "$f"; done; }

# One warm-up pass each, so that every tool finds the files in the page cache.
"$cli" info --json "${files[@]}" >/dev/null 2>&1
mediainfo "${files[@]}" >/dev/null

read -r cli_s cli_cpu < <(run "$cli" info --json "${files[@]}")
read -r text_s text_cpu < <(run "$cli" info "${files[@]}")
read -r mediainfo_s mediainfo_cpu < <(run mediainfo "${files[@]}")
read -r ffprobe_s ffprobe_cpu < <(run probe_each)

printf 'files: %d          wall time    ratio to ovalis-cli info --json    processor time\n' "$count"
row() { printf '%-24s %8.3f s   %6s x                            %8.3f s\n' "$1" "$2" "$3" "$4"; }
row "ovalis-cli info --json" "$cli_s" "1.00" "$cli_cpu"
row "ovalis-cli info (text)" "$text_s" "$(ratio "$text_s" "$cli_s")" "$text_cpu"
row "mediainfo (one call)" "$mediainfo_s" "$(ratio "$mediainfo_s" "$cli_s")" "$mediainfo_cpu"
row "ffprobe (one per file)" "$ffprobe_s" "$(ratio "$ffprobe_s" "$cli_s")" "$ffprobe_cpu"
