"""Reads the compiled help files back and checks them against the program
and the library:

- every help topic of the form registry opens, through the topic map of the
  CHM (#IVB and #STRINGS), a page whose heading is that form's title in the
  file's language;
- every link and image of every page stays inside the CHM and names a page
  (and an anchor) that exists;
- every worked example, marked with data-export, data-args and data-expect,
  shows what the library returns for those inputs, formatted as the program
  formats it.

Usage: check_help.py LIBRARY HELP_DIR SOURCE_DIR
  LIBRARY     libTessara.so
  HELP_DIR    the folder holding Tessara_en.chm and Tessara_es.chm
  SOURCE_DIR  the source tree (form registry and string catalogues)
The CHM files are read through chmlib (libchm1), the reader of Debian's
libchm-bin tools.
"""
import ctypes
import html.parser
import os
import posixpath
import re
import struct
import subprocess
import sys
import tempfile

# --- Reading a CHM --------------------------------------------------------------


class _UnitInfo(ctypes.Structure):
    _fields_ = [("start", ctypes.c_uint64), ("length", ctypes.c_uint64),
                ("space", ctypes.c_int), ("flags", ctypes.c_int),
                ("path", ctypes.c_char * 513)]


_ENUMERATOR = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.POINTER(_UnitInfo),
                               ctypes.c_void_p)


class Chm:
    """The objects of one CHM file, by their path inside it."""

    _lib = None

    def __init__(self, path):
        if Chm._lib is None:
            lib = ctypes.CDLL("libchm.so.1")
            lib.chm_open.restype = ctypes.c_void_p
            lib.chm_open.argtypes = [ctypes.c_char_p]
            lib.chm_close.argtypes = [ctypes.c_void_p]
            lib.chm_resolve_object.argtypes = [ctypes.c_void_p, ctypes.c_char_p,
                                               ctypes.POINTER(_UnitInfo)]
            lib.chm_retrieve_object.restype = ctypes.c_int64
            lib.chm_retrieve_object.argtypes = [ctypes.c_void_p, ctypes.POINTER(_UnitInfo),
                                                ctypes.c_void_p, ctypes.c_uint64, ctypes.c_int64]
            lib.chm_enumerate.argtypes = [ctypes.c_void_p, ctypes.c_int, _ENUMERATOR,
                                          ctypes.c_void_p]
            Chm._lib = lib
        self._handle = Chm._lib.chm_open(path.encode())
        if not self._handle:
            raise IOError("cannot open %s as a CHM file" % path)
        names = []

        def collect(_file, unit, _context):
            names.append(unit.contents.path.decode("latin-1"))
            return 1  # CHM_ENUMERATOR_CONTINUE

        callback = _ENUMERATOR(collect)
        Chm._lib.chm_enumerate(self._handle, 1, callback, None)  # CHM_ENUMERATE_NORMAL
        self.files = sorted(name for name in names if not name.endswith("/"))

    def read(self, name):
        unit = _UnitInfo()
        if Chm._lib.chm_resolve_object(self._handle, name.encode("latin-1"),
                                       ctypes.byref(unit)) != 0:
            return None
        buffer = ctypes.create_string_buffer(max(unit.length, 1))
        size = Chm._lib.chm_retrieve_object(self._handle, ctypes.byref(unit), buffer, 0,
                                            unit.length)
        return buffer.raw[:size]

    def topic_map(self):
        """Context number -> path of its page, as HTML Help reads it: #IVB
        is a byte count and then pairs (context number, offset of the
        page's path in #STRINGS)."""
        ivb, strings = self.read("/#IVB"), self.read("/#STRINGS")
        if ivb is None or strings is None:
            return {}
        (size,) = struct.unpack_from("<I", ivb, 0)
        topics = {}
        for offset in range(4, 4 + size, 8):
            context, text_offset = struct.unpack_from("<II", ivb, offset)
            end = strings.index(b"\0", text_offset)
            topics[context] = strings[text_offset:end].decode("latin-1")
        return topics


# --- The program's own texts ------------------------------------------------------

LANGUAGES = {"en": 0, "es": 2500}
# The user locale under which a language's file examples are read: the
# library splits fields at ";" under Spanish and at "," otherwise.
LOCALES = {"en": "en_US.UTF-8", "es": "es_ES.UTF-8"}


