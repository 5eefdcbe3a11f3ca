#!/usr/bin/env bash
# Size, wall and CPU time and peak memory of one batch of COUNT generated ratings (1,000,000
# unless given) printed as the whole JSON record, as a CSV of five record fields, and with
# --assess as a CSV of five fields of which three are assessment values. Fails when a five-field
# CSV is not smaller and faster than the JSON.
# Usage: batch_formats_bench.sh KESTRAVA_DESIGN [COUNT]
set -euo pipefail
program=$1
count=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$(dirname "$0")/batch_ratings.sh" "$count" >"$work/ratings.csv"

record_fields=kvaRating,primaryVoltage,totalLosses,efficiency,consistent
assessed_fields=kvaRating,efficiency,assessment.masses.total,assessment.cost.totalOwning
assessed_fields+=,assessment.maximumEfficiency.percent

# run NAME OPTION...: prints NAME, output bytes, wall s, CPU s, peak MB; the figures land in
# $work/NAME.figures as "bytes wall cpu".
run() {
    local name=$1
    shift
    local bytes
    bytes=$(/usr/bin/time -f "%e %U %S %M" -o "$work/time" \
        "$program" --batch "$work/ratings.csv" "$@" 2>/dev/null | wc -c)
    read -r wall user system peak_kb <"$work/time"
    local cpu
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
    echo "$bytes $wall $cpu" >"$work/$name.figures"
    printf "| %-48s | %6.1f MB | %6.2f s | %6.2f s | %4d MB |\n" "$name" \
        "$(awk -v b="$bytes" 'BEGIN { print b / 1e6 }')" "$wall" "$cpu" $((peak_kb / 1024))
}

echo "kestrava-design --batch of $count ratings:"
echo "| output                                           |    size    |   wall   |   CPU    |  peak   |"
run "JSON, whole record"
run "CSV, five record fields" --format csv --fields "$record_fields"
run "JSON with --assess, whole record" --assess
run "CSV with --assess, five fields (three assessed)" --assess --format csv --fields "$assessed_fields"

read -r json_bytes json_wall json_cpu <"$work/JSON, whole record.figures"
for csv in "CSV, five record fields" "CSV with --assess, five fields (three assessed)"; do
    read -r bytes wall cpu <"$work/$csv.figures"
    awk -v b="$bytes" -v c="$cpu" -v jb="$json_bytes" -v jc="$json_cpu" \
        'BEGIN { exit !(b < jb && c < jc) }' ||
        { echo "$csv is not smaller and faster than the JSON" >&2; exit 1; }
done
