"""The controls each catalogue text is shown in, with their sizes in pixels.

The forms built from control tables describe their own controls: their
boxes are read from the program's tables (form_boxes below) and joined to
the hand-kept boxes here, which are those of the main window, the About box
and the forms not yet described by a table.

For each StringId: the boxes (kind, width, height, font) that the forms, the
main window and the About box give it; a text must fit the smallest of
them. Fonts: R regular, B bold, I italic form font (9.5 points), L the large
font of the About box (13 points). Kinds: label (static text, no margin),
button, group (a group box caption, one line), edit (read-only edit), list
(an item of a drop-down list). Window titles, menus, message boxes and the
header lines of the selection files have no fixed room and are not listed.

Texts with placeholders are measured with typical numbers in their place.
"""

# About box sizes are given in dialog units of its 8-point System font.
DLU_X, DLU_Y = 1.75, 2.0


def dialog(width_units, height_units):
    return (int(width_units * DLU_X), int(height_units * DLU_Y))


MARGIN = {"label": 0, "button": 10, "group": 20, "edit": 6, "list": 22}

TITLE_BUTTON = [("button", 350, 24, "R")]

BOXES = {i: TITLE_BUTTON for i in range(11001, 11017)}
BOXES.update({
    11022: [("label", 180, 20, "R"), ("label", 115, 40, "R"), ("label", 95, 40, "R")],
    11023: [("label", 180, 20, "R")],
    11024: [("button", 80, 24, "R")],
    11025: [("button", 80, 24, "R")],
    11026: [("button", 100, 24, "R")],
    11027: [("group", 300, 20, "B")],
    11033: [("label", 135, 20, "R"), ("label", 190, 20, "B")],
    11034: [("label", 100, 20, "R")],
    11035: [("label", 50, 20, "R")],
    11036: [("label", 85, 40, "R")],
    11037: [("group", 290, 20, "B")],
    11054: [("list", 100, 20, "R")],
    11055: [("list", 100, 20, "R")],
    11056: [("list", 100, 20, "R")],
    11057: [("list", 100, 20, "R")],
    11059: [("edit", 347, 120, "B")],
    11063: [("label", 75, 20, "R")],
    11076: [("label", 180, 20, "R")],
    11108: [("label", 80, 20, "R")],
    11109: [("label", 80, 20, "R")],
    11125: [("list", 120, 20, "R")],
    11126: [("list", 120, 20, "R")],
    11140: [("label", 210, 20, "I")],
    11141: [("label", 210, 65, "R")],
    11142: [("label", 158, 20, "R")],
    11143: [("label", 158, 20, "R")],
    11144: [("label", 210, 40, "R")],
    11148: [("label", 315, 100, "R")],
    11149: [("label", 315, 20, "R")],
    11150: [("label", 385, 50, "R")],
    11151: [("label", 315, 85, "R")],
    11160: [("label", 424, 20, "R")],
    11200: [("label", 430, 20, "B")],
    11201: [("label", 420, 80, "R")],
    11202: [("label", 430, 20, "B")],
    11203: [("label", 420, 40, "R")],
    11204: [("label", 430, 20, "B")],
    11205: [("label", 420, 80, "R")],
    11206: [("label", 430, 20, "B")],
    11207: [("label", 420, 80, "R")],
    13000: [("label",) + dialog(313, 10) + ("L",)],
    13001: [("label",) + dialog(313, 9) + ("R",)],
    13002: [("label",) + dialog(250, 46) + ("R",)],
    13003: [("label",) + dialog(93, 26) + ("R",)],
    13004: [("label",) + dialog(93, 26) + ("R",)],
    13005: [("label",) + dialog(250, 110) + ("R",)],
    13006: [("label",) + dialog(117, 9) + ("R",)],
    13007: [("label",) + dialog(117, 9) + ("R",)],
})

# What the program puts in place of the placeholders, or after the text.
SAMPLE_FILLING = {
    11140: {"{1}": "0.05"},
    11141: {"{1}": "283127", "{2}": "0.9999"},
    11144: {"{1}": "17270747"},
    11148: {"{1}": "2147483647", "{2}": "2147483647", "{3}": "0.9999", "{4}": "95"},
    11150: {"{1}": "2147483647"},
    11151: {"{1}": "2147483647", "{2}": "0.9999", "{3}": "0.0001"},
}
SAMPLE_SUFFIX = {13007: " 2.3.0.2"}


def as_shown(string_id, text):
    for token, value in SAMPLE_FILLING.get(string_id, {}).items():
        text = text.replace(token, value)
    return text + SAMPLE_SUFFIX.get(string_id, "")


# Texts that a form writes into a result control when it runs (a note, a
# "Yes" or "No"), by the form kind and control identifier that show them:
# their boxes are those controls' boxes in the forms' tables.
SHOWN_ON_RUN = {
    11101: [(0, 4631), (0, 4634), (0, 4637)],  # significant at 90, 95, 99 %
    11102: [(0, 4631), (0, 4634), (0, 4637)],
    11103: [(15, 4713)],                       # the notes of an impossible true prevalence
    11173: [(15, 4713)],
}

# How the kinds of the forms' control tables are measured here.
TABLE_KINDS = {"label": "label", "group": "group", "button": "button", "edit": "edit",
               "list": "list"}


def form_boxes(rows):
    """Boxes by StringId from the rows of the forms' control tables (the
    JSON that the table dump prints): every control that shows a catalogue
    text, in the kind and font it has there."""
    boxes = {}

    def add(string_id, row):
        kind = TABLE_KINDS.get(row["kind"])
        if kind is None:
            return
        font = row["font"] if row["font"] in ("R", "B", "I") else "R"
        box = (kind, row["width"], row["height"], font)
        boxes.setdefault(string_id, [])
        if box not in boxes[string_id]:
            boxes[string_id].append(box)

    by_control = {(row["form"], row["id"]): row for row in rows}
    for row in rows:
        if row["string_id"] != 0:
            add(row["string_id"], row)
    for string_id, controls in SHOWN_ON_RUN.items():
        for control in controls:
            if control in by_control:
                add(string_id, by_control[control])
    return boxes


def joined_boxes(rows):
    """The hand-kept boxes with those of the forms' tables."""
    joined = {string_id: list(boxes) for string_id, boxes in BOXES.items()}
    for string_id, boxes in form_boxes(rows).items():
        for box in boxes:
            if box not in joined.setdefault(string_id, []):
                joined[string_id].append(box)
    return joined