def read_catalogue(source_dir, language):
    """StringId -> text of one language's string table (strings_xx.rc)."""
    path = os.path.join(source_dir, "Tessara_UI", "resources", "strings_%s.rc" % language)
    texts = {}
    with open(path, encoding="utf-8") as rc:
        for line in rc:
            match = re.match(r'\s*(\d+)(?:\s*\+\s*(\d+))?\s*,\s*"(.*)"\s*$', line)
            if match:
                texts[int(match.group(1)) + int(match.group(2) or 0)] = \
                    match.group(3).replace('""', '"')
    return texts


def read_registry(source_dir):
    """The form registry: (FormKind, title StringId, help topic) in order."""
    path = os.path.join(source_dir, "Tessara_UI", "shell", "form_registry.cpp")
    with open(path, encoding="utf-8") as registry:
        text = registry.read()
    entries = re.findall(r'\{\s*(110\d\d)\s*,\s*(?:"[A-Za-z_]+"|nullptr)\s*,\s*(\d{4})\s*,', text)
    return [(kind, int(title), int(topic)) for kind, (title, topic) in enumerate(entries)]


# --- Pages ----------------------------------------------------------------------------


class Page(html.parser.HTMLParser):
    """Links, anchors, the first heading and the worked examples of a page."""

    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links, self.anchors, self.examples = [], set(), []
        self.heading, self._in_heading = None, False
        self._open_examples = []  # [example, depth]
        self._depth = 0
        self.feed(text)

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        self._depth += 1 if tag not in ("br", "img", "meta", "link", "hr", "col") else 0
        for name in ("href", "src"):
            if attributes.get(name):
                self.links.append(attributes[name])
        for name in ("id", "name"):
            if attributes.get(name) and (name == "id" or tag == "a"):
                self.anchors.add(attributes[name])
        if tag == "h1" and self.heading is None:
            self.heading, self._in_heading = "", True
        if "data-export" in attributes:
            example = dict(attributes, text="", line=self.getpos()[0])
            self.examples.append(example)
            self._open_examples.append([example, self._depth])

    def handle_endtag(self, tag):
        if tag == "h1":
            self._in_heading = False
        if self._open_examples and self._open_examples[-1][1] == self._depth:
            self._open_examples.pop()
        self._depth -= 1

    def handle_data(self, data):
        if self._in_heading:
            self.heading += data
        for example, _depth in self._open_examples:
            example["text"] += data


# --- Calling the library for a worked example -------------------------------------

# Argument letters: f float, i int32, w input file (the example's data-file),
# o output file, r int32 pointer (row or item), > the out-array. Element
# letters: i int32, f float, b the low byte of a word.
EXPORTS = {
    "SampleSize_SimpleRandom": ("ffii>", "i" * 17),
    "SampleSize_Stratified": ("ifififififif>", "f" + "i" * 6),
    "SampleSize_TwoStages": ("ffiiif>", "iib"),
    "ConfidenceInterval_SimpleRandom_Proportion": ("fiii>", "ff"),
    "ConfidenceInterval_SimpleRandom_PositiveCases": ("iiii>", "fff"),
    "ConfidenceInterval_Stratified": ("i" + "iif" * 5 + ">", "fff"),
    "ConfidenceInterval_TwoStages": ("iwrr>", "ffffffiii"),
    "True_Prevelance": ("fff>", "fb"),
    "Comparison_SampleSize": ("ffii>", "ii"),
    "Comparison_ConfidenceInterval": ("fifi>", "ffbffbffbf"),
    "Estimating_SampleSize": ("fifi>", "i" * 17),
    "Estimating_ConfidenceInterval": ("ffiii>", "ff"),
    "DetectingEvent_SampleSize_SimpleRandom": ("fiiffff>fi", "iiff" + "f" * 48),
    "DetectingEvent_SampleSize_TwoStages": ("ififfiffff>fi", "ff" + "i" * 12),
    "DetectingEvent_MaximumPrevalence": ("iifif>", "iff"),
    "Selection_SimpleRandom": ("iwor", ""),
    "Selection_ProbabilityProportional": ("iwor", ""),
}


