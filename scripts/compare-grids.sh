#!/usr/bin/env bash
# Runs the grid dumper natively and under Wine and fails on the first
# difference: the Windows build must give the native results bit for bit.
set -euo pipefail
native_tool=$1
windows_tool=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native_tool" > "$work/native.txt"
"$here/wine-run.sh" "$windows_tool" | tr -d '\r' > "$work/windows.txt"
lines=$(wc -l < "$work/native.txt")
if ! diff -u "$work/native.txt" "$work/windows.txt" | head -40; then :; fi
if cmp -s "$work/native.txt" "$work/windows.txt"; then
  echo "grids identical: $lines lines"
else
  echo "grids differ"
  exit 1
fi
