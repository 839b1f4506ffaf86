#!/usr/bin/env bash
# Compiles the help file of one language: help/<language>/Tessara_<language>.hhp
# into Tessara_<language>.chm with chmcmd (Free Pascal's HTML Help compiler).
#
#   build-help.sh HELP_SOURCE_DIR LANGUAGE OUTPUT_CHM
#
# chmcmd 3.2.2 writes the topic map (#IVB, #STRINGS) with the absolute path
# of the project's folder in front of each page, so HTML Help, which looks a
# numeric topic's page up inside the file, would find nothing. The project is
# therefore compiled from a staged copy that chmcmd sees as the root folder
# (a private mount namespace with /usr bound in, then chroot): the map then
# holds "/page.html", the path of the page inside the CHM.
set -euo pipefail
source_dir=$(cd "$1" && pwd)
language=$2
output=$3
compiler=$(readlink -f "$(command -v chmcmd)")
stage=$(mktemp -d "${TMPDIR:-/tmp}/tessara-help.XXXXXX")
trap 'rm -rf --one-file-system "$stage"' EXIT
cp -r "$source_dir/$language/." "$stage/"
cp "$source_dir/topics.h" "$source_dir/style.css" "$stage/"
mkdir "$stage/usr"
ln -s usr/lib "$stage/lib"
ln -s usr/lib64 "$stage/lib64"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(--map-root-user)
unshare "${as_root[@]}" --mount sh -c \
  'mount --bind /usr "$1/usr" && cd "$1" && chroot "$1" "$2" --no-html-scan "/Tessara_$3.hhp"' \
  compile "$stage" "$compiler" "$language" > "$stage/chmcmd.log" 2>&1 ||
  { cat "$stage/chmcmd.log" >&2; exit 1; }
if grep -qiE "error|corrupt" "$stage/chmcmd.log" || [ ! -s "$stage/Tessara_$language.chm" ]; then
  cat "$stage/chmcmd.log" >&2
  exit 1
fi
mkdir -p "$(dirname "$output")"
mv "$stage/Tessara_$language.chm" "$output"
