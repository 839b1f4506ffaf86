"""The derived Thai face of the Wine template (scripts/derive-font.py): the
line it was asked for, the new names as fontconfig reads them, the glyphs of
the original, and a file whose checksums a strict reader accepts."""
import importlib.machinery
import os
import struct
import subprocess
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "..", "..", "scripts", "derive-font.py")
SOURCES = {"Regular": "/usr/share/fonts/truetype/tlwg/Loma.ttf",
           "Bold": "/usr/share/fonts/truetype/tlwg/Loma-Bold.ttf"}

# The script's file name has a hyphen, so it is loaded from its path.
_loader = importlib.machinery.SourceFileLoader("derive_font", SCRIPT)
derive_font = types.ModuleType(_loader.name)
derive_font.__file__ = SCRIPT
_loader.exec_module(derive_font)


def table(data, tag):
    _, offset, length = derive_font.tables_of(data)[tag]
    return data[offset:offset + length]


class DeriveFontTest(unittest.TestCase):
    def derived(self, style, ascent="1.069", descent="0.271"):
        target = os.path.join(self.folder.name, style + ".ttf")
        derive_font.main(SOURCES[style], target, "Test Face", ascent, descent)
        with open(target, "rb") as file:
            return target, file.read()

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def test_line_is_the_one_asked_for(self):
        for style in SOURCES:
            with self.subTest(style=style):
                _, data = self.derived(style)
                units = struct.unpack(">H", table(data, b"head")[18:20])[0]
                os2 = table(data, b"OS/2")
                self.assertEqual(struct.unpack(">hh", os2[68:72]),
                                 (round(1.069 * units), -round(0.271 * units)))
                self.assertEqual(struct.unpack(">HH", os2[74:78]),
                                 (round(1.069 * units), round(0.271 * units)))
                self.assertEqual(struct.unpack(">hh", table(data, b"hhea")[4:8]),
                                 (round(1.069 * units), -round(0.271 * units)))

    def test_glyphs_are_the_originals(self):
        with open(SOURCES["Regular"], "rb") as file:
            source = file.read()
        _, data = self.derived("Regular")
        for tag in (b"glyf", b"loca", b"hmtx", b"cmap", b"GSUB", b"GPOS"):
            with self.subTest(tag=tag):
                self.assertEqual(table(data, tag), table(source, tag))

    def test_checksums_hold(self):
        _, data = self.derived("Bold")
        head = table(data, b"head")
        cleared = head[:8] + b"\0\0\0\0" + head[12:]
        for tag, (entry, offset, length) in derive_font.tables_of(data).items():
            with self.subTest(tag=tag):
                block = cleared if tag == b"head" else data[offset:offset + length]
                self.assertEqual(struct.unpack(">L", data[entry + 4:entry + 8])[0],
                                 derive_font.checksum(block))
        # The whole file sums to the magic number with its adjustment in head.
        whole = bytearray(data)
        _, head_offset, _ = derive_font.tables_of(data)[b"head"]
        struct.pack_into(">L", whole, head_offset + 8, 0)
        self.assertEqual((0xB1B0AFBA - derive_font.checksum(bytes(whole))) & 0xFFFFFFFF,
                         struct.unpack(">L", head[8:12])[0])

    def test_fontconfig_reads_the_new_names(self):
        for style in SOURCES:
            with self.subTest(style=style):
                target, _ = self.derived(style)
                names = subprocess.run(
                    ["fc-query", "-f", "%{family}|%{style}|%{fullname}|%{postscriptname}", target],
                    check=True, capture_output=True, text=True).stdout
                family, found_style, full, postscript = names.split("|")
                self.assertEqual(family, "Test Face")
                self.assertIn(style, found_style)
                self.assertEqual(full, "Test Face" if style == "Regular" else "Test Face Bold")
                self.assertEqual(postscript, "TestFace-" + style)


if __name__ == "__main__":
    unittest.main()
