#!/usr/bin/env bash
# ovalis-table listing 10,000 small Broadcast Wave files with its default columns, beside
# ovalis-cli info --json on the same files. The table runs with --quit-when-loaded on the
# offscreen platform unless a display is set. BUILD_DIR picks the build; COUNT the files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
count=${COUNT:-10000}
cli="$dir/bin/ovalis-cli"
table="$dir/bin/ovalis-table"
for program in "$cli" "$table"; do
    [ -x "$program" ] || { echo "table_list: build first ($program is missing)" >&2; exit 1; }
done
command -v ffmpeg >/dev/null || { echo "table_list: ffmpeg is missing (scripts/setup)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -v error -f lavfi -i sine=frequency=440:duration=0.05 -ac 2 -ar 48000 -c:a pcm_s16le \
    -write_bext 1 -metadata description="Benchmark take" -metadata originator="Ovalis bench" \
    "$work/take.wav"
mkdir "$work/files"
for i in $(seq -w 1 "$count"); do cp "$work/take.wav" "$work/files/take$i.wav"; done
export QT_QPA_PLATFORM=${DISPLAY:+xcb}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

# A warm-up pass, so that both find the files in the page cache.
"$cli" info --json "$work"/files/*.wav >/dev/null 2>&1 || true
start=$(date +%s%N)
"$cli" info --json "$work"/files/*.wav >/dev/null 2>&1 || true
cli_ms=$((($(date +%s%N) - start) / 1000000))
start=$(date +%s%N)
listed=$(XDG_CONFIG_HOME="$work/config" "$table" --quit-when-loaded "$work/files" 2>/dev/null)
table_ms=$((($(date +%s%N) - start) / 1000000))
printf '%-28s ovalis-table %6d ms (%s; target: under 5000 ms) | ovalis-cli info --json %6d ms\n' \
    "table of $count files" "$table_ms" "$listed" "$cli_ms"
