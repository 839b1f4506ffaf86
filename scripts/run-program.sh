#!/usr/bin/env bash
# Starts the 64-bit Tessara.exe under Wine in the project's own prefix
# (OUT/wineprefix, so out/wineprefix by default) and waits until it ends.
# Without a display it starts a private Xvfb for the program. Xvfb has no
# window manager, so there Wine draws the title bars itself (unmanaged
# windows); TESSARA_UNMANAGED_WINDOWS=1 asks for that on any display.
#
#   scripts/run-program.sh [OUT]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(cd "${1:-$root/out}" && pwd)
loader=${TESSARA_WINE:-/usr/lib/wine/wine64}
wineserver="$(dirname "$loader")/wineserver"
template=${TESSARA_WINE_TEMPLATE:-$root/out/wine-template}
program_dir=$out/win64
prefix=$out/wineprefix

if [ ! -f "$program_dir/Tessara.exe" ]; then
  echo "run-program: $program_dir/Tessara.exe is missing; run 'make build' first" >&2
  exit 1
fi

if [ -z "${DISPLAY:-}" ]; then
  TESSARA_UNMANAGED_WINDOWS=1 exec "$here/with-display.sh" "$0" "$out"
fi

export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEARCH=win64
# No Mono or Gecko download prompts (the program needs neither); the help
# viewer then simply has nothing to show when a help file is missing.
export WINEDLLOVERRIDES="mscoree,mshtml="

# The program's faces come with the template; the prefix is remade from it
# whenever the template is (its stamp names Wine's version and its recipe).
"$here/wine-template.sh" "$template"
version=$(cat "$template/.tessara-ready")
if [ ! -f "$prefix/.tessara-run-ready" ] || [ "$(cat "$prefix/.tessara-run-ready")" != "$version" ]; then
  echo "run-program: preparing the Wine prefix $prefix"
  rm -rf "$prefix"
  mkdir -p "$prefix"
  cp -a "$template/." "$prefix/"
  rm -f "$prefix/.tessara-ready"
  echo "$version" > "$prefix/.tessara-run-ready"
fi

# The setting of this run: whether a window manager decorates the windows.
managed=Y
[ -n "${TESSARA_UNMANAGED_WINDOWS:-}" ] && managed=N
settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
  "\"Managed\"=\"$managed\"" > "$settings"
"$loader" reg import "Z:${settings//\//\\}" > /dev/null 2>&1

echo "run-program: Tessara on display $DISPLAY (Wine prefix $prefix)"
# import reads each window: xwd -root shows some of Wine's dialogs black on Xvfb.
echo "run-program: screenshot with: import -display $DISPLAY -window root shot.png"
cd "$program_dir"
status=0
"$loader" Tessara.exe || status=$?
# Let the prefix's processes end before the display goes.
"$wineserver" -w || true
exit $status
