"""Estimates how much room a text takes in a control of the forms.

The forms draw their texts with the 9.5-point form font, 13 pixels to the
em at 96 pixels per inch. Latin widths are those of the Arial family (bold
about 8 % wider), with lines of 15 pixels; Thai widths are those of the Thai
face of the test prefix (Loma with the line of the forms' face, see
scripts/wine-template.sh), with lines of 19 pixels. Lines break at spaces,
as static controls do; they never break inside a word, so a word wider than
the control runs past its edge (widest_word tells).

The GUI check of the texts' fit (tests/ui/text_fit_gui_test.cpp) measures
the texts of every window that can be opened inside the running program;
where it measures a control, its verdict is the one that counts. This
estimate covers the controls of the forms not built yet, and is meant to be
compared between languages and with the control's size, not to the pixel.
"""
import unicodedata

EM_PIXELS = 13.0
LINE_PIXELS = 15
THAI_LINE_PIXELS = 19
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

# Advance widths of the Thai block in thousandths of an em, measured under
# Wine on the prefix's Thai face; the vowel and tone marks above and below
# the line take none.
_THAI = {
    "\u0e01": 605, "\u0e02": 683, "\u0e03": 708, "\u0e04": 669, "\u0e05": 669, "\u0e06": 742,
    "\u0e07": 488, "\u0e08": 586, "\u0e09": 681, "\u0e0a": 678, "\u0e0b": 678, "\u0e0c": 854,
    "\u0e0d": 852, "\u0e0e": 671, "\u0e0f": 671, "\u0e10": 552, "\u0e11": 830, "\u0e12": 903,
    "\u0e13": 927, "\u0e14": 649, "\u0e15": 649, "\u0e16": 605, "\u0e17": 659, "\u0e18": 610,
    "\u0e19": 683, "\u0e1a": 635, "\u0e1b": 635, "\u0e1c": 586, "\u0e1d": 586, "\u0e1e": 659,
    "\u0e1f": 708, "\u0e20": 659, "\u0e21": 659, "\u0e22": 586, "\u0e23": 537, "\u0e24": 605,
    "\u0e25": 613, "\u0e26": 659, "\u0e27": 561, "\u0e28": 635, "\u0e29": 659, "\u0e2a": 610,
    "\u0e2b": 659, "\u0e2c": 683, "\u0e2d": 600, "\u0e2e": 610, "\u0e2f": 561, "\u0e30": 537,
    "\u0e31": 0, "\u0e32": 561, "\u0e33": 561, "\u0e34": 0, "\u0e35": 0, "\u0e36": 0,
    "\u0e37": 0, "\u0e38": 0, "\u0e39": 0, "\u0e3a": 0, "\u0e3b": 750, "\u0e3c": 750,
    "\u0e3d": 750, "\u0e3e": 750, "\u0e3f": 610, "\u0e40": 342, "\u0e41": 644, "\u0e42": 537,
    "\u0e43": 488, "\u0e44": 503, "\u0e45": 488, "\u0e46": 537, "\u0e47": 0, "\u0e48": 0,
    "\u0e49": 0, "\u0e4a": 0, "\u0e4b": 0, "\u0e4c": 0, "\u0e4d": 0, "\u0e4e": 0,
    "\u0e4f": 610, "\u0e50": 610, "\u0e51": 635, "\u0e52": 659, "\u0e53": 683, "\u0e54": 757,
    "\u0e55": 757, "\u0e56": 635, "\u0e57": 752, "\u0e58": 771, "\u0e59": 732, "\u0e5a": 683,
    "\u0e5b": 1157,
}



def char_units(c):
    if c in _LATIN:
        return _LATIN[c]
    if c in _THAI:
        return _THAI[c]
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
        # A word wider than a line takes a line of its own and runs past it.
        current = word_width
    return lines


def paragraphs(text):
    for separator in ("\r\n", "\n\r", "\n", "\r"):
        text = text.replace(separator, "\n")
    return text.split("\n")


def lines_needed(text, room, bold=False):
    return sum(_wrap_paragraph(p, room, bold) for p in paragraphs(shown(text)))


def widest_line(text, bold=False):
    return max(width(p, bold) for p in paragraphs(shown(text)))


def widest_word(text, bold=False):
    """The widest run without a space: a static control cannot break it."""
    return max(width(w, bold) for p in paragraphs(shown(text)) for w in p.split(" "))


def line_pixels(text):
    """The height of a line of the text: Thai lines are taller."""
    return THAI_LINE_PIXELS if any(c in _THAI for c in text) else LINE_PIXELS
