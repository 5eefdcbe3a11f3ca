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
"$(dirname "$0")/batch_ratings.sh" "$count" >"$work/ratings.csv"

start=$(date +%s.%N)
lines=$("$program" --batch "$work/ratings.csv" "${options[@]}" | wc -l)
end=$(date +%s.%N)
seconds=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", e - s }')
echo "kestrava-design --batch ${options[*]}: $count ratings, $lines lines, ${seconds} s"
[[ "$lines" -eq "$count" ]] || { echo "expected $count output lines" >&2; exit 1; }
awk -v s="$seconds" -v t="$target" 'BEGIN { exit !(s < t) }' ||
    { echo "slower than the $target s target" >&2; exit 1; }
