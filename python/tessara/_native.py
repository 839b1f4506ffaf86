"""Finding and loading the native library, and the C prototypes of its
exports (see Tessara_DLL/tessara.h, the one description of the interface).

The library is looked for, in this order: the file named by the environment
variable TESSARA_LIBRARY; beside this package; in out/linux/ (out/win64/ on
Windows) of the source tree the package lives in or was installed from.
"""

from __future__ import annotations

import ctypes
import os
import sys
import threading
from pathlib import Path
from typing import List, Optional

from .errors import LibraryNotFoundError

c_float = ctypes.c_float
c_int32 = ctypes.c_int32
c_uint8 = ctypes.c_uint8
c_wchar_p = ctypes.c_wchar_p
c_uint32 = ctypes.c_uint32


def _pointer(kind):
    return ctypes.POINTER(kind)


class StratifiedSampleSizes(ctypes.Structure):
    _fields_ = [("prevalence", c_float), ("strata", c_int32 * 5), ("total", c_int32)]


class TwoStageSampleSize(ctypes.Structure):
    _fields_ = [("clusters", c_int32), ("samples", c_int32), ("minimum_imposed", c_uint8)]


class TwoStageInterval(ctypes.Structure):
    _fields_ = [("prevalence", c_float), ("lower", c_float), ("upper", c_float),
                ("standard_error", c_float), ("design_effect", c_float),
                ("homogeneity", c_float), ("clusters", c_int32), ("samples", c_int32),
                ("events", c_int32)]


class TruePrevalence(ctypes.Structure):
    _fields_ = [("tp", c_float), ("negative", c_uint8)]


class ComparisonIntervals(ctypes.Structure):
    _fields_ = [("lower90", c_float), ("upper90", c_float), ("significant90", c_uint8),
                ("lower95", c_float), ("upper95", c_float), ("significant95", c_uint8),
                ("lower99", c_float), ("upper99", c_float), ("significant99", c_uint8),
                ("difference", c_float)]


class DetectionSampleSize(ctypes.Structure):
    _fields_ = [("sample_size", c_int32), ("false_positives", c_int32),
                ("sensitivity", c_float), ("specificity", c_float),
                ("table", (c_float * 6) * 8)]


class TwoStageDetection(ctypes.Structure):
    _fields_ = [("sensitivity", c_float), ("specificity", c_float), ("herds", c_int32),
                ("animals_per_herd", c_int32), ("samples", c_int32),
                ("false_positives_per_herd", c_int32), ("false_positives_in_sample", c_int32),
                ("animals_per_herd_table", c_int32 * 7)]


class MaximumPrevalence(ctypes.Structure):
    _fields_ = [("positives", c_int32), ("prevalence", c_float), ("confidence", c_float)]


_I, _F, _W = c_int32, c_float, c_wchar_p
_PI, _PF = _pointer(c_int32), _pointer(c_float)

# Argument types of every export this package calls, in the order of
# tessara.h. Paths cross as wide strings, so no code page is involved.
PROTOTYPES = {
    "SampleSize_SimpleRandom": [_F, _F, _I, _I, _PI],
    "SampleSize_Stratified": [_I, _F, _I, _F, _I, _F, _I, _F, _I, _F, _I, _F,
                              _pointer(StratifiedSampleSizes)],
    "SampleSize_TwoStages": [_F, _F, _I, _I, _I, _F, _pointer(TwoStageSampleSize)],
    "ConfidenceInterval_SimpleRandom_Proportion": [_F, _I, _I, _I, _PF],
    "ConfidenceInterval_SimpleRandom_PositiveCases": [_I, _I, _I, _I, _PF],
    "ConfidenceInterval_Stratified": [_I, _I, _I, _F, _I, _I, _F, _I, _I, _F, _I, _I, _F,
                                      _I, _I, _F, _PF],
    "ConfidenceInterval_TwoStages": [_I, _W, _PI, _PI, _pointer(TwoStageInterval)],
    "True_Prevelance": [_F, _F, _F, _pointer(TruePrevalence)],
    "Comparison_SampleSize": [_F, _F, _I, _I, _PI],
    "Comparison_ConfidenceInterval": [_F, _I, _F, _I, _pointer(ComparisonIntervals)],
    "Estimating_SampleSize": [_F, _I, _F, _I, _PI],
    "Estimating_ConfidenceInterval": [_F, _F, _I, _I, _I, _PF],
    "DetectingEvent_SampleSize_SimpleRandom": [_F, _I, _I, _F, _F, _F, _F,
                                               _pointer(DetectionSampleSize), _F, _I],
    "DetectingEvent_SampleSize_TwoStages": [_I, _F, _I, _F, _F, _I, _F, _F, _F, _F,
                                            _pointer(TwoStageDetection), _F, _I],
    "DetectingEvent_MaximumPrevalence": [_I, _I, _F, _I, _F, _pointer(MaximumPrevalence)],
    "Selection_SimpleRandom": [_I, _W, _W, _PI],
    "Selection_ProbabilityProportional": [_I, _W, _W, _PI],
}

ON_WINDOWS = sys.platform == "win32"
LIBRARY_NAME = "Tessara.dll" if ON_WINDOWS else "libTessara.so"
BUILD_FOLDER = "win64" if ON_WINDOWS else "linux"


def _recorded_source_tree() -> Optional[Path]:
    # Written into an installed copy of the package by its build backend.
    try:
        from ._source_tree import SOURCE_TREE
    except ImportError:
        return None
    return Path(SOURCE_TREE)


def candidate_paths() -> List[Path]:
    """The places the library is looked for, in order."""
    named = os.environ.get("TESSARA_LIBRARY")
    if named:
        return [Path(named)]
    here = Path(__file__).resolve().parent
    paths = [here / LIBRARY_NAME]
    trees = list(here.parents)[:3]
    recorded = _recorded_source_tree()
    if recorded is not None:
        trees.append(recorded)
    paths += [tree / "out" / BUILD_FOLDER / LIBRARY_NAME for tree in trees]
    return paths


def _load(path: Path):
    # Every export uses stdcall on 32-bit Windows, the C convention elsewhere.
    loader = ctypes.WinDLL if ON_WINDOWS else ctypes.CDLL  # type: ignore[attr-defined]
    library = loader(str(path))
    for name, argtypes in PROTOTYPES.items():
        function = getattr(library, name)
        function.argtypes = argtypes
        function.restype = c_uint32
    return library


_lock = threading.Lock()
_library = None
_library_path: Optional[Path] = None


def library():
    """The loaded library, loaded on first use."""
    global _library, _library_path
    with _lock:
        if _library is None:
            tried = candidate_paths()
            for path in tried:
                if path.is_file():
                    try:
                        _library = _load(path)
                    except (OSError, AttributeError) as error:
                        raise LibraryNotFoundError("cannot load %s: %s" % (path, error)) from error
                    _library_path = path
                    break
            else:
                raise LibraryNotFoundError(
                    "the Tessara library was not found; looked for: %s. Build it "
                    "(make build-native) or set TESSARA_LIBRARY to its path."
                    % ", ".join(str(path) for path in tried))
        return _library


def library_path() -> Path:
    """The file the library was loaded from (loading it if needed)."""
    library()
    assert _library_path is not None
    return _library_path
