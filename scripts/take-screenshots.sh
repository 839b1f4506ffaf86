#!/usr/bin/env bash
# Takes screenshots of the program in English, Spanish and Thai: the frame
# with its main window, the About box and the frame with each form that the
# main window lets the user open, as PNG files named LANGUAGE-main.png,
# LANGUAGE-about.png and LANGUAGE-form-BUTTON.png (BUTTON: the id of the
# main window's button that opens the form).
#
# The GUI check of the texts' fit (tests/ui/text_fit_gui_test.cpp) walks
# these windows; asked through TESSARA_SCREENSHOTS it leaves a picture of
# each. This script runs it once per language, in the test prefix and on a
# private Xvfb, and turns the pictures into small PNG files.
#
#   scripts/take-screenshots.sh [OUT] [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(cd "${1:-$root/out}" && pwd)
folder=${2:-$out/screens}
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)
tests=$(find "$out/build/win64" -name tessara_gui_tests.exe -print -quit 2> /dev/null || true)
if [ -z "$tests" ]; then
  echo "take-screenshots: tessara_gui_tests.exe is missing under $out/build/win64; run 'make build' first" >&2
  exit 1
fi

if [ -z "${TESSARA_SCREENSHOT_DISPLAY:-}" ]; then
  unset DISPLAY
  TESSARA_SCREENSHOT_DISPLAY=1 exec "$here/with-display.sh" "$0" "$out" "$folder"
fi

export TESSARA_WINE_TEMPLATE=${TESSARA_WINE_TEMPLATE:-$root/out/wine-template}
"$here/wine-template.sh" "$TESSARA_WINE_TEMPLATE"
pictures=$(mktemp -d "${TMPDIR:-/tmp}/tessara-screens.XXXXXX")
trap 'rm -rf "$pictures"' EXIT
for locale in en_US es_ES th_TH; do
  # The check's verdict is the test suite's business; here only its pictures count.
  LC_ALL=$locale.UTF-8 TESSARA_SCREENSHOTS="Z:${pictures//\//\\}" \
    "$here/wine-run.sh" "$tests" --gtest_filter='TextsFit.*' > "$pictures/$locale.log" 2>&1 || true
done
shopt -s nullglob
count=0
for picture in "$pictures"/*.bmp; do
  name=$(basename "$picture" .bmp)
  # 256 colours keep the anti-aliased text and make the files a fifth of the size.
  convert "$picture" -strip -define png:compression-level=9 "PNG8:$folder/$name.png"
  echo "take-screenshots: $folder/$name.png"
  count=$((count + 1))
done
if [ $count -eq 0 ]; then
  echo "take-screenshots: no picture was taken; the runs said:" >&2
  cat "$pictures"/*.log >&2
  exit 1
fi
