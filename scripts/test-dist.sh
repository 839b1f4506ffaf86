#!/usr/bin/env bash
# Tests of the release packages that make-dist.sh leaves in OUT/dist.
#
# Under 64-bit Wine, in one fresh prefix: the silent install of the win64
# installer (for all users, the default of an administrator, which a Wine
# user is) puts every file in the program folder, the Start-menu shortcut
# and the entry of the list of installed programs; the installed program
# starts and shows its main window (driven by the GUI harness); installing
# over an earlier version upgrades it in place; the silent uninstall removes
# the files, the shortcut and the entries and leaves nothing else of ours.
# Then a per-user install into the user's own folders, and its uninstall.
#
# The win32 installer cannot run here (this kernel runs no 32-bit code): its
# file list is read, and its program and library must be i386 images. The
# portable archives hold the same files, and SHA256SUMS matches them all.
#
# Needs a display and the Wine template: call it under with-display.sh after
# wine-template.sh, as run-tests.sh does.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(cd "${1:-$root/out}" && pwd)
version=$(head -n 1 "$root/VERSION")
dist="$out/dist"
loader=${TESSARA_WINE:-/usr/lib/wine/wine64}
wineserver="$(dirname "$loader")/wineserver"
template=${TESSARA_WINE_TEMPLATE:-$root/out/wine-template}
gui_tests="$out/build/win64/bin/tessara_gui_tests.exe"

passed=0
failed=0
check() {
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok    $name"
  else
    failed=$((failed + 1))
    echo "FAIL  $name"
  fi
}

work=$(mktemp -d "${TMPDIR:-/tmp}/tessara-dist.XXXXXX")
# Without winemenubuilder: Wine would mirror the Start menu into the desktop
# menus of the machine running the tests.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
  "$wineserver" -k > /dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$WINEPREFIX"
cp -a "$template/." "$WINEPREFIX/"

# Runs a Windows program and waits until every process it started has
# ended: an NSIS uninstaller copies itself to the temporary folder and
# returns at once while the copy does the work.
wine_wait() {
  "$loader" "$@" > /dev/null 2>&1
  local status=$?
  "$wineserver" -w
  return $status
}

user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n 1)
all_users_folder="$WINEPREFIX/drive_c/Program Files/Tessara"
all_users_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tessara"
user_folder="$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Tessara"
user_menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Tessara"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessara'
settings_key='Software\Tessara'
installed_files=(Tessara.exe Tessara.dll Tessara_en.chm Tessara_es.chm README.txt uninstall.exe)

# The value of a registry entry of the 64-bit view, or nothing.
registry_value() {
  "$loader" reg query "$1\\$2" /v "$3" /reg:64 2> /dev/null | tr -d '\r' |
    awk -v name="$3" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}
has_key() { "$loader" reg query "$1\\$2" /reg:64 > /dev/null 2>&1; }
lacks_key() { ! has_key "$@"; }

