#!/usr/bin/env bash
# Writes a batch file of COUNT generated ratings (all kinds of kVA, voltage, frequency,
# connection and tapping) to standard output, the same for every run.
# Usage: batch_ratings.sh COUNT
set -euo pipefail
awk -v n="$1" 'BEGIN {
    split("Delta-Star Star-Delta Star-Star Delta-Delta", connections, " ")
    split("11000 6600 3300 22000", primaries, " ")
    print "kva,primary,secondary,frequency,connection,tapping"
    for (i = 0; i < n; i++) {
        printf "%d,%s,%s,%s,%s,%d\n", 25 + i % 126, primaries[1 + i % 4], (i % 2 ? "433" : "415"),
               (i % 5 ? "50" : "60"), connections[1 + int(i / 7) % 4], i % 11
    }
}'
