"""What the package tests share: the package is imported from this
source tree, and the library from TESSARA_LIBRARY or the tree's build."""

import os
import sys
import threading
from pathlib import Path

import pytest

PACKAGE_ROOT = Path(__file__).resolve().parent.parent
SOURCE_TREE = PACKAGE_ROOT.parent
sys.path.insert(0, str(PACKAGE_ROOT))


def _active_separator() -> str:
    # The library splits the fields of its input files at ";" when the user
    # locale is Spanish, read from the first of these variables that is set.
    for variable in ("LC_ALL", "LC_CTYPE", "LANG"):
        value = os.environ.get(variable)
        if value:
            return ";" if value[:2].lower() == "es" and not value[2:3].isalpha() else ","
    return ","


SEPARATOR = _active_separator()


def list_text(text: str) -> bytes:
    """A list file's bytes, each "|" standing for the active separator."""
    return text.replace("|", SEPARATOR).encode("latin-1")


@pytest.fixture
def write_list(tmp_path):
    def write(text: str, name: str = "list.txt") -> Path:
        path = tmp_path / name
        path.write_bytes(list_text(text))
        return path
    return write


def in_fresh_thread(function):
    """Runs function in a new thread, whose random generator starts afresh,
    and returns its result (or raises its exception)."""
    outcome = {}

    def run():
        try:
            outcome["result"] = function()
        except BaseException as error:  # handed back to the caller
            outcome["error"] = error
    thread = threading.Thread(target=run)
    thread.start()
    thread.join()
    if "error" in outcome:
        raise outcome["error"]
    return outcome["result"]
