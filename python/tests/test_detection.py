"""Detection of disease and the maximum prevalence after an all-negative
sample, on the worked examples of each calculation."""

import pytest

import tessara

close = pytest.approx


def test_one_perfect_test():
    result = tessara.detection_sample_size_simple_random(prevalence=0.01, population=1000)
    # (1 - 0.05^0.1) (1000 - 4.5) = 257.70, truncated.
    assert result.sample_size == 257
    assert result.table[1000][0.01] == 257
    assert result.false_positives == 0
    assert (result.sensitivity, result.specificity) == (1.0, 1.0)
    # D is tiny in the last column: nearly the whole herd of 50 is tested.
    assert result.table[50][0.001] == 50
    assert set(result.table) == {50, 100, 250, 500, 1000, 2000, 5000}
    assert list(result.infinite_population) == [0.1, 0.05, 0.02, 0.01, 0.005, 0.001]


def test_imperfect_test_and_its_false_positives():
    result = tessara.detection_sample_size_simple_random(
        prevalence=0.01, population=1000, sensitivity=0.9, specificity=0.95,
        type_ii_error=0.05, confidence=95)
    assert (result.sample_size, result.false_positives) == (281, 19)
    assert (result.sensitivity, result.specificity) == (0.9, 0.95)


@pytest.mark.parametrize("interpretation, sensitivity, specificity", [
    ("serial", 0.9 * 0.8, 1 - 0.05 * 0.1),
    (tessara.Interpretation.PARALLEL, 1 - 0.1 * 0.2, 0.95 * 0.9),
])
def test_two_tests_combined(interpretation, sensitivity, specificity):
    result = tessara.detection_sample_size_simple_random(
        0.05, 500, sensitivity=0.9, specificity=0.95, sensitivity2=0.8, specificity2=0.9,
        interpretation=interpretation)
    assert result.sensitivity == close(sensitivity, rel=1e-6)
    assert result.specificity == close(specificity, rel=1e-6)


@pytest.mark.parametrize("second, error", [
    (dict(sensitivity2=0.8), tessara.errors.InvalidSpecificity),
    (dict(specificity2=0.8), tessara.errors.InvalidSensitivity),
    (dict(sensitivity2=0.8, specificity2=0.9), tessara.errors.InvalidTestCombination),
])
def test_second_test_must_be_whole_and_interpreted(second, error):
    with pytest.raises(error):
        tessara.detection_sample_size_simple_random(0.05, 500, sensitivity=0.9,
                                                    specificity=0.95, **second)


def test_unknown_interpretation_is_refused():
    with pytest.raises(ValueError):
        tessara.detection_sample_size_simple_random(0.05, 500, interpretation="either")


def test_two_stages():
    result = tessara.detection_sample_size_two_stages(
        herd_prevalence=0.05, herds=500, within_herd_prevalence=0.1, herd_size=100,
        herd_confidence=95, sensitivity=0.9, specificity=0.98, type_ii_error=0.05,
        confidence=95)
    assert (result.herds, result.animals_per_herd, result.samples) == (57, 27, 1539)
    assert (result.false_positives_per_herd, result.false_positives_in_sample) == (1, 39)
    assert result.animals_per_herd_table == {50: 23, 100: 27, 250: 29, 500: 30, 750: 31,
                                             1000: 31, 5000: 31}
    assert (result.sensitivity, result.specificity) == (0.9, 0.98)


def test_two_stages_checks_the_error_probability_first():
    with pytest.raises(tessara.errors.InvalidErrorProbability):
        tessara.detection_sample_size_two_stages(0, 500, 0.1, 100, type_ii_error=0)


def test_maximum_prevalence():
    result = tessara.maximum_prevalence(sample_size=30, population=1000, sensitivity=1,
                                        confidence=95, prevalence=0.05)
    assert result.positives == 94
    assert result.prevalence == close(0.0937, abs=1e-4)
    assert result.confidence == close(0.790, abs=1e-3)


def test_maximum_prevalence_sample_beyond_population():
    # Checked before the sensitivity, which is invalid too.
    with pytest.raises(tessara.errors.SampleExceedsPopulation):
        tessara.maximum_prevalence(1001, 1000, prevalence=0.05, sensitivity=0)
