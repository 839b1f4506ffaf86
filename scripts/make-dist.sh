#!/usr/bin/env bash
# Makes the release packages from the two Windows builds under OUT: for each
# of win64 and win32 an installer (NSIS) and a portable archive, and the
# SHA256SUMS of them all, in OUT/dist. The version is the file VERSION's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(cd "${1:-$root/out}" && pwd)
version=$(head -n 1 "$root/VERSION")
dist="$out/dist"
rm -rf "$dist"
mkdir -p "$dist"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for arch in win64 win32; do
  source="$out/$arch"
  for file in Tessara.exe Tessara.dll; do
    [ -f "$source/$file" ] || { echo "make-dist: $source/$file is missing; build first" >&2; exit 1; }
  done
  # The README of the release, with Windows line ends for Notepad.
  readme="$work/README-$arch.txt"
  sed -e "s/@VERSION@/$version/g" -e "s/@ARCH@/$arch/g" -e 's/$/\r/' \
    "$root/installer/README.txt.in" > "$readme"

  makensis -V2 -DVERSION="$version" -DARCH="$arch" -DSOURCE_DIR="$source" \
    -DREADME="$readme" -DICON="$root/Tessara_UI/resources/Tessara.ico" \
    -DOUT_FILE="$dist/Tessara-$version-$arch-setup.exe" "$root/installer/tessara.nsi"

  folder="Tessara-$version-$arch"
  mkdir -p "$work/$folder"
  cp "$source/Tessara.exe" "$source/Tessara.dll" "$work/$folder/"
  for help in Tessara_en.chm Tessara_es.chm; do
    [ -f "$source/$help" ] && cp "$source/$help" "$work/$folder/"
  done
  cp "$readme" "$work/$folder/README.txt"
  (cd "$work" && zip -q -X -r "$dist/$folder.zip" "$folder")
done

(cd "$dist" && sha256sum -- *.exe *.zip > SHA256SUMS)
echo "release packages of Tessara $version in $dist:"
ls -l "$dist"
