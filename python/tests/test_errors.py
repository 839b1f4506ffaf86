"""Every result code as its exception: each class raised by a call that
provokes it, the table against the library's own list of codes and the
program's English messages, and the refusal of confidence levels the
library would not compute as asked."""

import inspect
import pickle
import re

import pytest

import tessara
from tessara import errors
from conftest import SOURCE_TREE

LONG_LINE = "n" * 300


def provoke(name, tmp_path, write_list):
    """Calls that fail with each code an export returns."""
    missing = tmp_path / "missing.txt"
    out = tmp_path / "out.txt"
    clusters = "A|10|2\nB|10|4\n"
    calls = {
        "InvalidExpectedPrevalence": lambda: tessara.sample_size_simple_random(0, 0.1, 1000),
        "InvalidPrecision": lambda: tessara.mean_sample_size(0, 5, 1000),
        "InvalidConfidenceLevel": lambda: tessara.sample_size_simple_random(0.5, 0.1, 1000, 100),
        "InvalidPopulationSize": lambda: tessara.sample_size_simple_random(0.5, 0.1, 0),
        "TooFewStrata": lambda: tessara.sample_size_stratified([(0, 0.5), (1000, 0.5)], 0.1),
        "InvalidPopulationPrevalence":
            lambda: tessara.sample_size_two_stages(1, 0.2, 10, homogeneity="low"),
        "SizeBelowMinimum": lambda: tessara.sample_size_two_stages(0.2, 0.2, 1,
                                                                   homogeneity="low"),
        "InvalidHomogeneity": lambda: tessara.sample_size_two_stages(0.2, 0.2, 10,
                                                                     rate_of_homogeneity=0),
        "InvalidProportion": lambda: tessara.confidence_interval_simple_random(
            100, 1000, positives=0),
        "SampleExceedsPopulation": lambda: tessara.confidence_interval_simple_random(
            101, 100, proportion=0.3),
        "TooFewClusterRecords": lambda: tessara.confidence_interval_two_stages(
            write_list("A|10|1\nB|10|0\n")),
        "InvalidClusterId": lambda: tessara.confidence_interval_two_stages(
            write_list(clusters + " |5|3\n")),
        "ZeroSamplesBelowEvents": lambda: tessara.confidence_interval_two_stages(
            write_list(clusters + "E|0|2\n")),
        "SamplesBelowEvents": lambda: tessara.confidence_interval_two_stages(
            write_list(clusters + "E|5|7\n")),
        "InvalidPrevalence1": lambda: tessara.comparison_sample_size(0, 0.2),
        "InvalidPrevalence2": lambda: tessara.comparison_confidence_interval(0.1, 10, 1.5, 10),
        "InvalidPower": lambda: tessara.comparison_sample_size(0.1, 0.2, power=70),
        "Prevalence2BelowPrevalence1": lambda: tessara.comparison_sample_size(0.3, 0.2),
        "InvalidSampleSize1": lambda: tessara.comparison_confidence_interval(0.1, 0, 0.2, 10),
        "InvalidSampleSize2": lambda: tessara.comparison_confidence_interval(0.1, 10, 0.2, 0),
        "InvalidSensitivity": lambda: tessara.true_prevalence(0.3, 0, 0.95),
        "InvalidSpecificity": lambda: tessara.true_prevalence(0.3, 0.9, 1.2),
        "InvalidAverage": lambda: tessara.mean_confidence_interval(0, 10, 25, 1000),
        "InvalidStandardDeviation": lambda: tessara.mean_sample_size(1, 0, 1000),
        "InvalidPrevalence": lambda: tessara.detection_sample_size_simple_random(0, 1000),
        "InvalidErrorProbability": lambda: tessara.detection_sample_size_simple_random(
            0.01, 1000, type_ii_error=0),
        "InvalidTestCombination": lambda: tessara.detection_sample_size_simple_random(
            0.01, 1000, sensitivity2=0.9, specificity2=0.9),
        "InvalidHerdPrevalence": lambda: tessara.detection_sample_size_two_stages(
            0.05, 500, 0, 100),
        "InvalidHerdAverage": lambda: tessara.detection_sample_size_two_stages(
            0.05, 500, 0.1, 0.5),
        "InvalidHerdConfidenceLevel": lambda: tessara.detection_sample_size_two_stages(
            0.05, 500, 0.1, 100, herd_confidence=101),
        "InputFileEmpty": lambda: tessara.select_simple_random(1, write_list("\nu1\n"), out),
        "InvalidUnitsToSelect": lambda: tessara.select_simple_random(0, missing, out),
        "InvalidInputRecord": lambda: tessara.select_simple_random(
            1, write_list("u1\n" + LONG_LINE + "\n"), out),
        "OutputWriteFailed": lambda: tessara.select_simple_random(
            1, write_list("u1\n"), tmp_path / "no folder" / "out.txt"),
        "InvalidUnitsToSelectBySize": lambda: tessara.select_proportional_to_size(0, missing,
                                                                                  out),
        "InvalidInputRecordBySize": lambda: tessara.select_proportional_to_size(
            1, write_list("a|5\nb\n"), out),
        "MoreUnitsThanRecords": lambda: tessara.select_proportional_to_size(
            3, write_list("a|5\nb|5\n"), out),
        "InputFileNotFound": lambda: tessara.select_simple_random(1, missing, out),
        "InvalidRelativeError": lambda: tessara.sample_size_two_stages(0.2, 0, 10,
                                                                       homogeneity="low"),
        "TotalSizeBelowUnits": lambda: tessara.select_proportional_to_size(
            3, write_list("a|1\nb|1\nc|0\nd|0\n"), out),
    }
    return calls.get(name)


