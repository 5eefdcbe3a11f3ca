#!/usr/bin/env bash
# Start-up of one design from the command line, measured in the same run as a bare Python start.
# Fails when the design process is not the faster of the two.
# Usage: startup_bench.sh KESTRAVA_DESIGN
set -euo pipefail
program=$1
design="$program --kva 100 --primary 11000 --secondary 433"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

hyperfine --shell=none --warmup 20 --runs 300 --export-json "$work/times.json" \
    --command-name "python3 -S -c pass" "python3 -S -c pass" \
    --command-name "kestrava-design (one design, JSON)" "$design"
python3 - "$work/times.json" <<'PYTHON'
import json, sys
python, design = json.load(open(sys.argv[1]))["results"]
print(f"median: python3 -S -c pass {python['median'] * 1e3:.2f} ms, "
      f"kestrava-design {design['median'] * 1e3:.2f} ms")
sys.exit(0 if design["median"] < python["median"] else "the design started slower than Python")
PYTHON
