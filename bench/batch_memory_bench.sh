#!/usr/bin/env bash
# Peak memory of kestrava-design --batch on a file whose middle line is MEGABYTES long (100 unless
# given), between good ratings; fails when the peak resident set reaches 64 MB or the long line
# does not become its error line.
# Usage: batch_memory_bench.sh KESTRAVA_DESIGN [MEGABYTES]
set -euo pipefail
program=$1
megabytes=${2:-100}
limit_kb=$((64 * 1024))

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo "kva,primary,secondary,frequency,connection,tapping"
    echo "100,11000,433,50,Delta-Star,5"
    head -c $((megabytes * 1024 * 1024)) /dev/zero | tr '\0' '7'
    echo ",11000,433,50,Delta-Star,5"
    echo "250,6600,415,50,Star-Delta,2"
} >"$work/ratings.csv"

/usr/bin/time -f "%M" -o "$work/peak_kb" "$program" --batch "$work/ratings.csv" >"$work/out.jsonl" \
    2>"$work/err.txt"
peak_kb=$(tail -n 1 "$work/peak_kb")
echo "kestrava-design --batch, one line of $megabytes MB among good ratings:" \
    "peak resident set $((peak_kb / 1024)) MB ($peak_kb kB)"
grep -qx '{"line":3,"error":"line too long (more than 65536 bytes)"}' "$work/out.jsonl" ||
    { echo "the long line did not become its error line" >&2; exit 1; }
[[ $(wc -l <"$work/out.jsonl") -eq 3 ]] || { echo "expected 3 output lines" >&2; exit 1; }
((peak_kb < limit_kb)) || { echo "peak resident set over 64 MB" >&2; exit 1; }
