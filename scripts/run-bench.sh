#!/usr/bin/env bash
# Runs every benchmark program of a benchmark build, in name order.
set -euo pipefail
build=$1
found=0
for program in "$build"/bin/*_bench; do
  [ -x "$program" ] || continue
  found=1
  echo "== $(basename "$program")"
  "$program"
done
[ $found -eq 1 ] || echo "no benchmarks built"
