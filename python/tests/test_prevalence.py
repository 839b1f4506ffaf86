"""Estimating a prevalence: sample sizes, confidence intervals and the true
prevalence, on the worked examples of each calculation."""

import pytest

import tessara
from tessara import errors

close = pytest.approx


@pytest.mark.parametrize("prevalence, error, level, population, own, table, infinite", [
    (0.5, 0.1, 95, 1000, 278,
     [45, 80, 108, 132, 169, 196, 218, 255, 278, 306, 323, 347, 357, 366, 370], 385),
    (0.2, 0.2, 90, 500, 176,
     [43, 74, 97, 116, 143, 162, 176, 199, 213, 230, 239, 252, 257, 262, 264], 271),
    # A population of one needs one animal whatever the prevalence.
    (0.1, 0.5, 95, 1, 1,
     [37, 59, 72, 82, 95, 103, 109, 117, 122, 127, 130, 134, 135, 136, 137], 139),
])
def test_sample_size_simple_random(prevalence, error, level, population, own, table, infinite):
    result = tessara.sample_size_simple_random(prevalence=prevalence, relative_error=error,
                                               confidence=level, population=population)
    assert result.sample_size == own
    assert result.population == population
    assert result.table == dict(zip(tessara.calculations.TABLE_POPULATIONS, table))
    assert result.infinite_population == infinite


def test_sample_size_simple_random_bounds():
    # p = 0.999 is the last admitted prevalence below 1; p = 1 is refused.
    assert tessara.sample_size_simple_random(0.999, 0.5, 1000).sample_size >= 1
    with pytest.raises(errors.InvalidExpectedPrevalence):
        tessara.sample_size_simple_random(1.0, 0.5, 1000)
    with pytest.raises(errors.InvalidRelativeError):
        tessara.sample_size_simple_random(0.5, 1.0, 1000)


@pytest.mark.parametrize("level, error, strata, prevalence, sizes", [
    (95, 0.1, [(1000, 0.5), (1000, 0.5)], 0.5, (162, 162)),
    (95, 0.2, [(500, 0.1), (1500, 0.3), (2000, 0.2)], 0.225, (27, 124, 144)),
    (90, 0.2, [(500, 0.1), (1500, 0.3), (2000, 0.2)], 0.225, (20, 89, 104)),
])
def test_sample_size_stratified(level, error, strata, prevalence, sizes):
    result = tessara.sample_size_stratified(strata, relative_error=error, confidence=level)
    assert result.prevalence == close(prevalence, rel=1e-6)
    assert result.strata == sizes
    assert result.total == sum(sizes)


def test_five_equal_strata_get_equal_sizes():
    result = tessara.sample_size_stratified([(400, 0.3)] * 5, relative_error=0.1)
    assert len(set(result.strata)) == 1 and len(result.strata) == 5
    assert result.total == 5 * result.strata[0]


@pytest.mark.parametrize("strata", [[(1000, 0.5)], [(1000, 0.5)] * 6, [(1000,), (1000,)]])
def test_stratified_needs_two_to_five_whole_strata(strata):
    with pytest.raises(ValueError):
        tessara.sample_size_stratified(strata, relative_error=0.1)


@pytest.mark.parametrize("homogeneity, clusters, imposed", [
    (dict(rate_of_homogeneity=0.1), 73, False),
    (dict(homogeneity="low"), 77, False),
    (dict(homogeneity=tessara.Homogeneity.MEDIUM), 154, False),
    (dict(homogeneity="high"), 269, False),
    (dict(homogeneity="UNKNOWN"), 289, False),
])
def test_sample_size_two_stages(homogeneity, clusters, imposed):
    result = tessara.sample_size_two_stages(prevalence=0.2, relative_error=0.2,
                                            samples_per_cluster=10, **homogeneity)
    assert result == tessara.TwoStageSampleSize(clusters, clusters * 10, imposed)


def test_two_stages_imposes_twenty_five_clusters():
    result = tessara.sample_size_two_stages(0.5, 0.3, 20, homogeneity="low")
    assert result == tessara.TwoStageSampleSize(25, 500, True)


@pytest.mark.parametrize("homogeneity", [dict(), dict(rate_of_homogeneity=0.1, homogeneity="low"),
                                         dict(homogeneity="extreme")])
def test_two_stages_wants_one_kind_of_homogeneity(homogeneity):
    with pytest.raises(ValueError):
        tessara.sample_size_two_stages(0.2, 0.2, 10, **homogeneity)


