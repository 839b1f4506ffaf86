#!/usr/bin/env bash
# Checks a Windows build's export table: every calculation under its plain
# and its decorated stdcall name, the registration entries under their
# decorated names, and nothing that is not ours.
set -euo pipefail
objdump=$1
dll=$2
list=$3
table=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\]/ {print $NF}' | grep -v '^Table$' || true)
expected=$( {
  grep -E '^[A-Za-z]' "$list" | while read -r name bytes _; do
    echo "$name"
    echo "_${name}@${bytes}"
  done
  echo "_DllRegisterServer@0"
  echo "_DllUnregisterServer@0"
} | sort)
actual=$(echo "$table" | sort)
if [ "$expected" != "$actual" ]; then
  echo "export table of $dll differs from $list:"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
echo "export table of $dll: $(echo "$actual" | wc -l) names, as listed"
