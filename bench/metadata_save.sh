#!/usr/bin/env bash
# ovalis-cli set of one bext field in place against the same set written as a whole new file
# (--rewrite): on a 3.9 GiB file whose samples are a hole (time and bytes written, from the
# process's /proc/PID/io read just before it is reaped), and on COUNT files of 20 MB.
# BUILD_DIR picks the build (default build/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
count=${COUNT:-200}
cli="$dir/bin/ovalis-cli"
[ -x "$cli" ] || { echo "metadata_save: build first ($cli is missing)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "MS WRITTEN": milliseconds and bytes written (wchar) of one run of the command.
measure() {
    python3 - "$@" <<'PY'
import os, subprocess, sys, time
start = time.monotonic()
child = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
os.waitid(os.P_PID, child.pid, os.WEXITED | os.WNOWAIT)
ms = (time.monotonic() - start) * 1000
io = dict(line.split(': ') for line in open(f'/proc/{child.pid}/io').read().splitlines())
child.wait()
print(f"{ms:.1f} {io['wchar']}")
PY
}

"$dir/bin/ovalis_bench_file" sparse "$work/large.wav" 4187593114
"$cli" set Originator=Warm "$work/large.wav"
read -r ms written < <(measure "$cli" set Originator=InPlace "$work/large.wav")
read -r rms rwritten < <(measure "$cli" set --rewrite Originator=Rewrite "$work/large.wav")
printf '%-28s ovalis %8.1f ms, %s B written | set --rewrite %9.1f ms, %s B written %8.1fx\n' \
    "set 1 bext field, 3.9 GiB" "$ms" "$written" "$rms" "$rwritten" \
    "$(echo "scale=2; $rms / $ms" | bc)"

ffmpeg -v error -f lavfi -i "sine=d=104:sample_rate=48000" -ac 2 -c:a pcm_s16le -write_bext 1 \
    -metadata originator=bench "$work/take.wav"
mkdir "$work/files"
for i in $(seq -w 1 "$count"); do cp "$work/take.wav" "$work/files/take$i.wav"; done
files=("$work"/files/*.wav)
elapsed() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "scale=1; ($end - $start) / 1000000" | bc
}
ms=$(elapsed "$cli" set Originator=InPlace "${files[@]}")
rms=$(elapsed "$cli" set --rewrite Originator=Rewrite "${files[@]}")
printf '%-28s ovalis %8.1f ms | set --rewrite %9.1f ms %8.1fx\n' "set on $count files of 20 MB" \
    "$ms" "$rms" "$(echo "scale=2; $rms / $ms" | bc)"