@pytest.mark.parametrize("arguments, estimate, lower, upper", [
    (dict(proportion=0.3, sample_size=100, population=1000), 0.3, 0.21479, 0.38521),
    (dict(positives=30, sample_size=100, population=1000), 0.3, 0.21479, 0.38521),
    # A small proportion of a small sample: the lower limit is not clipped.
    (dict(proportion=0.02, sample_size=50, population=60, confidence=99), 0.02, -0.00082,
     0.04082),
])
def test_confidence_interval_simple_random(arguments, estimate, lower, upper):
    result = tessara.confidence_interval_simple_random(**arguments)
    assert result.estimate == close(estimate)
    assert result.lower == close(lower, abs=1e-5)
    assert result.upper == close(upper, abs=1e-5)


def test_whole_population_sampled_gives_no_width():
    result = tessara.confidence_interval_simple_random(sample_size=80, population=80,
                                                       positives=20)
    assert result == tessara.ConfidenceInterval(0.25, 0.25, 0.25)


def test_simple_random_interval_wants_proportion_or_positives():
    for both_or_none in (dict(), dict(proportion=0.3, positives=30)):
        with pytest.raises(ValueError):
            tessara.confidence_interval_simple_random(100, 1000, **both_or_none)


@pytest.mark.parametrize("strata, prevalence, lower, upper", [
    ([(1000, 100, 0.2), (2000, 100, 0.3)], 0.26667, 0.20294, 0.33040),
    ([(1000, 100, 0.2), (2000, 100, 0.3), (500, 50, 0.1)], 0.24286, 0.18706, 0.29866),
])
def test_confidence_interval_stratified(strata, prevalence, lower, upper):
    result = tessara.confidence_interval_stratified(strata, confidence=95)
    assert (result.estimate, result.lower, result.upper) == (
        close(prevalence, abs=1e-5), close(lower, abs=1e-5), close(upper, abs=1e-5))


FOUR_CLUSTERS = "A|10|2\nB|10|4\nG|20|3\nD|15|6\n"


@pytest.mark.parametrize("text", [FOUR_CLUSTERS, FOUR_CLUSTERS + "\nE|5|7\nF|1|1\n",
                                  FOUR_CLUSTERS.replace("\n", "\r\n")])
def test_confidence_interval_two_stages(write_list, text):
    # The clusters end at the first line that is not a record.
    result = tessara.confidence_interval_two_stages(write_list(text), confidence=95)
    assert (result.clusters, result.samples, result.events) == (4, 55, 15)
    assert result.prevalence == close(0.272727, abs=1e-6)
    assert result.standard_error == close(0.072174, abs=1e-6)
    assert result.lower == close(0.131266, abs=1e-6)
    assert result.upper == close(0.414189, abs=1e-6)
    assert result.design_effect == close(1.44444, abs=1e-5)
    assert result.rate_of_homogeneity == close(0.034858, abs=1e-6)


def test_two_stages_path_may_be_text(write_list):
    path = write_list(FOUR_CLUSTERS, "clusters with ñ.txt")
    assert tessara.confidence_interval_two_stages(str(path)).clusters == 4


@pytest.mark.parametrize("line, error, item", [
    ("E|5|7", errors.SamplesBelowEvents, 3),
    ("E|0|2", errors.ZeroSamplesBelowEvents, 2),
    (" |5|3", errors.InvalidClusterId, 1),
])
def test_two_stages_names_the_bad_row(write_list, line, error, item):
    with pytest.raises(error) as raised:
        tessara.confidence_interval_two_stages(write_list(FOUR_CLUSTERS + line + "\n"))
    assert (raised.value.row, raised.value.item) == (5, item)
    assert " 5" in str(raised.value)


def test_two_stages_accepts_a_field_that_is_not_a_number(write_list):
    # "x" reads as 0 events.
    result = tessara.confidence_interval_two_stages(write_list(FOUR_CLUSTERS + "E|5|x\n"))
    assert (result.clusters, result.samples, result.events) == (5, 60, 15)


@pytest.mark.parametrize("apparent, se, sp, true, negative", [
    (0.3, 0.9, 0.95, 0.2941, False),
    (0.02, 0.9, 0.95, -0.0353, True),
    (0.98, 0.9, 0.95, 1.0941, False),  # above 1, returned as computed
    (1.0, 1.0, 1.0, 1.0, False),
])
def test_true_prevalence(apparent, se, sp, true, negative):
    result = tessara.true_prevalence(apparent_prevalence=apparent, sensitivity=se,
                                     specificity=sp)
    assert result.prevalence == close(true, abs=1e-4)
    assert result.negative is negative
