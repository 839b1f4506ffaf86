#!/usr/bin/env bash
# Runs a Windows program under Wine in a throw-away prefix of its own, copied
# from the project's template, and returns the program's exit code.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
loader=${TESSARA_WINE:-/usr/lib/wine/wine64}
template=${TESSARA_WINE_TEMPLATE:-$root/out/wine-template}
"$here/wine-template.sh" "$template" || exit 1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/tessara-wine.XXXXXX")
cp -a "$template/." "$prefix/"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$loader" "$@"
status=$?
"$(dirname "$loader")/wineserver" -k > /dev/null 2>&1 || true
rm -rf "$prefix"
exit $status
