"""Comparison of two prevalences and estimating a mean, on the worked
examples of each calculation."""

import pytest

import tessara
from tessara.calculations import TABLE_POPULATIONS

close = pytest.approx


def test_comparison_sample_size():
    # Fleiss with the continuity correction: 218.56 and 176.10 before rounding.
    result = tessara.comparison_sample_size(prevalence1=0.1, prevalence2=0.2, power=80,
                                            confidence=95)
    assert result == tessara.ComparisonSampleSize(two_sided=219, one_sided=177)


def test_comparison_sample_size_grows_with_power_and_confidence():
    sizes = [tessara.comparison_sample_size(0.1, 0.2, power=power).two_sided
             for power in (80, 85, 90, 95)]
    assert sizes == sorted(sizes) and len(set(sizes)) == 4
    by_level = [tessara.comparison_sample_size(0.1, 0.2, confidence=level).two_sided
                for level in (90, 95, 99)]
    assert by_level == sorted(by_level) and len(set(by_level)) == 3


@pytest.mark.parametrize("prevalence1", [0.0000005, 0.000001])
def test_prevalences_below_the_tolerance_are_refused(prevalence1):
    # 1e-6 in single precision lies just below the tolerance 1e-6.
    with pytest.raises(tessara.errors.InvalidPrevalence1):
        tessara.comparison_sample_size(prevalence1, 0.2)


def test_smallest_admitted_prevalence():
    assert tessara.comparison_sample_size(1.0000001e-6, 0.2).two_sided >= 1


@pytest.mark.parametrize("size, lower, significant", [
    (100, {90: -0.00006}, {90: False, 95: False, 99: False}),
    (200, {90: 0.0292, 95: 0.0157, 99: -0.0108}, {90: True, 95: True, 99: False}),
    (1000, {}, {90: True, 95: True, 99: True}),
])
def test_comparison_confidence_interval(size, lower, significant):
    result = tessara.comparison_confidence_interval(prevalence1=0.2, sample_size1=size,
                                                    prevalence2=0.3, sample_size2=size)
    assert result.difference == close(0.1, abs=1e-6)
    assert {level: limits.significant for level, limits in result.limits.items()} == significant
    for level, expected in lower.items():
        assert result.limits[level].lower == close(expected, abs=1e-4)
    for limits in result.limits.values():
        # Symmetric about the difference.
        assert limits.lower + limits.upper == close(2 * result.difference, abs=1e-6)


def test_mean_sample_size():
    result = tessara.mean_sample_size(precision=1, standard_deviation=5, population=1000,
                                      confidence=95)
    assert result.table == dict(zip(TABLE_POPULATIONS, [33, 49, 59, 65, 73, 77, 81, 85, 88, 90,
                                                        92, 93, 94, 95, 95]))
    assert (result.infinite_population, result.sample_size) == (96, 88)


def test_mean_sample_size_at_ninety_percent():
    result = tessara.mean_sample_size(precision=2, standard_deviation=10, population=250,
                                      confidence=90)
    assert (result.infinite_population, result.sample_size) == (68, 53)


@pytest.mark.parametrize("sample, population, lower, upper", [
    (25, 1000, 46.1293, 53.8707),
    (25, 25, 50.0, 50.0),  # the whole population: no uncertainty left
])
def test_mean_confidence_interval(sample, population, lower, upper):
    result = tessara.mean_confidence_interval(mean=50, standard_deviation=10,
                                              sample_size=sample, population=population)
    assert (result.estimate, result.lower, result.upper) == (
        50.0, close(lower, abs=1e-4), close(upper, abs=1e-4))


@pytest.mark.parametrize("mean", [0, -3.5])
def test_the_mean_must_be_positive(mean):
    with pytest.raises(tessara.errors.InvalidAverage):
        tessara.mean_confidence_interval(mean, 10, 25, 1000)
