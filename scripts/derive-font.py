#!/usr/bin/env python3
"""Writes a copy of a TrueType face under a new family name with another
line: its ascent and descent (OS/2 winAscent, winDescent and the typo
values, hhea ascender and descender) set to fractions of the em.

Wine takes a face's line height from winAscent + winDescent. The Thai faces
at hand reserve far more room than their letters use (Loma: 1.149 em above
the line and 0.44 em below; the program's Thai texts reach about 1.07 and
0.25 em), so their lines run three pixels taller than those of the face the
layouts were drawn for, whose ascent and descent are 1.069 and 0.271 em.
Only the metrics and the names change; the glyphs are the original's.

    derive-font.py SOURCE.ttf TARGET.ttf "FAMILY" ASCENT_EM DESCENT_EM
"""
import struct
import sys


def tables_of(data):
    count = struct.unpack(">H", data[4:6])[0]
    tables = {}
    for i in range(count):
        entry = 12 + 16 * i
        tag, _, offset, length = struct.unpack(">4sLLL", data[entry:entry + 16])
        tables[tag] = (entry, offset, length)
    return tables


def checksum(block):
    block += b"\0" * (-len(block) % 4)
    return sum(struct.unpack(">%dL" % (len(block) // 4), block)) & 0xFFFFFFFF


def renamed(name_table, family, style):
    """The name table with the family, full and PostScript names replaced."""
    _, count, strings = struct.unpack(">HHH", name_table[:6])
    names = {1: family, 3: family + " " + style, 4: family if style == "Regular" else
             family + " " + style, 6: family.replace(" ", "") + "-" + style, 16: family}
    records, pool = [], b""
    for i in range(count):
        platform, encoding, language, name_id, length, offset = struct.unpack(
            ">6H", name_table[6 + 12 * i:18 + 12 * i])
        text = name_table[strings + offset:strings + offset + length]
        if name_id in names:
            text = names[name_id].encode("utf-16-be" if platform in (0, 3) else "latin-1")
        records.append(struct.pack(">6H", platform, encoding, language, name_id, len(text),
                                   len(pool)))
        pool += text
    return struct.pack(">HHH", 0, count, 6 + 12 * count) + b"".join(records) + pool


def main(source, target, family, ascent_em, descent_em):
    data = bytearray(open(source, "rb").read())
    tables = tables_of(data)
    head = tables[b"head"][1]
    units_per_em = struct.unpack(">H", data[head + 18:head + 20])[0]
    ascent = round(float(ascent_em) * units_per_em)
    descent = round(float(descent_em) * units_per_em)
    os2 = tables[b"OS/2"][1]
    struct.pack_into(">hh", data, os2 + 68, ascent, -descent)  # sTypoAscender, sTypoDescender
    struct.pack_into(">HH", data, os2 + 74, ascent, descent)   # usWinAscent, usWinDescent
    hhea = tables[b"hhea"][1]
    struct.pack_into(">hh", data, hhea + 4, ascent, -descent)  # ascender, descender
    bold = struct.unpack(">H", data[os2 + 62:os2 + 64])[0] & 0x20
    entry, offset, length = tables[b"name"]
    name_table = renamed(bytes(data[offset:offset + length]), family,
                         "Bold" if bold else "Regular")
    # The new name table goes at the end, aligned; the old one stays unused.
    data += b"\0" * (-len(data) % 4)
    struct.pack_into(">4sLLL", data, entry, b"name", checksum(name_table), len(data),
                     len(name_table))
    data += name_table + b"\0" * (-len(name_table) % 4)
    for tag, (entry, offset, length) in tables_of(data).items():
        if tag not in (b"name", b"head"):
            struct.pack_into(">L", data, entry + 4, checksum(bytes(data[offset:offset + length])))
    # The whole-file adjustment in head, computed with it cleared.
    struct.pack_into(">L", data, head + 8, 0)
    entry, offset, length = tables_of(data)[b"head"]
    struct.pack_into(">L", data, entry + 4, checksum(bytes(data[offset:offset + length])))
    struct.pack_into(">L", data, head + 8, (0xB1B0AFBA - checksum(bytes(data))) & 0xFFFFFFFF)
    open(target, "wb").write(bytes(data))


if __name__ == "__main__":
    if len(sys.argv) != 6:
        print(__doc__)
        sys.exit(2)
    main(*sys.argv[1:])
