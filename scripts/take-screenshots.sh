#!/usr/bin/env bash
# Takes screenshots of the program in English, Spanish and Thai: the splash
# screen, the frame with its main window, and the About box, as PNG files
# named LANGUAGE-splash.png, LANGUAGE-frame.png and LANGUAGE-about.png.
# Uses the prefix of run-program.sh, a private Xvfb and xdotool for the keys.
#
#   scripts/take-screenshots.sh [OUT] [FOLDER]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(cd "${1:-$root/out}" && pwd)
folder=${2:-$out/screens}
mkdir -p "$folder"

if [ -z "${TESSARA_SCREENSHOT_DISPLAY:-}" ]; then
  unset DISPLAY
  TESSARA_SCREENSHOT_DISPLAY=1 exec "$here/with-display.sh" "$0" "$out" "$folder"
fi

shot() {
  # import reads window by window; xwd -root shows some of Wine's dialogs
  # black on Xvfb.
  import -display "$DISPLAY" -window root -crop 1000x760+0+0 +repage "$folder/$1.png"
  echo "take-screenshots: $folder/$1.png"
}

# The program's top-level X windows, as xwininfo lists them.
windows() {
  xwininfo -root -tree -display "$DISPLAY" 2> /dev/null | grep '("tessara.exe" "tessara.exe")' || true
}

# Waits (at most 30 s) until a line of windows matches the pattern.
wait_for() {
  for _ in $(seq 1 150); do
    windows | grep -qE "$1" && return 0
    sleep 0.2
  done
  echo "take-screenshots: no window matching $1" >&2
  return 1
}

wait_gone() {
  for _ in $(seq 1 150); do
    windows | grep -qE "$1" || return 0
    sleep 0.2
  done
  return 1
}

splash=' 692x413\+'
frame='"Tessara": .* 950x700\+'
for locale in en_US es_ES th_TH; do
  language=${locale%_*}
  LC_ALL=$locale.UTF-8 TESSARA_UNMANAGED_WINDOWS=1 timeout 120 "$here/run-program.sh" "$out" > /dev/null &
  runner=$!
  wait_for "$splash" && sleep 0.5 && shot "$language-splash"
  wait_for "$frame" && wait_gone "$splash" && sleep 0.5 && shot "$language-frame"
  xdotool key --clearmodifiers alt+slash
  # The About box: the program's one window besides the frame and the splash.
  wait_for '"[^"]+": \("tessara.exe" "tessara.exe"\) +[56][0-9][0-9]x' && sleep 0.5 &&
    shot "$language-about"
  xdotool key --clearmodifiers Escape
  sleep 0.5
  xdotool key --clearmodifiers alt+F4
  wait "$runner" || true
done