# Codes that no calculation returns, or only on a failure that cannot be
# brought about from outside (an exception, memory exhausted).
NOT_PROVOKED = {"UnexpectedFailure", "InvalidPositiveCases", "FileOpenFailed", "FileReadFailed",
                "OutOfMemory", "NoValidData", "InvalidFileFormat", "InputFileNoData"}
ROWS = {"InvalidClusterId": (3, 1), "ZeroSamplesBelowEvents": (3, 2),
        "SamplesBelowEvents": (3, 3), "InvalidInputRecord": (2, None),
        "InvalidInputRecordBySize": (2, None)}
TABLE = [(code, name) for code, name, _, _ in errors._TABLE]


@pytest.mark.parametrize("code, name", [entry for entry in TABLE
                                        if entry[1] not in NOT_PROVOKED])
def test_each_code_is_raised_as_its_class(tmp_path, write_list, code, name):
    with pytest.raises(errors.TessaraError) as raised:
        provoke(name, tmp_path, write_list)()
    error = raised.value
    assert type(error).__name__ == name
    assert error.code == code
    assert (error.row, error.item) == ROWS.get(name, (None, None))
    assert str(error).startswith(error.message.strip())


def test_the_table_follows_the_library_codes():
    header = (SOURCE_TREE / "Tessara_DLL" / "result_codes.h").read_text()
    library = {name: int(value, 16) for name, value in
               re.findall(r"ResultCode (\w+) = (0x[0-9A-Fa-f]+);", header)}
    # Every code of the library has its class, under the library's name.
    assert dict((name, code) for code, name in TABLE) == library


def test_messages_are_the_programs_english_texts():
    strings = (SOURCE_TREE / "Tessara_UI" / "resources" / "strings_en.rc").read_text(
        encoding="utf-8")
    texts = {int(number): text for number, text in re.findall(r"^\s+(\d+), \"(.*)\"$", strings,
                                                              re.M)}
    for code, _, _, message in errors._TABLE:
        number = code - 0x60000000
        # The messages follow the codes one string ahead from 0x60000005,
        # with four codes out of line.
        string_id = {0: 12000, 1: 12001, 2: 12002, 3: 12004, 4: 12005, 8: 12003,
                     0x2E: 12009, 0x2F: 12047}.get(number, 12001 + number)
        assert message == texts[string_id], hex(code)


