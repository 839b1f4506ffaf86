"""Reads the string tables of the catalogue from their UTF-8 resource scripts.

Each entry is a line `NUMBER, "text"` or `NUMBER + OFFSET, "text"` inside a
STRINGTABLE block whose LANGUAGE statement names the language of the block.
"""
import re
from dataclasses import dataclass, field

ENTRY = re.compile(r'^\s*(\d+)\s*(?:\+\s*(\d+)\s*)?,\s*"((?:[^"]|"")*)"\s*(?://.*)?$')
LANGUAGE = re.compile(r'^\s*LANGUAGE\s+(\w+)\s*,\s*(\w+)\s*$')
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"', "a": "\a"}


@dataclass
class Entry:
    string_id: int      # the number as written before any offset
    offset: int         # the offset written after it, 0 when none
    text: str           # the text as the program loads it
    language: str       # the LANGUAGE statement of its block, "primary, sub"
    line: int

    @property
    def resource_number(self):
        return self.string_id + self.offset


@dataclass
class Table:
    path: str
    entries: list = field(default_factory=list)
    problems: list = field(default_factory=list)


def decode(literal):
    """Turns the body of a resource-script string into the loaded text."""
    out, i = [], 0
    while i < len(literal):
        c = literal[i]
        if c == '"' and literal[i + 1:i + 2] == '"':
            out.append('"')
            i += 2
        elif c == "\\" and i + 1 < len(literal) and literal[i + 1] in ESCAPES:
            out.append(ESCAPES[literal[i + 1]])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_table(path):
    table = Table(path)
    language, in_block = None, False
    with open(path, encoding="utf-8") as source:
        for number, raw in enumerate(source, 1):
            line = raw.rstrip("\n")
            stripped = line.strip()
            if not stripped or stripped.startswith("//") or stripped.startswith("#"):
                continue
            if stripped == "STRINGTABLE":
                language, in_block = None, False
                continue
            match = LANGUAGE.match(line)
            if match:
                language = "%s, %s" % match.groups()
                continue
            if stripped == "BEGIN":
                in_block = True
                continue
            if stripped == "END":
                in_block = False
                continue
            match = ENTRY.match(line)
            if in_block and match:
                string_id, offset, literal = match.groups()
                table.entries.append(Entry(int(string_id), int(offset or 0), decode(literal),
                                           language, number))
            else:
                table.problems.append("%s:%d: not understood: %s" % (path, number, stripped))
    return table
