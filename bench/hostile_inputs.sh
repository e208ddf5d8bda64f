#!/usr/bin/env bash
# ovalis-cli on hostile inputs (tens of thousands of INFO entries, iXML tracks and markers, many
# compressed ADM documents, an import of many markers, a large file named like a journal), made
# by hostile_inputs.py in a temporary folder. Prints each command's seconds, peak memory and
# output size; every one should stay under 2 s and 200 MB. The processor seconds (user and
# system) show the work itself when other programs share the machine. BUILD_DIR picks the build (default
# build/); LIMIT the seconds after which a command is stopped (default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BUILD_DIR:-$root/build}
limit=${LIMIT:-60}
cli="$dir/bin/ovalis-cli"
[ -x "$cli" ] || { echo "hostile_inputs: build first ($cli is missing)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "hostile_inputs: /usr/bin/time is missing (scripts/setup)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/hostile_inputs.py" "$work"

printf '%-16s %-34s %8s %8s %10s %12s %5s\n' input command seconds "cpu s" "peak KiB" "output B" exit
run() {
    local input=$1
    shift
    local status=0
    timeout "$limit" /usr/bin/time -f '%e %M %U %S' -o "$work/time" "$cli" "$@" >"$work/out" \
        2>/dev/null || status=$?
    local seconds="> $limit" kib="-" user=0 system=0 cpu="-"
    # The last line: time puts a note of a failed command's status before it.
    if [ "$status" -ne 124 ]; then
        read -r seconds kib user system < <(tail -n 1 "$work/time")
        cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
    fi
    printf '%-16s %-34s %8s %8s %10s %12s %5s\n' "$input" "$*" "$seconds" "$cpu" "$kib" \
        "$(stat -c %s "$work/out")" "$status"
}

cd "$work"
for input in info10k.wav info800k.wav ixml60k.wav cue200k.wav bxml571.wav; do
    for command in "info" "info --json" "export --csv" "export --json" "markers" "check"; do
        # shellcheck disable=SC2086
        run "$input" $command "$input"
    done
done
run bxml571.wav export --axml bxml571.wav
# The export of many iXML tracks imported again: every value already as the file holds it.
"$cli" export --json ixml60k.wav >ixml60k.json
run ixml60k.json import --json ixml60k.json
cp import200k.wav import200k.orig
run markers200k.json import --json markers200k.json
run import200k.wav markers --json import200k.wav
cp import200k.orig import200k.wav
run journaled.wav info journaled.wav
