"""The library's result codes as Python exceptions.

Every calculation of the library returns a result code: 0 for success,
0x600000nn for a refused argument or a file that cannot be used. Each known
code is raised as its own subclass of :class:`TessaraError`, carrying the
code, the English message the desktop program shows for it and, for the
codes that name a line of an input file, the row (and item) to blame. A code
this table does not know yet is raised as a plain :class:`TessaraError` with
that code and the message of an unknown error, so a newer library still
reports every failure.
"""

from __future__ import annotations

from typing import Dict, Optional, Type

__all__ = [
    "TessaraError",
    "InvalidInputError",
    "InputFileError",
    "LibraryNotFoundError",
    "error_for_code",
]

UNKNOWN_ERROR_MESSAGE = "An unknown error occured."


class TessaraError(Exception):
    """A calculation of the library refused its arguments or failed.

    Attributes:
        code: the library's result code (an unsigned 32-bit number).
        message: the English message for the code.
        row: the 1-based line of the input file to blame, or None.
        item: the 1-based field of that line to blame, or None.
    """

    code: int = 0x60000000
    message: str = UNKNOWN_ERROR_MESSAGE

    def __init__(self, code: Optional[int] = None, row: Optional[int] = None,
                 item: Optional[int] = None, detail: Optional[str] = None):
        if code is not None:
            self.code = code
        self.row = row
        self.item = item
        self.detail = detail
        super().__init__(str(self))

    def __str__(self) -> str:
        # As the desktop program reports it: the row after a space, and the
        # item after the row, each only when it is known.
        text = self.message.strip()
        if self.row is not None:
            text += " %d" % self.row
            if self.item is not None:
                text += ", %d" % self.item
        text += " (code 0x%08X)" % self.code
        if self.detail:
            text += ": " + self.detail
        return text

    def __reduce__(self):
        return (_rebuild, (self.code, self.row, self.item, self.detail))


class InvalidInputError(TessaraError, ValueError):
    """An argument outside the range the calculation admits."""


class InputFileError(TessaraError):
    """An input file that is missing, empty or holds a bad line, or an output
    file that cannot be written."""


class LibraryNotFoundError(OSError):
    """The native library (libTessara.so, Tessara.dll) was not found or could
    not be loaded."""