def test_an_unknown_code_is_a_plain_tessara_error():
    error = errors.error_for_code(0x600000FF, row=4)
    assert type(error) is errors.TessaraError
    assert error.code == 0x600000FF and error.row == 4
    assert "0x600000FF" in str(error) and errors.UNKNOWN_ERROR_MESSAGE in str(error)


def test_errors_survive_pickling():
    error = errors.error_for_code(0x60000014, row=5, item=3)
    copy = pickle.loads(pickle.dumps(error))
    assert type(copy) is type(error) and (copy.row, copy.item) == (5, 3)


def test_input_errors_are_value_errors():
    assert issubclass(errors.InvalidRelativeError, ValueError)
    assert issubclass(errors.InputFileNotFound, errors.InputFileError)
    assert not issubclass(errors.InputFileNotFound, ValueError)


WITH_CONFIDENCE = [function for function in tessara.CALCULATIONS
                   if "confidence" in inspect.signature(function).parameters]
VALID_ARGUMENTS = {
    "sample_size_simple_random": dict(prevalence=0.5, relative_error=0.1, population=1000),
    "sample_size_stratified": dict(strata=[(1000, 0.5), (1000, 0.5)], relative_error=0.1),
    "sample_size_two_stages": dict(prevalence=0.2, relative_error=0.2, samples_per_cluster=10,
                                   homogeneity="low"),
    "confidence_interval_simple_random": dict(sample_size=100, population=1000,
                                              proportion=0.3),
    "confidence_interval_stratified": dict(strata=[(1000, 100, 0.2), (2000, 100, 0.3)]),
    "confidence_interval_two_stages": dict(path="any.txt"),
    "comparison_sample_size": dict(prevalence1=0.1, prevalence2=0.2),
    "mean_sample_size": dict(precision=1, standard_deviation=5, population=1000),
    "mean_confidence_interval": dict(mean=50, standard_deviation=10, sample_size=25,
                                     population=1000),
    "detection_sample_size_simple_random": dict(prevalence=0.01, population=1000),
    "detection_sample_size_two_stages": dict(herd_prevalence=0.05, herds=500,
                                             within_herd_prevalence=0.1, herd_size=100),
    "maximum_prevalence": dict(sample_size=30, population=1000, prevalence=0.05),
}


USE_THE_LEVEL_ITSELF = (tessara.detection_sample_size_simple_random,
                        tessara.detection_sample_size_two_stages, tessara.maximum_prevalence)


def test_every_confidence_level_argument_is_covered():
    assert sorted(f.__name__ for f in WITH_CONFIDENCE) == sorted(VALID_ARGUMENTS)


@pytest.mark.parametrize("function", WITH_CONFIDENCE, ids=lambda f: f.__name__)
@pytest.mark.parametrize("level", [89, 91, 93, 97, 98, 100])
def test_levels_other_than_90_95_99_are_refused(function, level):
    with pytest.raises(errors.InvalidConfidenceLevel) as raised:
        function(confidence=level, **VALID_ARGUMENTS[function.__name__])
    assert "use 90, 95 or 99" in str(raised.value)
    assert isinstance(raised.value, ValueError)
    # Only the calculations that take z from the level say it would be 95 %.
    says_95 = "compute it as 95 %" in str(raised.value)
    assert says_95 == (91 <= level <= 98 and function not in USE_THE_LEVEL_ITSELF)


@pytest.mark.parametrize("value, error", [(1000.5, ValueError), (2 ** 31, ValueError),
                                          ("1000", TypeError), (True, TypeError)])
def test_counts_must_be_whole_32_bit_numbers(value, error):
    with pytest.raises(error):
        tessara.sample_size_simple_random(0.5, 0.1, population=value)


def test_a_whole_float_count_is_taken():
    assert tessara.sample_size_simple_random(0.5, 0.1, population=1000.0).sample_size == 278
