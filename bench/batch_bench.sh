#!/usr/bin/env bash
# Times kestrava-design --batch on COUNT generated ratings with any further OPTIONs (--table FILE,
# --assess, ...); fails above the target, 10 s unless KESTRAVA_BATCH_TARGET_SECONDS says otherwise.
# Usage: batch_bench.sh KESTRAVA_DESIGN [COUNT [OPTION...]]
set -euo pipefail
program=$1
count=${2:-1000000}
options=("${@:3}")
target=${KESTRAVA_BATCH_TARGET_SECONDS:-10}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n="$count" 'BEGIN {
    split("Delta-Star Star-Delta Star-Star Delta-Delta", connections, " ")
    split("11000 6600 3300 22000", primaries, " ")
    print "kva,primary,secondary,frequency,connection,tapping"
    for (i = 0; i < n; i++) {
        printf "%d,%s,%s,%s,%s,%d\n", 25 + i % 126, primaries[1 + i % 4], (i % 2 ? "433" : "415"),
               (i % 5 ? "50" : "60"), connections[1 + int(i / 7) % 4], i % 11
    }
}' > "$work/ratings.csv"

start=$(date +%s.%N)
lines=$("$program" --batch "$work/ratings.csv" "${options[@]}" | wc -l)
end=$(date +%s.%N)
seconds=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", e - s }')
echo "kestrava-design --batch ${options[*]}: $count ratings, $lines lines, ${seconds} s"
[[ "$lines" -eq "$count" ]] || { echo "expected $count output lines" >&2; exit 1; }
awk -v s="$seconds" -v t="$target" 'BEGIN { exit !(s < t) }' ||
    { echo "slower than the $target s target" >&2; exit 1; }