def call_export(library, example, workdir):
    """(ResultCode, elements or output lines) of one worked example."""
    name = example["data-export"]
    signature, elements = EXPORTS[name]
    values = example.get("data-args", "").split()
    out = (ctypes.c_uint32 * max(len(elements), 1))()
    output_path = os.path.join(workdir, "selection.txt")
    arguments, argument_types = [], []
    for letter in signature:
        if letter == ">":
            arguments.append(out)
            argument_types.append(ctypes.c_void_p)
        elif letter == "r":
            arguments.append(ctypes.byref(ctypes.c_int32(0)))
            argument_types.append(ctypes.c_void_p)
        elif letter == "w":
            input_path = os.path.join(workdir, "input.txt")
            with open(input_path, "w", encoding="latin-1", newline="") as data:
                data.write("".join(line + "\r\n" for line in example["data-file"].split("|")))
            arguments.append(input_path)
            argument_types.append(ctypes.c_wchar_p)
        elif letter == "o":
            arguments.append(output_path)
            argument_types.append(ctypes.c_wchar_p)
        else:
            value = values.pop(0)
            arguments.append(float(value) if letter == "f" else int(value))
            argument_types.append(ctypes.c_float if letter == "f" else ctypes.c_int32)
    if values:
        raise ValueError("%d arguments too many" % len(values))
    function = getattr(library, name)
    function.restype = ctypes.c_uint32
    function.argtypes = argument_types
    code = function(*arguments)
    if not elements:
        with open(output_path, "rb") as selection:
            lines = selection.read().decode("latin-1").split("\r\n")
        return code, {"lines": "|".join(lines[:-1] if lines[-1] == "" else lines)}
    words = bytes(out)
    shown = {}
    for index, letter in enumerate(elements):
        if letter == "f":
            (value,) = struct.unpack_from("<f", words, 4 * index)
        elif letter == "b":
            value = words[4 * index]
        else:
            (value,) = struct.unpack_from("<i", words, 4 * index)
        shown[str(index)] = (letter, value)
    return code, shown


def trim_zeros(text):
    return text.rstrip("0")


def as_shown(letter, value, expected):
    """The value written as the program writes it, with as many decimals as
    the expected text has: "%.Nf" for floats, decimal for integers; a
    trailing "%" means the value times 100 with 2 decimals, trailing zeros
    trimmed (the maximum prevalence form)."""
    if letter in "ib":
        return str(value)
    if expected.endswith("%"):
        return trim_zeros("%.2f" % (value * 100.0)) + "%"
    decimals = len(expected.split(".")[1]) if "." in expected else 0
    return "%.*f" % (decimals, value)


def check_example(library, example):
    problems = []
    try:
        with tempfile.TemporaryDirectory() as workdir:
            code, shown = call_export(library, example, workdir)
    except (ValueError, KeyError, IndexError, OSError) as error:
        return ["cannot be run: %s" % error]
    if code != 0:
        return ["%s returned %#x" % (example["data-export"], code)]
    visible = " ".join(example["text"].split())
    for pair in example["data-expect"].split():
        key, expected = pair.split("=", 1)
        if key == "lines":
            actual = shown["lines"]
        elif key not in shown:
            problems.append("no element %s" % key)
            continue
        else:
            letter, value = shown[key]
            actual = as_shown(letter, value, expected)
        if actual != expected:
            problems.append("element %s: library %s, page %s" % (key, actual, expected))
        # What the reader sees must be what the attribute promises (flags
        # are shown as words, not numbers).
        checks = expected.split("|") if key == "lines" else [expected]
        if key == "lines" or shown[key][0] != "b":
            for text in checks:
                if text not in visible:
                    problems.append("element %s: %s is not shown in the example" % (key, text))
    return problems


# --- The whole check ----------------------------------------------------------------


