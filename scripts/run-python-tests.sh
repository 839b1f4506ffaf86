#!/usr/bin/env bash
# Runs the tests of the Python package (python/tests, pytest) against the
# library given as the first argument. The interpreter is the first python3
# that has pytest: Debian's python3-pytest serves /usr/bin/python3, which
# need not be the first python3 on the path.
set -uo pipefail
library=$(realpath "$1")
shift
root=$(cd "$(dirname "$0")/.." && pwd)
python=""
for candidate in python3 /usr/bin/python3; do
  if command -v "$candidate" > /dev/null && "$candidate" -c "import pytest" 2> /dev/null; then
    python=$candidate
    break
  fi
done
if [ -z "$python" ]; then
  echo "FAILED: pytest is not installed (scripts/install-deps.sh installs python3-pytest)" >&2
  exit 1
fi
export TESSARA_LIBRARY="$library" PYTHONDONTWRITEBYTECODE=1
"$python" -m pytest -p no:cacheprovider -q "$root/python/tests" "$@"
status=$?
if [ $status -eq 5 ]; then
  echo "FAILED: pytest collected no test from $root/python/tests" >&2
  exit 1
fi
exit $status
