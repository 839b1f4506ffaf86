"""Estimates how much room a text takes in a control of the forms.

The forms draw their texts with the 9.5-point form font, 13 pixels to the
em at 96 pixels per inch, with lines of about 15 pixels. Latin widths are
those of the Arial family (bold about 8 % wider); Thai letters take about
0.6 em and their vowel and tone marks above and below the line take none.
Lines break at spaces, as static controls do; a word longer than a line is
broken between its letters. The estimate is meant to be compared between
languages and with the control's size, not to the pixel.
"""
import unicodedata

EM_PIXELS = 13.0
LINE_PIXELS = 15
BOLD_FACTOR = 1.08

# Advance widths of the Arial family in thousandths of an em.
_LATIN = {
    " ": 278, "!": 278, '"': 355, "#": 556, "$": 556, "%": 889, "&": 667, "'": 191,
    "(": 333, ")": 333, "*": 389, "+": 584, ",": 278, "-": 333, ".": 278, "/": 278,
    ":": 278, ";": 278, "<": 584, "=": 584, ">": 584, "?": 556, "@": 1015, "[": 278,
    "\\": 278, "]": 278, "^": 469, "_": 556, "`": 333, "{": 334, "|": 260, "}": 334,
    "~": 584, "\u00bf": 611, "\u00a1": 333, "\u00a9": 737, "\u00ba": 365, "\u00aa": 370,
    "\u2019": 222, "\u2018": 222, "\u201c": 333, "\u201d": 333, "\u2013": 556,
    "\u00ab": 556, "\u00bb": 556, "\u00b7": 278, "\u00a0": 278,
}
_LATIN.update({d: 556 for d in "0123456789"})
_LATIN.update(zip("ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                  [667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833,
                   722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611]))
_LATIN.update(zip("abcdefghijklmnopqrstuvwxyz",
                  [556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833,
                   556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500]))

_THAI_NARROW = {"\u0e40": 350, "\u0e42": 400, "\u0e43": 400, "\u0e44": 400, "\u0e41": 650}


def _is_thai_mark(c):
    code = ord(c)
    return code == 0x0E31 or 0x0E34 <= code <= 0x0E3A or 0x0E47 <= code <= 0x0E4E


def char_units(c):
    if c in _LATIN:
        return _LATIN[c]
    if "\u0e00" <= c <= "\u0e7f":
        return 0 if _is_thai_mark(c) else _THAI_NARROW.get(c, 600)
    base = unicodedata.normalize("NFD", c)[0]
    if base in _LATIN:
        return _LATIN[base]
    return 600


def shown(text):
    """The text as a control draws it: '&&' is an ampersand, a lone '&' marks the accelerator."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def width(text, bold=False):
    pixels = sum(char_units(c) for c in text) * EM_PIXELS / 1000.0
    return pixels * BOLD_FACTOR if bold else pixels


def _wrap_paragraph(paragraph, room, bold):
    """Number of lines one paragraph takes when broken at spaces into lines of room pixels."""
    lines, current = 1, 0.0
    for word in paragraph.split(" "):
        word_width = width(word, bold)
        space = width(" ", bold) if current > 0 else 0.0
        if current + space + word_width <= room:
            current += space + word_width
            continue
        if current > 0:
            lines += 1
            current = 0.0
        # A word wider than a line is broken between letters.
        for c in word:
            w = width(c, bold)
            if current + w > room and current > 0:
                lines += 1
                current = 0.0
            current += w
    return lines


def paragraphs(text):
    for separator in ("\r\n", "\n\r", "\n", "\r"):
        text = text.replace(separator, "\n")
    return text.split("\n")


def lines_needed(text, room, bold=False):
    return sum(_wrap_paragraph(p, room, bold) for p in paragraphs(shown(text)))


def widest_line(text, bold=False):
    return max(width(p, bold) for p in paragraphs(shown(text)))