# The table: (code, class name, base, message). Names follow the library's
# own names for its codes; the messages are the program's English texts,
# typos included, so that a script's log reads like the program's report.
_TABLE = [
    (0x60000000, "UnexpectedFailure", TessaraError, UNKNOWN_ERROR_MESSAGE),
    (0x60000001, "InvalidExpectedPrevalence", InvalidInputError,
     "The value for 'Expected Prevalence' is invalid."),
    (0x60000002, "InvalidPrecision", InvalidInputError, "The value for 'Precision' is invalid."),
    (0x60000003, "InvalidConfidenceLevel", InvalidInputError,
     "The value for the 'Confidence Level' in invalid."),
    (0x60000004, "InvalidPopulationSize", InvalidInputError,
     "The number for 'Population Size' is invalid."),
    (0x60000005, "TooFewStrata", InvalidInputError, "A minimum of two sets Strata is required."),
    (0x60000006, "InvalidPopulationPrevalence", InvalidInputError,
     "The value for 'Expected Population Prevelance' is invalid."),
    (0x60000007, "SizeBelowMinimum", InvalidInputError,
     "The value for 'Samples per Farm' is invalid."),
    (0x60000008, "InvalidHomogeneity", InvalidInputError,
     "The values entered for 'Rate of homogeneity' are invalid."),
    (0x60000009, "InvalidProportion", InvalidInputError, "The value for 'Proportion' is invalid."),
    (0x6000000A, "SampleExceedsPopulation", InvalidInputError,
     "The sample size cannot be greater than the size of the population."),
    (0x6000000B, "InvalidPositiveCases", InvalidInputError,
     "The value for 'Positive Cases' is invalid."),
    (0x6000000C, "FileOpenFailed", InputFileError,
     "The selected file could not be opened. Please check that file exists and that you have "
     "rights to access the file."),
    (0x6000000D, "FileReadFailed", InputFileError,
     "The application fail to read the selected file. Please check that file exists and that "
     "you have rights to access the file."),
    (0x6000000E, "OutOfMemory", InputFileError,
     "The application failed to allocate enough memory to open the selected file. Please check "
     "that the file is valid."),
    (0x6000000F, "NoValidData", InputFileError, "The selected file contained no valid data."),
    (0x60000010, "InvalidFileFormat", InputFileError,
     "The application failed to read the selected file. Please check that the file is in a "
     "valid format."),
    (0x60000011, "TooFewClusterRecords", InputFileError,
     "The selected file must contain a lest two valid records."),
    (0x60000012, "InvalidClusterId", InputFileError,
     "A row in the selected file contained an invalid ID. Error row:"),
    (0x60000013, "ZeroSamplesBelowEvents", InputFileError,
     "A row in the selected file has data where the number of Samples is less than the number "
     "of Events and the value for Samples is zero; Error Row and Error Item:"),
    (0x60000014, "SamplesBelowEvents", InputFileError,
     "A row in the selected file has data where the number of Samples is less than the number "
     "of Events; Error Row and Error Item:"),
    (0x60000015, "InvalidPrevalence1", InvalidInputError,
     "The value for 'Prevalence 1' is invalid."),
    (0x60000016, "InvalidPrevalence2", InvalidInputError,
     "The value for 'Prevalence 2' is invalid."),
    # The program shows the text of the next code for this one.
    (0x60000017, "InvalidPower", InvalidInputError,
     "The value for 'Prevalence 1' is greater than the value for 'Prevalence 2'."),
    (0x60000018, "Prevalence2BelowPrevalence1", InvalidInputError,
     "The value for 'Prevalence 1' is greater than the value for 'Prevalence 2'."),
    (0x60000019, "InvalidSampleSize1", InvalidInputError,
     "The value for 'Sample Size 1' is invalid."),
    (0x6000001A, "InvalidSampleSize2", InvalidInputError,
     "The value for 'Sample Size 2' is invalid."),
    (0x6000001B, "InvalidSensitivity", InvalidInputError,
     "The value for 'Sensitivity' is invalid."),
    (0x6000001C, "InvalidSpecificity", InvalidInputError,
     "The value for 'Specificity' is invalid."),
    (0x6000001D, "InvalidAverage", InvalidInputError, " The value for 'Average' is invalid."),
    (0x6000001E, "InvalidStandardDeviation", InvalidInputError,
     "The value for 'Standard Deviation' is invalid."),
    (0x6000001F, "InvalidPrevalence", InvalidInputError, "The value for 'Prevalence' is invalid."),
    (0x60000020, "InvalidErrorProbability", InvalidInputError,
     "The value for 'Error Probability' is invalid."),
    (0x60000021, "InvalidTestCombination", InvalidInputError,
     "The value for 'Diagnostic Method Combination' is invalid."),
    (0x60000022, "InvalidHerdPrevalence", InvalidInputError,
     "The value for 'Herd prevalence' is invalid."),
    (0x60000023, "InvalidHerdAverage", InvalidInputError,
     "The value for for 'Herd average' is invalid."),
    (0x60000024, "InvalidHerdConfidenceLevel", InvalidInputError,
     "The value for for 'Herd confidence level' is invalid."),
    (0x60000025, "InputFileEmpty", InputFileError, "The input file contains no data."),
    (0x60000026, "InvalidUnitsToSelect", InvalidInputError,
     "The selected units value is invalid."),
    (0x60000027, "InvalidInputRecord", InputFileError, "The input file contains an error at row:"),
    (0x60000028, "OutputWriteFailed", InputFileError, "There was an error writing to the file."),
    (0x60000029, "InvalidUnitsToSelectBySize", InvalidInputError,
     "The selected units value is invalid."),
    (0x6000002A, "InputFileNoData", InputFileError, "The input file contains no data."),
    (0x6000002B, "InvalidInputRecordBySize", InputFileError,
     "The input file contains an error at row:"),
    (0x6000002C, "MoreUnitsThanRecords", InvalidInputError,
     "The selected units value is greater than the number of records in the file."),
    (0x6000002D, "InputFileNotFound", InputFileError, "The selected file cannot be found."),
    (0x6000002E, "InvalidRelativeError", InvalidInputError,
     "The value for 'Acceptable Relative Error' is invalid."),
    (0x6000002F, "TotalSizeBelowUnits", InvalidInputError,
     "The total of the sizes in the file is smaller than the selected units value."),
]

_BY_CODE: Dict[int, Type[TessaraError]] = {}
for _code, _name, _base, _message in _TABLE:
    _class = type(_name, (_base,), {
        "code": _code,
        "message": _message,
        "__doc__": "%s (result code 0x%08X)." % (_message.strip(), _code),
        "__module__": __name__,
    })
    globals()[_name] = _class
    __all__.append(_name)
    _BY_CODE[_code] = _class
del _code, _name, _base, _message, _class


def error_for_code(code: int, row: Optional[int] = None, item: Optional[int] = None,
                   detail: Optional[str] = None) -> TessaraError:
    """The exception for a result code: its own class when the code is known,
    a plain TessaraError carrying the code otherwise."""
    known = _BY_CODE.get(code)
    if known is None:
        return TessaraError(code, row, item, detail)
    return known(None, row, item, detail)


def _rebuild(code, row, item, detail):
    return error_for_code(code, row, item, detail)