has_files() {
  local folder=$1 file
  for file in "${installed_files[@]}"; do
    [ -f "$folder/$file" ] || { echo "  missing $folder/$file"; return 1; }
  done
}
same_as_built() {
  cmp -s "$1/Tessara.exe" "$out/win64/Tessara.exe" && cmp -s "$1/Tessara.dll" "$out/win64/Tessara.dll"
}
is_gone() { [ ! -e "$1" ] || { echo "  still there: $1"; ls -la "$1"; return 1; }; }
# What of the prefix names Tessara: files and folders, and lines of the
# registry (Wine keeps it in the prefix's .reg files). The template has our
# derived Thai faces; an uninstall must leave it as the install found it.
ours() {
  find "$WINEPREFIX/drive_c" -iname '*tessara*' 2> /dev/null | sort
  cat "$WINEPREFIX"/*.reg | grep -i tessara | sort
}
nothing_left() {
  local left
  left=$(diff <(ours) "$work/ours-before")
  [ -z "$left" ] || { echo "  left behind:"; echo "$left"; return 1; }
}
equals() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'"; return 1; }; }

# The installed program, started and driven by the harness: its frame, its
# main window, and its exit through the menu with code zero.
installed_program_runs() {
  TESSARA_PROGRAM="$1" "$loader" "$gui_tests" \
    --gtest_filter='RunningProgram.FrameHasItsClassTitleSizeAndMdiClient:RunningProgram.OpensTheMainWindowAsAnMdiChildAtTheTopLeft:RunningProgram.ExitThroughTheMenuEndsWithCodeZero' \
    > "$work/installed-program.log" 2>&1 || { tail -n 30 "$work/installed-program.log"; return 1; }
  grep -q "3 tests" "$work/installed-program.log"
}

setup64="$dist/Tessara-$version-win64-setup.exe"
setup32="$dist/Tessara-$version-win32-setup.exe"

echo "== the win64 installer, for all users"
ours > "$work/ours-before"
# An earlier version first, so that the install of this one is an upgrade.
older="$work/Tessara-0.9.0.0-win64-setup.exe"
makensis -V1 -DVERSION=0.9.0.0 -DARCH=win64 -DSOURCE_DIR="$out/win64" \
  -DREADME="$root/installer/README.txt.in" -DICON="$root/Tessara_UI/resources/Tessara.ico" \
  -DOUT_FILE="$older" "$root/installer/tessara.nsi"
check "an earlier version installs silently" wine_wait "$older" /S
check "its entry names the earlier version" \
  equals "$(registry_value HKLM "$uninstall_key" DisplayVersion)" 0.9.0.0
echo "stale" > "$all_users_folder/Tessara.dll"
check "this version installs silently over it" wine_wait "$setup64" /S
check "every file is in Program Files\\Tessara" has_files "$all_users_folder"
check "the program and library are this build's" same_as_built "$all_users_folder"
check "the Start-menu shortcut exists" test -f "$all_users_menu/Tessara.lnk"
check "the entry of installed programs names this version" \
  equals "$(registry_value HKLM "$uninstall_key" DisplayVersion)" "$version"
check "the entry's uninstaller is the installed one" \
  equals "$(registry_value HKLM "$uninstall_key" QuietUninstallString)" \
  '"C:\Program Files\Tessara\uninstall.exe" /AllUsers /S'
check "the installed program starts and shows its main window" \
  installed_program_runs 'C:\Program Files\Tessara\Tessara.exe'
check "the silent uninstall ends" wine_wait "$all_users_folder/uninstall.exe" /AllUsers /S
check "the program folder is gone" is_gone "$all_users_folder"
check "the Start-menu folder is gone" is_gone "$all_users_menu"
check "the entry of installed programs is gone" lacks_key HKLM "$uninstall_key"
check "the settings key is gone" lacks_key HKLM "$settings_key"
check "nothing else of ours is left" nothing_left

echo "== the win64 installer, for the current user"
check "installs silently for the current user" wine_wait "$setup64" /S /CurrentUser
check "every file is in the user's folder" has_files "$user_folder"
check "the user's Start-menu shortcut exists" test -f "$user_menu/Tessara.lnk"
check "the user's entry of installed programs exists" has_key HKCU "$uninstall_key"
check "nothing was installed for all users" is_gone "$all_users_folder"
check "the silent uninstall ends" wine_wait "$user_folder/uninstall.exe" /CurrentUser /S
check "the user's folder is gone" is_gone "$user_folder"
check "the user's Start-menu folder is gone" is_gone "$user_menu"
check "the user's entry is gone" lacks_key HKCU "$uninstall_key"
check "the user's settings key is gone" lacks_key HKCU "$settings_key"
check "nothing else of ours is left" nothing_left

echo "== the win32 installer and the portable archives"
listing() { 7z l -slt "$1" | sed -n 's/^Path = //p' | sort; }
lists_release_files() {
  local names
  names=$(listing "$1" | sed 's|^[^/]*/||')
  local file
  for file in Tessara.exe Tessara.dll Tessara_en.chm Tessara_es.chm README.txt; do
    grep -q -x "$file" <<< "$names" || { echo "  $1 lacks $file"; return 1; }
  done
}
is_i386_image() {
  local folder="$work/x32"
  rm -rf "$folder" && mkdir -p "$folder"
  7z x -y -o"$folder" "$1" Tessara.exe Tessara.dll > /dev/null || return 1
  for file in Tessara.exe Tessara.dll; do
    i686-w64-mingw32-objdump -f "$folder/$file" | grep -q "file format pei-i386" || { echo "  $file is not i386"; return 1; }
  done
}
check "the win32 installer holds the release files" lists_release_files "$setup32"
check "the win32 installer's program and library are 32-bit" is_i386_image "$setup32"
check "the win64 archive holds the release files" lists_release_files "$dist/Tessara-$version-win64.zip"
check "the win32 archive holds the release files" lists_release_files "$dist/Tessara-$version-win32.zip"
check "SHA256SUMS matches every package" sh -c "cd '$dist' && sha256sum --quiet -c SHA256SUMS"
check "SHA256SUMS names the four packages" test "$(wc -l < "$dist/SHA256SUMS")" -eq 4

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
