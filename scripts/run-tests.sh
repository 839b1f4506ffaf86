#!/usr/bin/env bash
# Runs every test of the built tree: native, native under sanitizers, the
# 64-bit Windows build under Wine and Xvfb, the 32-bit export table, and
# the release packages (when OUT, which holds them, is given).
set -uo pipefail
build=$1
out=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc)
failed=0
run() {
  echo "== $1"
  shift
  "$@" || failed=1
}
run "native" ctest --test-dir "$build/linux" --output-on-failure -j "$jobs"
run "native, sanitizers" ctest --test-dir "$build/linux-sanitize" --output-on-failure -j "$jobs"
run "windows x86_64 under wine" "$here/with-display.sh" sh -c \
  "'$here/wine-template.sh' \"\$TESSARA_WINE_TEMPLATE\" && ctest --test-dir '$build/win64' --output-on-failure -j $jobs"
run "windows i686 (not executable here)" ctest --test-dir "$build/win32" --output-on-failure
if [ -n "$out" ]; then
  run "release packages under wine" "$here/with-display.sh" sh -c \
    "'$here/wine-template.sh' \"\$TESSARA_WINE_TEMPLATE\" && '$here/test-dist.sh' '$out'"
fi
if [ $failed -ne 0 ]; then
  echo "some tests failed"
  exit 1
fi
echo "all test suites passed"
