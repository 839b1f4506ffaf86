"""Each check of the catalogue catches the fault it is there for.

The real tables pass every check; each test then spoils one text of a copy
and expects the matching complaint.
"""
import copy
import os
import tempfile
import unittest

import catalogue_source
import check_catalogue as checks

RESOURCES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                         "Tessara_UI", "resources")


class CatalogueChecksTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.real = checks.Catalogue.read(RESOURCES)

    def spoiled(self, language, string_id, text):
        catalogue = copy.deepcopy(self.real)
        catalogue.texts[language][string_id] = text
        return catalogue

    def assertComplains(self, check, catalogue, *words):
        problems = check(catalogue)
        self.assertTrue(any(all(w in p for w in words) for p in problems),
                        "no complaint with %r among %r" % (words, problems))

    def test_real_tables_pass_every_check(self):
        self.assertEqual(checks.run_checks(self.real), [])
        for name in checks.LANGUAGES:
            self.assertEqual(len(self.real.texts[name]), len(checks.STRING_IDS), name)

    def test_missing_string_id(self):
        catalogue = copy.deepcopy(self.real)
        del catalogue.texts["Spanish"][11030]
        self.assertComplains(checks.check_identifiers, catalogue, "Spanish", "11030", "missing")

    def test_text_written_with_the_wrong_offset(self):
        catalogue = copy.deepcopy(self.real)
        catalogue.entries["Thai"][0].offset = 2500
        self.assertComplains(checks.check_identifiers, catalogue, "Thai", "offset 2500")

    def test_block_tagged_with_another_language(self):
        catalogue = copy.deepcopy(self.real)
        catalogue.entries["Spanish"][0].language = "LANG_ENGLISH, SUBLANG_ENGLISH_US"
        self.assertComplains(checks.check_identifiers, catalogue, "Spanish", "tagged LANG_ENGLISH")

    def test_empty_text(self):
        catalogue = copy.deepcopy(self.real)
        entry = next(e for e in catalogue.entries["Thai"] if e.string_id == 11208)
        entry.text = ""
        self.assertComplains(checks.check_identifiers, catalogue, "Thai", "11208", "empty")

    def test_block_shared_by_two_languages(self):
        catalogue = copy.deepcopy(self.real)
        # 10110 + 0 and 7610 + 2500 are both resource 10110.
        catalogue.add("Spanish", [catalogue_source.Entry(7610, 2500, "x", "LANG_SPANISH, 0", 1)])
        self.assertComplains(checks.check_blocks, catalogue, "English", "Spanish")

    def test_lost_placeholder(self):
        catalogue = self.spoiled("Thai", 11148, self.real.texts["Thai"][11148].replace("{4}", "95"))
        self.assertComplains(checks.check_translations, catalogue, "Thai 11148", "placeholders")

    def test_lost_accelerator(self):
        catalogue = self.spoiled("Spanish", 11025, "Ayuda")
        self.assertComplains(checks.check_translations, catalogue, "Spanish 11025", "accelerators")

    def test_lost_line_break(self):
        catalogue = self.spoiled("Spanish", 11036, "Tamaño")
        self.assertComplains(checks.check_translations, catalogue, "Spanish 11036", "line breaks")

    def test_reversed_line_break(self):
        catalogue = self.spoiled("Thai", 11036, self.real.texts["Thai"][11036].replace("\n\r", "\r\n"))
        self.assertComplains(checks.check_translations, catalogue, "Thai 11036", "line breaks")

    def test_class_name_translated(self):
        catalogue = self.spoiled("Spanish", 10105, "TESSARAHIJA")
        self.assertComplains(checks.check_translations, catalogue, "Spanish 10105", "must equal")

    def test_untranslated_text(self):
        catalogue = self.spoiled("Thai", 11032, self.real.texts["English"][11032])
        self.assertComplains(checks.check_translations, catalogue, "Thai 11032", "not translated")

    def test_text_over_its_buffer(self):
        catalogue = self.spoiled("Spanish", 11020, "x" * 255)
        self.assertComplains(checks.check_capacities, catalogue, "Spanish 11020", "255")
        catalogue = self.spoiled("Spanish", 11158, "x" * 2048)
        self.assertComplains(checks.check_capacities, catalogue, "Spanish 11158", "2048")

    def test_message_fits_a_long_buffer(self):
        catalogue = self.spoiled("Spanish", 11158, "x" * 2047)
        self.assertFalse([p for p in checks.check_capacities(catalogue) if "11158" in p])

    def test_error_report_that_would_lose_its_row_and_item(self):
        catalogue = self.spoiled("Spanish", 12020, "x" * 170)
        self.assertComplains(checks.check_error_report, catalogue, "Spanish 12020")

    def test_title_that_occurs_in_a_later_title(self):
        # FormKind 1 titled "Selección" would claim the windows of FormKinds 13 and 14.
        catalogue = self.spoiled("Spanish", 11002, "Selección")
        self.assertComplains(checks.check_titles, catalogue, "Spanish", "11002", "11015")

    def test_caption_wider_than_its_button(self):
        catalogue = self.spoiled("Spanish", 11024, "&Calcular todos los resultados")
        self.assertComplains(checks.check_layout, catalogue, "Spanish 11024", "button")

    def test_heading_taller_than_its_label(self):
        # Thai lines are 19 pixels: the 40-pixel label holds two.
        catalogue = self.spoiled("Thai", 11036, "ขนาด ของ ประชากร\n\rที่ศึกษา")
        self.assertComplains(checks.check_layout, catalogue, "Thai 11036", "lines")

    def test_thai_run_wider_than_its_label(self):
        # A static control breaks lines at spaces only: an unbroken Thai run
        # wider than the label runs past its edge.
        catalogue = self.spoiled("Thai", 11036, "ขนาดของประชากรทั้งหมด\n\rที่ศึกษา")
        self.assertComplains(checks.check_layout, catalogue, "Thai 11036", "without a space")

    def test_thai_run_that_fits_its_label(self):
        catalogue = self.spoiled("Thai", 11036, "ขนาด\n\rประชากร")
        self.assertFalse([p for p in checks.check_layout(catalogue) if "11036" in p])

    def test_translation_may_take_the_room_the_english_takes(self):
        wide = "Population size of the whole infinite herd"
        catalogue = self.spoiled("English", 11035, wide)
        catalogue.texts["Spanish"][11035] = wide.upper().lower()
        catalogue.texts["Thai"][11035] = wide
        self.assertFalse([p for p in checks.check_layout(catalogue) if "11035" in p])


