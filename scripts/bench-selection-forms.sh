#!/usr/bin/env bash
# Times the two selection forms on a list of a million lines (about 40 MB)
# under Wine: from the press of Run to the completed output, and to the text
# editor showing it, with the growth of the program's peak resident memory.
# Needs the 64-bit Windows build (make build-windows).
#
#   scripts/bench-selection-forms.sh [OUT]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(cd "${1:-$root/out}" && pwd)
bench=$out/build/win64/bin/tessara_selection_forms_bench.exe
[ -f "$bench" ] || bench=$(find "$out/build/win64" -name tessara_selection_forms_bench.exe | head -1)
export TESSARA_WINE_TEMPLATE=${TESSARA_WINE_TEMPLATE:-$root/out/wine-template}
exec "$here/with-display.sh" sh -c \
  "'$here/wine-template.sh' '$TESSARA_WINE_TEMPLATE' && '$here/wine-run.sh' '$bench' --gtest_filter=SelectionFormBenchmark.*"
