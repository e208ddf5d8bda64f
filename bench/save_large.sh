#!/usr/bin/env bash
# Saves a 3.9 GiB WAVE file over itself, against cp --sparse=never of the same file in the same
# run, alone and followed by a sync of the copy (the save flushes its file to disk before it
# replaces the loaded one), and against dd in the save's own 12,000-byte passes: seconds and peak
# resident memory of each, the median of ROUNDS interleaved runs.
# BUILD_DIR picks the build (default build/); BENCH_DIR the folder for the files (default a
# temporary one under /var/tmp, removed at the end).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
bench=$dir/bin/ovalis_save_bench
[ -x "$bench" ] || { echo "save_large: build first ($bench is missing)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "save_large: /usr/bin/time is missing (scripts/setup)" >&2; exit 1; }

work=${BENCH_DIR:-}
if [ -z "$work" ]; then
    work=$(mktemp -d /var/tmp/ovalis-save.XXXXXX)
    trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"
size=4187593114
# The file written out in full, and beside it the copy or the saved file.
need_kib=$((2 * size / 1024 + 65536))
avail_kib=$(df --output=avail -k "$work" | tail -n 1)
if [ "$avail_kib" -lt "$need_kib" ]; then
    echo "save_large: $work has $((avail_kib / 1024)) MiB free, $((need_kib / 1024)) MiB needed" >&2
    exit 1
fi

# Prints the wall-clock seconds and the peak resident KiB of the command, started with no dirty
# pages left over from the one before.
measure() {
    sync
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null
    cat "$work/time"
}

# Made with its samples as a hole, then written out so that both sides read real blocks.
"$bench" make "$work/hole.wav" "$size"
cp --sparse=never "$work/hole.wav" "$work/take.wav"
rm -f "$work/hole.wav"
# One run of each, in turn, ROUNDS times (default 3): the disk's own swings are larger than the
# differences measured, and a median of interleaved runs shares them out.
run_case() {
    case $1 in
        cp) measure cp --sparse=never "$work/take.wav" "$work/copy.wav" ;;
        sync) measure sh -c 'cp --sparse=never "$1" "$2" && sync "$2"' sh "$work/take.wav" \
            "$work/copy.wav" ;;
        # The same bytes in the save's own 12,000-byte passes, flushed to disk as the save does.
        dd) measure dd if="$work/take.wav" of="$work/copy.wav" bs=12000 conv=fsync status=none ;;
        save) measure "$bench" save "$work/take.wav" ;;
    esac
}
rounds=${ROUNDS:-3}
for ((r = 0; r < rounds; r++)); do
    for c in cp sync dd save; do
        run_case "$c" >>"$work/$c.times"
        rm -f "$work/copy.wav"
    done
done
# The median run's seconds and peak KiB.
median() { sort -n "$work/$1.times" | sed -n "$(((rounds + 1) / 2))p"; }
read -r cp_s cp_kib < <(median cp)
read -r sync_s sync_kib < <(median sync)
read -r dd_s dd_kib < <(median dd)
read -r save_s save_kib < <(median save)
[ "$(stat -c %s "$work/take.wav")" -eq "$size" ] || { echo "save_large: wrong size" >&2; exit 1; }

ratio() { echo "scale=2; $1 / $2" | bc; }
# As in the other cases, a ratio is the peer's time over Ovalis's: above 1, Ovalis is quicker.
printf 'save 3.9 GiB file over itself  ovalis %7.2f s %7d KiB peak RSS' "$save_s" "$save_kib"
printf ' | cp --sparse=never %7.2f s %6d KiB %5.2fx' "$cp_s" "$cp_kib" "$(ratio "$cp_s" "$save_s")"
printf ' | cp + sync %7.2f s %6d KiB %5.2fx' "$sync_s" "$sync_kib" "$(ratio "$sync_s" "$save_s")"
printf ' | dd bs=12000 conv=fsync %7.2f s %6d KiB %5.2fx\n' "$dd_s" "$dd_kib" \
    "$(ratio "$dd_s" "$save_s")"
[ "$save_kib" -lt 65536 ] || { echo "save_large: peak RSS over 64 MiB" >&2; exit 1; }
