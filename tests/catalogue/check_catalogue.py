"""Checks the string catalogue of the program in its three languages.

Usage: check_catalogue.py RESOURCE_DIR [FORM_TABLE_DUMP]

FORM_TABLE_DUMP is the program that prints the forms' control tables as
JSON; the texts of the forms it describes are measured in the boxes it gives.

Reads strings_en.rc, strings_es.rc and strings_th.rc and fails when a
StringId is missing or doubled in a language, when a translation loses or
gains a placeholder, an accelerator or a line break, when a text does not
fit its buffer or its control, when the error report of a library failure
would lose its row and item numbers to the cut at 255 characters, or when
the window titles could no longer tell the forms apart.
"""
import os
import re
import sys

import catalogue_source
import controls
import text_fit

LANGUAGES = {
    # name: (file, LanguageOffset, primary language of its LANGUAGE tags)
    "English": ("strings_en.rc", 0, "LANG_ENGLISH"),
    "Spanish": ("strings_es.rc", 2500, "LANG_SPANISH"),
    "Thai": ("strings_th.rc", 5000, "LANG_THAI"),
}
REFERENCE = "English"


def _ids(*ranges):
    return [i for lo, hi in ranges for i in range(lo, hi + 1)]


def _catalogue_ranges():
    """The ranges of kCatalogueRanges in string_ids.h, the one list of the
    catalogue's StringIds."""
    header = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "Tessara_UI",
                          "resources", "string_ids.h")
    with open(header, encoding="utf-8") as source:
        text = source.read()
    table = re.search(r"kCatalogueRanges\[\]\[2\] = \{(.*?)\};", text, re.S).group(1)
    return [(int(lo), int(hi)) for lo, hi in re.findall(r"\{(\d+), (\d+)\}", table)]


STRING_IDS = _ids(*_catalogue_ranges())
FORM_TITLES = list(range(11001, 11018))          # FormKind 0 to 16
SAME_IN_EVERY_LANGUAGE = (10103, 10104, 10105)    # loaded before the language is chosen
# Texts whose translation may equal the English one.
MAY_EQUAL_ENGLISH = set(SAME_IN_EVERY_LANGUAGE) | {11044, 11102}

# Texts loaded into 2048-character buffers: messages, descriptions, the
# sentences of the maximum-prevalence form, the explanations of the input
# files and the About texts. Everything else is loaded into 255 characters.
LONG_TEXTS = set(_ids((11028, 11031), (11148, 11151), (11154, 11156), (11174, 11174),
                      (11201, 11201),
                      (11203, 11203), (11205, 11205), (11207, 11208), (12000, 12047),
                      (13000, 13006))) | {
    11045, 11053, 11058, 11064, 11065, 11066, 11074, 11075, 11077, 11089, 11095, 11104,
    11105, 11106, 11113, 11114, 11116, 11117, 11118, 11158, 11165}
SHORT_CAPACITY, LONG_CAPACITY = 255, 2048

# The library error report: prefix, a space, the form title, two line
# breaks, the code's message and, for some codes, " row" or " row, item";
# the whole is cut to 255 characters.
ERROR_PREFIX, ERROR_MESSAGES = 11999, range(12000, 12048)
ROW_MESSAGES, ROW_ITEM_MESSAGES = (12019, 12040, 12044), (12020, 12021)
REPORT_CAPACITY = 255
LARGEST_ROW = "999999"

PLACEHOLDER = re.compile(r"\{\d\}")
BREAKS = re.compile(r"\r\n|\n\r|\n|\r")


def accelerators(text):
    return text.replace("&&", "").count("&")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def line_breaks(text):
    return BREAKS.findall(text)


class Catalogue:
    """The texts of every language by StringId, and what was wrong reading them."""

    def __init__(self):
        self.texts = {name: {} for name in LANGUAGES}
        self.entries = {name: [] for name in LANGUAGES}
        self.problems = []

    @classmethod
    def read(cls, directory):
        catalogue = cls()
        for name, (file_name, _, _) in LANGUAGES.items():
            table = catalogue_source.read_table(os.path.join(directory, file_name))
            catalogue.problems += table.problems
            catalogue.add(name, table.entries)
        return catalogue

    def add(self, name, entries):
        self.entries[name] += entries
        for entry in entries:
            if entry.string_id in self.texts[name]:
                self.problems.append("%s: StringId %d appears twice" % (name, entry.string_id))
            self.texts[name][entry.string_id] = entry.text