class ResourceScriptReadingTest(unittest.TestCase):
    def read(self, body):
        with tempfile.NamedTemporaryFile("w", suffix=".rc", delete=False, encoding="utf-8") as f:
            f.write(body)
        try:
            return catalogue_source.read_table(f.name)
        finally:
            os.unlink(f.name)

    def test_entries_offsets_escapes_and_language(self):
        table = self.read('STRINGTABLE\nLANGUAGE LANG_SPANISH, SUBLANG_NEUTRAL\nBEGIN\n'
                          '    11036 + 2500, "Tamaño de\\n\\rla población"\n'
                          '    11001 + 2500, "Dice ""hola"" y 100%"\n'
                          'END\n')
        self.assertEqual(table.problems, [])
        first, second = table.entries
        self.assertEqual((first.string_id, first.offset, first.resource_number), (11036, 2500, 13536))
        self.assertEqual(first.text, "Tamaño de\n\rla población")
        self.assertEqual(first.language, "LANG_SPANISH, SUBLANG_NEUTRAL")
        self.assertEqual(second.text, 'Dice "hola" y 100%')

    def test_line_that_is_not_an_entry(self):
        table = self.read('STRINGTABLE\nBEGIN\n    11001, "Open\nEND\n')
        self.assertEqual(table.entries, [])
        self.assertEqual(len(table.problems), 1)
        self.assertIn("not understood", table.problems[0])


if __name__ == "__main__":
    unittest.main()


class FormTableChecksTest(unittest.TestCase):
    """The boxes of the forms' control tables join the hand-kept ones, and a
    table that names a text the catalogue lacks is caught."""

    ROW = {"form": 10, "id": 4000, "kind": "label", "string_id": 11020, "literal": "",
           "x": 20, "y": 30, "width": 180, "height": 20, "font": "R"}

    @classmethod
    def setUpClass(cls):
        cls.real = checks.Catalogue.read(RESOURCES)

    def test_table_text_missing_in_a_language(self):
        catalogue = copy.deepcopy(self.real)
        del catalogue.texts["Thai"][11020]
        problems = checks.check_form_tables(catalogue, [self.ROW])
        self.assertTrue(any("Thai" in p and "11020" in p and "4000" in p for p in problems), problems)

    def test_a_narrow_table_box_is_measured(self):
        narrow = dict(self.ROW, width=20)
        problems = checks.check_layout(self.real, checks.controls.joined_boxes([narrow]))
        self.assertTrue(any("11020" in p for p in problems), problems)

    def test_rules_and_inputs_bring_no_boxes(self):
        rows = [dict(self.ROW, kind="rule", string_id=0), dict(self.ROW, kind="input", string_id=0)]
        self.assertEqual(checks.controls.form_boxes(rows), {})

    def test_a_text_shown_on_run_is_measured_in_its_controls_box(self):
        note = dict(self.ROW, form=15, id=4713, kind="edit", string_id=0, width=60, height=20,
                    font="B")
        boxes = checks.controls.form_boxes([note])
        self.assertEqual(boxes[11173], [("edit", 60, 20, "B")])
        self.assertEqual(boxes[11103], [("edit", 60, 20, "B")])
        self.assertNotIn(11101, boxes, "the comparison form is not among the rows")

    def test_a_text_shown_on_run_in_a_missing_control_is_caught(self):
        other = dict(self.ROW, form=15, id=4700)
        problems = checks.check_form_tables(self.real, [other])
        self.assertTrue(any("11173" in p and "4713" in p for p in problems), problems)
