#!/usr/bin/env bash
# Times a year of almanac pages to PDF (366 days: 122 openings, 245 pages) with the command-line
# almanac, and checks the PDF's page count. The aim is 20 s or less; the figure is processor
# time (user + system), as the machine may be shared, with the wall time beside it.
#   scripts/time-almanac-pages.sh [build folder] [first date]
set -euo pipefail
build_dir="${1:-build}"
from="${2:-2026-01-01}"
almanac="$build_dir/app/nocturna-almanac"
pdf="$(mktemp --suffix=.pdf)"
trap 'rm -f "$pdf"' EXIT
TIMEFORMAT='%U %S %R'
times=$({ time "$almanac" --almanac-pages --from "$from" --days 366 --pdf "$pdf" >/dev/null; } 2>&1)
read -r user system wall <<<"$times"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
cpu=$(echo "$user + $system" | bc)
echo "366 days from $from: $pages pages, $(stat -c %s "$pdf") bytes; processor ${cpu} s, wall ${wall} s (aim: 20 s)"
[ "$pages" = 245 ]