def check_identifiers(catalogue):
    problems = []
    expected = set(STRING_IDS)
    for name, (_, offset, primary) in LANGUAGES.items():
        present = set(catalogue.texts[name])
        for missing in sorted(expected - present):
            problems.append("%s: StringId %d is missing" % (name, missing))
        for extra in sorted(present - expected):
            problems.append("%s: StringId %d is not one of the catalogue" % (name, extra))
        for entry in catalogue.entries[name]:
            if entry.offset != offset:
                problems.append("%s: StringId %d is written with offset %d instead of %d"
                                % (name, entry.string_id, entry.offset, offset))
            if entry.language is None or not entry.language.startswith(primary + ","):
                problems.append("%s: StringId %d is in a block tagged %s" % (
                    name, entry.string_id, entry.language))
            if not entry.text:
                problems.append("%s: StringId %d is empty" % (name, entry.string_id))
    return problems


def check_blocks(catalogue):
    """String resources are stored sixteen to a block, one block per language
    tag; a block holding numbers of two languages would hide one of them
    from the lookup, which goes by number alone."""
    owners = {}
    for name in LANGUAGES:
        for entry in catalogue.entries[name]:
            owners.setdefault(entry.resource_number >> 4, set()).add(name)
    return ["resource numbers %d to %d mix the languages %s" % (
        block << 4, (block << 4) + 15, ", ".join(sorted(names)))
        for block, names in sorted(owners.items()) if len(names) > 1]


def check_translations(catalogue):
    problems = []
    reference = catalogue.texts[REFERENCE]
    for name in LANGUAGES:
        if name == REFERENCE:
            continue
        for string_id, text in sorted(catalogue.texts[name].items()):
            english = reference.get(string_id)
            if english is None:
                continue
            where = "%s %d" % (name, string_id)
            if placeholders(text) != placeholders(english):
                problems.append("%s: placeholders %s instead of %s" % (
                    where, placeholders(text), placeholders(english)))
            if accelerators(text) != accelerators(english):
                problems.append("%s: %d accelerators instead of %d" % (
                    where, accelerators(text), accelerators(english)))
            if line_breaks(text) != line_breaks(english):
                problems.append("%s: line breaks %r instead of %r" % (
                    where, line_breaks(text), line_breaks(english)))
            if string_id in SAME_IN_EVERY_LANGUAGE and text != english:
                problems.append("%s: must equal the English text %r" % (where, english))
            if text == english and string_id not in MAY_EQUAL_ENGLISH:
                problems.append("%s: not translated: %r" % (where, text))
    return problems


def check_capacities(catalogue):
    problems = []
    for name in LANGUAGES:
        for string_id, text in sorted(catalogue.texts[name].items()):
            capacity = LONG_CAPACITY if string_id in LONG_TEXTS else SHORT_CAPACITY
            if len(text) > capacity - 1:
                problems.append("%s %d: %d characters do not fit a buffer of %d" % (
                    name, string_id, len(text), capacity))
    return problems


def check_error_report(catalogue):
    """The row and item numbers come last in the report: the whole text must
    hold them for the longest form title."""
    problems = []
    for name in LANGUAGES:
        texts = catalogue.texts[name]
        titles = [texts[i] for i in FORM_TITLES[:-1] if i in texts]
        if ERROR_PREFIX not in texts or not titles:
            continue
        head = len(texts[ERROR_PREFIX]) + 1 + max(len(t) for t in titles) + len("\r\n\r\n")
        for string_id in ERROR_MESSAGES:
            if string_id not in texts:
                continue
            tail = ""
            if string_id in ROW_MESSAGES:
                tail = " " + LARGEST_ROW
            elif string_id in ROW_ITEM_MESSAGES:
                tail = " " + LARGEST_ROW + ", " + LARGEST_ROW
            length = head + len(texts[string_id]) + len(tail)
            if length > REPORT_CAPACITY - 1:
                problems.append("%s %d: the error report takes %d characters, more than %d"
                                % (name, string_id, length, REPORT_CAPACITY - 1))
    return problems