def check_language(language, chm, registry, texts, library):
    failures = []
    pages = {}
    for name in chm.files:
        if name.lower().endswith((".htm", ".html")):
            pages[name] = Page(chm.read(name).decode("utf-8"))
    if not pages:
        return ["%s: no pages in the CHM" % language]

    # Every registry topic opens the page of its form.
    topics = chm.topic_map()
    for kind, title_id, topic in registry:
        target = topics.get(topic)
        if target is None:
            failures.append("%s: topic %d is not in the topic map" % (language, topic))
            continue
        path = target if target.startswith("/") else "/" + target
        if path not in pages:
            failures.append("%s: topic %d maps to %s, which is not in the CHM" %
                            (language, topic, target))
            continue
        title = texts[title_id + LANGUAGES[language]]
        heading = " ".join((pages[path].heading or "").split())
        if heading != title:
            failures.append("%s: topic %d (FormKind %d) opens %s titled %r, not %r" %
                            (language, topic, kind, path, heading, title))

    # The table of contents names pages of the help file.
    for name in chm.files:
        if name.lower().endswith(".hhc"):
            locals_ = re.findall(r'<param name="Local" value="([^"]+)"', chm.read(name).decode("ascii"))
            if not locals_:
                failures.append("%s%s: the table of contents names no page" % (language, name))
            for local in locals_:
                if "/" + local not in pages:
                    failures.append("%s%s: %s is not a page of the CHM" % (language, name, local))

    # Links stay inside the help file and reach what they name.
    for path, page in pages.items():
        for link in page.links:
            if re.match(r"^[a-z]+:", link):
                if not link.startswith("mailto:"):
                    failures.append("%s%s: link %s leaves the help file" % (language, path, link))
                continue
            target, _, anchor = link.partition("#")
            target_path = posixpath.normpath(posixpath.join(posixpath.dirname(path), target)) \
                if target else path
            if target_path not in chm.files:
                failures.append("%s%s: link %s names no file of the CHM" % (language, path, link))
            elif anchor and target_path in pages and anchor not in pages[target_path].anchors:
                failures.append("%s%s: link %s names no anchor" % (language, path, link))

    # Worked examples: each calculator page has at least one, and each
    # shows the library's own numbers. Examples that read a file run in a
    # process of their own under the language's locale (the library picks
    # its list separator when it is loaded), and so do the selections, which
    # draw from the random sequence of a freshly started program.
    for kind, title_id, topic in registry:
        path = "/" + topics.get(topic, "").lstrip("/")
        if kind < 16 and path in pages and not pages[path].examples:
            failures.append("%s%s: no worked example" % (language, path))
    for path, page in sorted(pages.items()):
        for example in page.examples:
            where = "%s%s line %d (%s)" % (language, path, example["line"],
                                           example["data-export"])
            if "data-file" in example:
                problems = run_in_fresh_process(library, example, LOCALES[language])
            else:
                problems = check_example(library, example)
            failures.extend("%s: %s" % (where, problem) for problem in problems)
    return failures


def run_in_fresh_process(library, example, locale):
    keys = ("data-export", "data-args", "data-expect", "data-file", "text")
    environment = dict(os.environ, LC_ALL=locale)
    result = subprocess.run([sys.executable, __file__, "--one-example", library._name] +
                            [example.get(key, "") for key in keys],
                            capture_output=True, text=True, check=False, env=environment)
    if result.returncode != 0:
        return [result.stdout.strip() or result.stderr.strip()]
    return []


def main(argv):
    if len(argv) > 1 and argv[1] == "--one-example":
        library = ctypes.CDLL(argv[2])
        keys = ("data-export", "data-args", "data-expect", "data-file", "text")
        example = dict(zip(keys, argv[3:]))
        problems = check_example(library, example)
        print("; ".join(problems))
        return 1 if problems else 0
    library_path, help_dir, source_dir = argv[1:4]
    library = ctypes.CDLL(library_path)
    registry = read_registry(source_dir)
    if len(registry) != 17:
        print("the form registry has %d entries, not 17" % len(registry))
        return 1
    failures = []
    for language in LANGUAGES:
        try:
            chm = Chm(os.path.join(help_dir, "Tessara_%s.chm" % language))
        except IOError as error:
            print("%s: FAILED, %s" % (language, error))
            failures.append(str(error))
            continue
        texts = read_catalogue(source_dir, language)
        language_failures = check_language(language, chm, registry, texts, library)
        failures.extend(language_failures)
        print("%s: %d pages, %d topics, %s" % (language, len(chm.files), len(chm.topic_map()),
                                               "ok" if not language_failures else "FAILED"))
        for failure in language_failures:
            print("  " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
