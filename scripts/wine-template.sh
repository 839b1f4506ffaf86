#!/usr/bin/env bash
# Makes the Wine prefix that every Windows test copies into a throw-away
# prefix of its own; created once (under a lock), reused while Wine's
# version stays the same. Needs a display: call it under with-display.sh.
set -euo pipefail
template=$1
loader=${TESSARA_WINE:-/usr/lib/wine/wine64}
version=$("$loader" --version 2>/dev/null || echo unknown)
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
if [ -f "$template/.tessara-ready" ] && [ "$(cat "$template/.tessara-ready")" = "$version" ]; then
  exit 0
fi
rm -rf "$template"
mkdir -p "$template"
export WINEPREFIX=$template WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko download prompts: the project needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$loader")/wineboot" -i > /dev/null 2>&1 || "$loader" wineboot -i > /dev/null 2>&1
"$(dirname "$loader")/wineserver" -w || true
echo "$version" > "$template/.tessara-ready"
