"""The ctypes binding against the C header, and how the library is found."""

import ctypes
import os
import re
import subprocess
import sys

import pytest

from conftest import PACKAGE_ROOT, SOURCE_TREE
from tessara import _native

HEADER = (SOURCE_TREE / "Tessara_DLL" / "tessara.h").read_text()
SCALARS = {"float": ctypes.c_float, "std::int32_t": ctypes.c_int32,
           "std::uint8_t": ctypes.c_uint8}


def header_type(declaration):
    kind = re.sub(r"\s*\b\w+$", "", declaration.strip())  # drop the argument's name
    if kind == "const wchar_t*":
        return ctypes.c_wchar_p
    if kind.endswith("*"):
        base = kind[:-1].strip()
        return ctypes.POINTER(SCALARS.get(base) or getattr(_native, base))
    return SCALARS[kind]


EXPORTS = dict(re.findall(r"TESSARA_EXPORT ResultCode TESSARA_CALL (\w+)\((.*?)\);", HEADER,
                          re.S))


@pytest.mark.parametrize("name", sorted(_native.PROTOTYPES))
def test_prototypes_follow_the_header(name):
    expected = [header_type(argument) for argument in EXPORTS[name].split(",")]
    assert _native.PROTOTYPES[name] == expected


def test_every_calculation_of_the_header_is_bound():
    # The narrow-path twins are left out: paths cross as wide strings.
    assert set(_native.PROTOTYPES) == {name for name in EXPORTS if not name.endswith("_A")}


STRUCTS = re.findall(r"^struct (\w+) \{(.*?)^\};", HEADER, re.S | re.M)


@pytest.mark.parametrize("name, body", STRUCTS, ids=[name for name, _ in STRUCTS])
def test_records_follow_the_header(name, body):
    record = getattr(_native, name)
    fields = re.findall(r"^\s*([\w:]+) (\w+)((?:\[\d+\])*);", body, re.M)
    assert [field for field, _ in record._fields_] == [field for _, field, _ in fields]
    for (kind, field, dimensions), (_, mirrored) in zip(fields, record._fields_):
        expected = SCALARS[kind]
        for length in reversed(re.findall(r"\d+", dimensions)):
            expected = expected * int(length)
        assert ctypes.sizeof(mirrored) == ctypes.sizeof(expected), field
    size = re.search(r"static_assert\(sizeof\(%s\) == ([\d *]+)," % name, HEADER).group(1)
    assert ctypes.sizeof(record) == eval(size)  # a product of literals from the header


def run_python(code, **environment):
    env = dict(os.environ, PYTHONPATH=str(PACKAGE_ROOT), **environment)
    return subprocess.run([sys.executable, "-c", code], env=env, capture_output=True,
                          text=True)


def test_a_named_library_that_is_missing_is_reported(tmp_path):
    missing = tmp_path / "nowhere" / "libTessara.so"
    run = run_python("import tessara\n"
                     "try:\n"
                     "    tessara.true_prevalence(0.3, 0.9, 0.95)\n"
                     "except tessara.LibraryNotFoundError as error:\n"
                     "    print(error)\n", TESSARA_LIBRARY=str(missing))
    assert run.returncode == 0, run.stderr
    assert str(missing) in run.stdout and "TESSARA_LIBRARY" in run.stdout


def test_the_source_tree_build_is_found_without_the_variable():
    environment = dict(os.environ)
    environment.pop("TESSARA_LIBRARY", None)
    paths = subprocess.run(
        [sys.executable, "-c", "from tessara import _native\n"
         "print('\\n'.join(map(str, _native.candidate_paths())))"],
        env=dict(environment, PYTHONPATH=str(PACKAGE_ROOT)), capture_output=True, text=True)
    candidates = paths.stdout.split()
    assert candidates[0] == str(PACKAGE_ROOT / "tessara" / _native.LIBRARY_NAME)
    assert str(SOURCE_TREE / "out" / _native.BUILD_FOLDER / _native.LIBRARY_NAME) in candidates


def test_the_library_is_loaded_from_the_named_file():
    import tessara
    tessara.true_prevalence(0.3, 0.9, 0.95)
    named = os.environ.get("TESSARA_LIBRARY")
    if named:
        assert tessara.library_path() == type(tessara.library_path())(named)
    assert tessara.library_path().name == _native.LIBRARY_NAME
