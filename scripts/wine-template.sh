#!/usr/bin/env bash
# Makes the Wine prefix that every Windows test copies into a throw-away
# prefix of its own; created once (under a lock), reused while Wine's
# version and this recipe stay the same. Needs a display: call it under
# with-display.sh.
#
# Besides Wine's own set-up, the prefix gets the faces the program's layouts
# were drawn for:
# - "Arial Unicode MS", the forms' face, is drawn with Liberation Sans, which
#   has Arial's metrics, in English and Spanish. The Thai texts ask for the
#   Thai character set; for it the face is Loma (fonts-thai-tlwg), its line
#   cut to the ascent and descent of the face the layouts were drawn for
#   (1.069 and 0.271 em; Loma reserves 1.149 and 0.44 em, more than its
#   letters use), as "Loma Compact" (scripts/derive-font.py).
# - Wine's captions, menus and message boxes ask for "MS Shell Dlg"
#   (Tahoma). The prefix has no Tahoma, so Latin falls back to Liberation
#   Sans; their fonts ask for the user's character set, so that a Thai
#   session draws them with Loma Compact too (Wine's Tahoma has no Thai
#   letters).
# - From Wine's own faces (fonts-wine), which this Wine does not load from
#   its folder: Marlett, the symbols of the caption buttons, and the bitmap
#   System fonts of each code page. The About box is a dialog in the 8-point
#   System font: its dialog units, and so its layout, follow that font's
#   16-pixel lines. Not Wine's Tahoma nor its MS Sans Serif: they have no
#   Thai letters, and a request for a face by name gets it whatever the
#   character set.
# Wine's font linking would give Liberation Sans Thai glyphs for measuring,
# but Wine shapes Thai text through Uniscribe, which ignores the links and
# draws empty boxes: hence a face per character set instead.
set -euo pipefail
template=$1
loader=${TESSARA_WINE:-/usr/lib/wine/wine64}
# Raise when the recipe below changes: the stamp then differs and every
# work tree remakes its template.
recipe=5
latin_face="Liberation Sans"
thai_source=Loma
thai_face="Loma Compact"
thai_line_em="1.069 0.271"
stamp="$("$loader" --version 2>/dev/null || echo unknown) recipe $recipe: $latin_face, $thai_face"
wine_fonts=/usr/share/wine/fonts
marlett=$wine_fonts/marlett.ttf
mkdir -p "$(dirname "$template")"
exec 9>"$template.lock"
flock 9
if [ -f "$template/.tessara-ready" ] && [ "$(cat "$template/.tessara-ready")" = "$stamp" ]; then
  exit 0
fi
thai_regular=$(fc-match -f '%{file}' "$thai_source:weight=regular")
thai_bold=$(fc-match -f '%{file}' "$thai_source:weight=bold")
for file in "$marlett" "$(fc-match -f '%{file}' "$latin_face")" "$thai_regular" "$thai_bold"; do
  if [ ! -f "$file" ] || ! fc-query -f '%{family}\n' "$file" | grep -qiE "marlett|$latin_face|$thai_source"; then
    echo "wine-template: a face is missing ($file); run scripts/install-deps.sh" >&2
    exit 1
  fi
done
rm -rf "$template"
mkdir -p "$template"
export WINEPREFIX=$template WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko download prompts: the project needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$loader")/wineboot" -i > /dev/null 2>&1 || "$loader" wineboot -i > /dev/null 2>&1
"$(dirname "$loader")/wineserver" -w || true

cp "$marlett" "$wine_fonts"/vga*.fon "$template/drive_c/windows/Fonts/"
for weight in regular bold; do
  source=$thai_regular
  [ $weight = bold ] && source=$thai_bold
  python3 "$(dirname "$0")/derive-font.py" "$source" \
    "$template/drive_c/windows/Fonts/tessara-thai-$weight.ttf" "$thai_face" $thai_line_em
done
settings=$(mktemp --suffix=.reg)
trap 'rm -f "$settings"' EXIT
python3 - "$latin_face" "$thai_face" > "$settings" <<'PYTHON'
import struct, sys
latin, thai = sys.argv[1], sys.argv[2]
THAI_CHARSET, DEFAULT_CHARSET = 222, 1

def logfont(height, weight, face):
    # LOGFONTW: the user's character set (DEFAULT_CHARSET), so that a Thai
    # session picks a face with Thai letters.
    fixed = struct.pack("<5l8B", height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0x22)
    name = face.encode("utf-16-le").ljust(64, b"\0")
    return "hex:" + ",".join("%02x" % b for b in fixed + name)

lines = ["REGEDIT4", "",
         r"[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]",
         '"Arial Unicode MS"="%s"' % latin, "",
         r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]"]
for face in ["Arial Unicode MS", "Tahoma", "MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif",
             "Microsoft Sans Serif"]:
    lines.append('"%s,%d"="%s,%d"' % (face, THAI_CHARSET, thai, THAI_CHARSET))
lines += ["", r"[HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics]"]
for name, weight in [("CaptionFont", 700), ("SmCaptionFont", 400), ("MenuFont", 400),
                     ("MessageFont", 400), ("StatusFont", 400), ("IconFont", 400)]:
    lines.append('"%s"=%s' % (name, logfont(-11, weight, "MS Shell Dlg")))
print("\r\n".join(lines + [""]), end="")
PYTHON
"$loader" reg import "Z:${settings//\//\\}" > /dev/null 2>&1
"$(dirname "$loader")/wineserver" -w || true
echo "$stamp" > "$template/.tessara-ready"
