#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, skipping what
# is already there so that a warm run costs seconds.
set -euo pipefail
packages=(
  cmake make g++ python3
  python3-pytest python3-venv      # the Python package's tests, and its install into a venv
  googletest                       # GoogleTest sources, built by each compiler
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64                      # 64-bit Wine only: this kernel runs no 32-bit code
  xvfb x11-apps x11-utils imagemagick xdotool   # display, screenshots
  fonts-thai-tlwg fonts-dejavu-core # Thai glyphs for the program's texts
  fonts-liberation fonts-wine      # Arial metrics for the layouts, Marlett for caption buttons
  fontconfig                       # fc-match: the Wine template checks its faces
  locales                          # es_ES and th_TH user locales for the tests
  time                             # /usr/bin/time -v for the benchmarks
  fp-utils-3.2.2                   # chmcmd, the HTML Help compiler of the help files
  libchm-bin                       # chmlib and its tools, to read the help files back
  nsis zip p7zip-full              # the installers, the portable archives, and reading both back
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
for locale in es_ES th_TH en_US; do
  if ! locale -a 2> /dev/null | grep -qi "^${locale}\.utf-\?8$"; then
    $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done