def check_titles(catalogue):
    """The frame finds the FormKind of a window-list entry as the first
    FormKind (0 to 16) whose title occurs in the entry's caption, and a form
    by its exact title: no title may occur in the title of a later FormKind."""
    problems = []
    for name in LANGUAGES:
        texts = catalogue.texts[name]
        titles = [(i, texts[i]) for i in FORM_TITLES if texts.get(i)]
        for later, (later_id, later_title) in enumerate(titles):
            for earlier_id, earlier_title in titles[:later]:
                if earlier_title in later_title:
                    problems.append("%s: the title %d %r occurs in the title %d %r" % (
                        name, earlier_id, earlier_title, later_id, later_title))
                    break
    return problems


def room_taken(string_id, text, box):
    """(lines needed, lines available, widest line, widest word, width available) of text in box."""
    kind, box_width, box_height, font = box
    room = box_width - controls.MARGIN[kind]
    bold = font == "B"
    shown = controls.as_shown(string_id, text)
    scale = 17.0 / 13.0 if font == "L" else 1.0
    lines = text_fit.lines_needed(shown, room / scale, bold)
    widest = text_fit.widest_line(shown, bold) * scale
    widest_word = text_fit.widest_word(shown, bold) * scale
    line = text_fit.line_pixels(shown) * scale
    available = 1 if kind in ("group", "list", "button") else max(1, int(box_height // line))
    return lines, available, widest, widest_word, room


def check_layout(catalogue, all_boxes=None):
    """A translation must fit the smallest control that shows it; where the
    English text already needs more, the translation may take as much as the
    English does, and no more."""
    problems = []
    reference = catalogue.texts[REFERENCE]
    boxes_by_id = controls.BOXES if all_boxes is None else all_boxes
    for name in LANGUAGES:
        if name == REFERENCE:
            continue
        for string_id, boxes in sorted(boxes_by_id.items()):
            text, english = catalogue.texts[name].get(string_id), reference.get(string_id)
            if text is None or english is None:
                continue
            for box in boxes:
                lines, available, widest, word, room = room_taken(string_id, text, box)
                english_lines, _, english_widest, english_word, _ = room_taken(
                    string_id, english, box)
                allowed_lines = max(available, english_lines)
                if lines > allowed_lines:
                    problems.append("%s %d: needs %d lines in a %s of %dx%d, which holds %d" % (
                        name, string_id, lines, box[0], box[1], box[2], allowed_lines))
                elif available == 1 and widest > max(room, english_widest):
                    problems.append("%s %d: %.0f pixels wide in a %s of %d" % (
                        name, string_id, widest, box[0], box[1]))
                elif word > max(room, english_word):
                    problems.append("%s %d: a run of %.0f pixels without a space in a %s of %d" % (
                        name, string_id, word, box[0], box[1]))
    return problems


CHECKS = (check_identifiers, check_blocks, check_translations, check_capacities,
          check_error_report, check_titles, check_layout)


def check_form_tables(catalogue, rows):
    """Every catalogue text that a form's control table names exists in
    every language."""
    problems = []
    for row in rows:
        for name in LANGUAGES:
            if row["string_id"] and not catalogue.texts[name].get(row["string_id"]):
                problems.append("%s: control %d of FormKind %d shows %d, which has no text" % (
                    name, row["id"], row["form"], row["string_id"]))
    forms = {row["form"] for row in rows}
    controls_of_forms = {(row["form"], row["id"]) for row in rows}
    for string_id, shown_in in sorted(controls.SHOWN_ON_RUN.items()):
        for form, control in shown_in:
            if form in forms and (form, control) not in controls_of_forms:
                problems.append("%d is shown in control %d of FormKind %d, which has no such control"
                                % (string_id, control, form))
    return problems


def run_checks(catalogue, table_rows=None):
    problems = list(catalogue.problems)
    for check in CHECKS:
        if check is check_layout and table_rows is not None:
            problems += check_layout(catalogue, controls.joined_boxes(table_rows))
        else:
            problems += check(catalogue)
    if table_rows is not None:
        problems += check_form_tables(catalogue, table_rows)
    return problems


def read_form_tables(dump_program):
    import json
    import subprocess
    output = subprocess.run([dump_program], check=True, capture_output=True, text=True).stdout
    return json.loads(output)


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__)
        return 2
    catalogue = Catalogue.read(argv[1])
    table_rows = read_form_tables(argv[2]) if len(argv) == 3 else None
    if table_rows is not None:
        print("%d controls read from the forms' tables" % len(table_rows))
    problems = run_checks(catalogue, table_rows)
    for problem in problems:
        print(problem)
    for name in LANGUAGES:
        print("%s: %d texts" % (name, len(catalogue.texts[name])))
    print("%d problems" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
