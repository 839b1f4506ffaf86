"""The sampling calculations, one function each.

Conventions shared by every function:

* prevalences, proportions, errors, sensitivities and specificities are
  fractions (0.25, not 25); confidence levels and power are percentages;
* ``confidence`` is 90, 95 or 99. The library computes its normal quantile
  only for these three levels (it takes 91 to 98 as 95 %), so any other level
  is refused with :class:`~tessara.errors.InvalidConfidenceLevel` rather than
  computed at a level the caller did not ask for. The detection calculations,
  which use the level itself, keep the same three for one rule throughout;
* the library computes in single precision; real results are returned as the
  shortest decimal that stands for the same single-precision value
  (0.21479 rather than 0.21478998661041260);
* a refused argument raises the :class:`~tessara.errors.TessaraError`
  subclass of the library's result code; nothing is returned then.
"""

from __future__ import annotations

import ctypes
import enum
import math
import os
import struct
from dataclasses import dataclass
from pathlib import Path
from typing import Dict, Optional, Sequence, Tuple, Union

from . import _native, errors
from .errors import error_for_code

PathLike = Union[str, "os.PathLike[str]"]

CONFIDENCE_LEVELS = (90, 95, 99)
POWERS = (80, 85, 90, 95)
# Population sizes of the ready reckoners beside the caller's own population.
TABLE_POPULATIONS = (50, 100, 150, 200, 300, 400, 500, 750, 1000, 1500, 2000, 3500, 5000, 7500,
                     10000)
DETECTION_POPULATIONS = (50, 100, 250, 500, 1000, 2000, 5000)
DETECTION_PREVALENCES = (0.1, 0.05, 0.02, 0.01, 0.005, 0.001)
HERD_SIZES = (50, 100, 250, 500, 750, 1000, 5000)
_INT32_MIN, _INT32_MAX = -2 ** 31, 2 ** 31 - 1


class Homogeneity(enum.IntEnum):
    """Which rate of homogeneity to assume for a two-stage sample when the
    exact rate is not known; the design effect each implies is in brackets."""

    LOW = 1  # design effect 2
    MEDIUM = 2  # 4
    HIGH = 3  # 7
    UNKNOWN = 4  # 7.5


class Interpretation(enum.IntEnum):
    """How the results of two diagnostic tests are read together."""

    SERIAL = 1  # positive only when both tests are positive
    PARALLEL = 2  # positive when either test is positive


# ---- Result types


@dataclass(frozen=True)
class SampleSizeTable:
    """Sample sizes for the caller's population, a table of fixed
    populations ({50: n, 100: n, ..., 10000: n}) and an infinite population."""

    population: int
    sample_size: int
    table: Dict[int, int]
    infinite_population: int


@dataclass(frozen=True)
class StratifiedSampleSize:
    """Sample size of each stratum, in the order given, and their sum."""

    prevalence: float
    strata: Tuple[int, ...]
    total: int


@dataclass(frozen=True)
class TwoStageSampleSize:
    clusters: int
    samples: int
    minimum_imposed: bool


@dataclass(frozen=True)
class ConfidenceInterval:
    """An estimate with its confidence limits (not clipped to [0, 1])."""

    estimate: float
    lower: float
    upper: float


@dataclass(frozen=True)
class TwoStageInterval:
    prevalence: float
    lower: float
    upper: float
    standard_error: float
    design_effect: float
    rate_of_homogeneity: float
    clusters: int
    samples: int
    events: int


@dataclass(frozen=True)
class TruePrevalence:
    prevalence: float
    negative: bool


@dataclass(frozen=True)
class ComparisonSampleSize:
    """Sample size per population."""

    two_sided: int
    one_sided: int


@dataclass(frozen=True)
class DifferenceLimits:
    lower: float
    upper: float
    significant: bool


@dataclass(frozen=True)
class ComparisonInterval:
    """The difference prevalence2 - prevalence1 with its limits at 90, 95 and
    99 % ({90: DifferenceLimits, 95: ..., 99: ...})."""

    difference: float
    limits: Dict[int, DifferenceLimits]


@dataclass(frozen=True)
class DetectionSampleSize:
    """Animals to test; ``table`` gives the sizes for fixed populations and
    prevalences ({50: {0.1: n, 0.05: n, ...}, ..., 5000: {...}}) and
    ``infinite_population`` the same row for an infinite population."""

    sample_size: int
    false_positives: int
    sensitivity: float
    specificity: float
    table: Dict[int, Dict[float, int]]
    infinite_population: Dict[float, int]


@dataclass(frozen=True)
class TwoStageDetection:
    herds: int
    animals_per_herd: int
    samples: int
    false_positives_per_herd: int
    false_positives_in_sample: int
    sensitivity: float
    specificity: float
    animals_per_herd_table: Dict[int, int]


@dataclass(frozen=True)
class MaximumPrevalence:
    """``positives``: most positives the population may hold undetected;
    ``prevalence``: the same as a fraction of the population;
    ``confidence``: the confidence (a fraction) that the prevalence does not
    exceed the prevalence given."""

    positives: int
    prevalence: float
    confidence: float


# ---- Argument and result conversion


def _single(value: float) -> float:
    """The shortest decimal that reads back as the same single-precision
    value (NaN and infinities as they are)."""
    if not math.isfinite(value):
        return value
    single = struct.unpack("f", struct.pack("f", value))[0]
    for digits in range(6, 10):
        shortest = float("%.*g" % (digits, single))
        if struct.unpack("f", struct.pack("f", shortest))[0] == single:
            return shortest
    return single


def _whole(value, name: str) -> int:
    """A count or size as a signed 32-bit integer: whole numbers only."""
    if isinstance(value, bool) or not isinstance(value, (int, float)):
        raise TypeError("%s must be a whole number, not %r" % (name, value))
    if isinstance(value, float):
        if not value.is_integer():
            raise ValueError("%s must be a whole number, not %r" % (name, value))
        value = int(value)
    if not _INT32_MIN <= value <= _INT32_MAX:
        raise ValueError("%s %d is out of the range of a 32-bit integer" % (name, value))
    return value


def _real(value, name: str) -> float:
    if isinstance(value, bool) or not isinstance(value, (int, float)):
        raise TypeError("%s must be a number, not %r" % (name, value))
    return float(value)


def _level(confidence, normal_quantile: bool = True) -> int:
    """The confidence level: 90, 95 or 99. ``normal_quantile`` tells that the
    calculation takes z from the level, and so 91 to 98 as 95 %."""
    level = _whole(confidence, "confidence")
    if level not in CONFIDENCE_LEVELS:
        detail = "confidence %d %% is not supported; use 90, 95 or 99" % level
        if normal_quantile and 91 <= level <= 98:
            detail += " (the library would compute it as 95 %)"
        raise errors.InvalidConfidenceLevel(detail=detail)
    return level


def _path(value: PathLike) -> str:
    return os.fsdecode(os.fspath(value))


def _call(name: str, *arguments, row: Optional[ctypes.c_int32] = None,
          item: Optional[ctypes.c_int32] = None) -> None:
    code = getattr(_native.library(), name)(*arguments)
    if code != 0:
        # Row and item are reported only when the library wrote them.
        row_value = row.value if row is not None and row.value >= 0 else None
        item_value = item.value if item is not None and item.value >= 0 else None
        if row_value is None:
            item_value = None
        raise error_for_code(code, row_value, item_value)


def _not_written() -> ctypes.c_int32:
    return ctypes.c_int32(-1)


def _interpretation(value) -> int:
    if value is None:
        return 0
    if isinstance(value, str):
        try:
            return Interpretation[value.upper()].value
        except KeyError:
            raise ValueError("interpretation must be 'serial' or 'parallel', not %r" % value)
    return Interpretation(value).value


def _second_test(sensitivity2, specificity2) -> Tuple[float, float]:
    # The library reads a second test whose figures are both 0 as absent.
    return (0.0 if sensitivity2 is None else _real(sensitivity2, "sensitivity2"),
            0.0 if specificity2 is None else _real(specificity2, "specificity2"))


def _strata(strata, width: int, name: str) -> list:
    strata = [tuple(stratum) for stratum in strata]
    if not 2 <= len(strata) <= 5:
        raise ValueError("%s: give 2 to 5 strata, not %d" % (name, len(strata)))
    for number, stratum in enumerate(strata, 1):
        if len(stratum) != width:
            raise ValueError("%s: stratum %d must have %d values, not %r"
                             % (name, number, width, stratum))
    return strata


# ---- Estimating a prevalence


def sample_size_simple_random(prevalence: float, relative_error: float, population: int,
                              confidence: int = 95) -> SampleSizeTable:
    """Sample size to estimate a prevalence from a simple random sample.

    Cochran's sample size for a proportion, n0 = z^2 p (1 - p) / d^2 with the
    absolute error d = relative_error * prevalence, corrected for a finite
    population as n = n0 / (n0 / N + 1); sizes are truncated and raised by 1.
    Reference: W. G. Cochran, Sampling Techniques, 3rd ed., Wiley, 1977,
    chapter 4.

    Args:
        prevalence: expected prevalence, a fraction, 1e-6 <= p < 1.
        relative_error: acceptable error as a fraction of the prevalence
            (0.1 means +/- 10 % of p), 1e-6 <= e < 1.
        population: number of animals in the population, at least 1.
        confidence: confidence level in percent: 90, 95 or 99.

    Returns the size for ``population``, for each population of
    TABLE_POPULATIONS and for an infinite population.
    """
    level = _level(confidence)
    population = _whole(population, "population")
    out = (ctypes.c_int32 * 17)()
    _call("SampleSize_SimpleRandom", _real(prevalence, "prevalence"),
          _real(relative_error, "relative_error"), level, population, out)
    return SampleSizeTable(population, out[0], dict(zip(TABLE_POPULATIONS, out[1:16])), out[16])


def sample_size_stratified(strata: Sequence[Tuple[int, float]], relative_error: float,
                           confidence: int = 95) -> StratifiedSampleSize:
    """Sample size of each stratum of a stratified random sample, to estimate
    the population prevalence within a relative error.

    The total n = sum(N_h^2 p_h q_h / a_h) / (N^2 V + sum(N_h p_h q_h)) with
    V = (e p)^2 / z^2 is spread by optimum (Neyman) allocation,
    a_h proportional to N_h sqrt(p_h q_h); each stratum's share is truncated
    and raised by 1, and the total is the sum of the shares. Reference:
    W. G. Cochran, Sampling Techniques, 3rd ed., Wiley, 1977, chapter 5.

    Args:
        strata: 2 to 5 pairs (population, expected prevalence); each
            population at least 1, each prevalence a fraction,
            1e-6 <= p < 1.
        relative_error: acceptable error as a fraction of the population
            prevalence, 1e-6 <= e < 1.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    strata = _strata(strata, 2, "strata")
    arguments = []
    for number, (size, prevalence) in enumerate(strata, 1):
        arguments += [_whole(size, "population of stratum %d" % number),
                      _real(prevalence, "prevalence of stratum %d" % number)]
    arguments += [0, 0.0] * (5 - len(strata))
    out = _native.StratifiedSampleSizes()
    _call("SampleSize_Stratified", level, _real(relative_error, "relative_error"), *arguments,
          ctypes.byref(out))
    return StratifiedSampleSize(_single(out.prevalence), tuple(out.strata[:len(strata)]),
                                out.total)


def sample_size_two_stages(prevalence: float, relative_error: float, samples_per_cluster: int,
                           rate_of_homogeneity: Optional[float] = None,
                           homogeneity: Union[Homogeneity, str, None] = None,
                           confidence: int = 95) -> TwoStageSampleSize:
    """Clusters and samples for a two-stage (cluster) sample.

    The simple random size z^2 p (1 - p) / d^2 is inflated by the design
    effect D = 1 + (m - 1) rho and divided by the m samples per cluster; at
    least 25 clusters are always asked for. Reference: L. Kish, Survey
    Sampling, Wiley, 1965 (design effect of cluster sampling).

    Args:
        prevalence: expected prevalence, a fraction, 1e-6 <= p < 1.
        relative_error: acceptable error as a fraction of the prevalence,
            1e-6 <= e < 1.
        samples_per_cluster: samples taken in each cluster, at least 2.
        rate_of_homogeneity: the exact rate of homogeneity (intra-cluster
            correlation) rho, at least 1e-6; give it or ``homogeneity``.
        homogeneity: when rho is not known: low, medium, high or unknown
            (design effect 2, 4, 7 or 7.5).
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    if (rate_of_homogeneity is None) == (homogeneity is None):
        raise ValueError("give either rate_of_homogeneity or homogeneity")
    if homogeneity is None:
        homogeneity_level, rho = 0, _real(rate_of_homogeneity, "rate_of_homogeneity")
    else:
        if isinstance(homogeneity, str):
            try:
                homogeneity = Homogeneity[homogeneity.upper()]
            except KeyError:
                raise ValueError("homogeneity must be low, medium, high or unknown, not %r"
                                 % homogeneity)
        homogeneity_level, rho = Homogeneity(homogeneity).value, 0.0
    out = _native.TwoStageSampleSize()
    _call("SampleSize_TwoStages", _real(prevalence, "prevalence"),
          _real(relative_error, "relative_error"), level,
          _whole(samples_per_cluster, "samples_per_cluster"), homogeneity_level, rho,
          ctypes.byref(out))
    return TwoStageSampleSize(out.clusters, out.samples, bool(out.minimum_imposed))


def confidence_interval_simple_random(sample_size: int, population: int,
                                      proportion: Optional[float] = None,
                                      positives: Optional[int] = None,
                                      confidence: int = 95) -> ConfidenceInterval:
    """Confidence interval of a prevalence from a simple random sample.

    Normal approximation with the finite population correction:
    p +/- z sqrt(p (1 - p) / n) sqrt(1 - n / N); the limits are not clipped
    to [0, 1]. Reference: W. G. Cochran, Sampling Techniques, 3rd ed., Wiley,
    1977, chapter 3.

    Args:
        sample_size: animals sampled, at least 2 and at most the population.
        population: animals in the population, at least 2.
        proportion: observed proportion, a fraction, 1e-6 <= p < 1; give it
            or ``positives``.
        positives: number of positive animals in the sample, 1 to the
            sample size.
        confidence: confidence level in percent: 90, 95 or 99.

    The estimate of the result is the proportion (positives / sample_size).
    """
    level = _level(confidence)
    if (proportion is None) == (positives is None):
        raise ValueError("give either proportion or positives")
    sample_size = _whole(sample_size, "sample_size")
    population = _whole(population, "population")
    if positives is None:
        p = _real(proportion, "proportion")
        out = (ctypes.c_float * 2)()
        _call("ConfidenceInterval_SimpleRandom_Proportion", p, sample_size, population, level,
              out)
        return ConfidenceInterval(_single(p), _single(out[0]), _single(out[1]))
    out = (ctypes.c_float * 3)()
    _call("ConfidenceInterval_SimpleRandom_PositiveCases", _whole(positives, "positives"),
          sample_size, population, level, out)
    return ConfidenceInterval(*(_single(value) for value in out))


def confidence_interval_stratified(strata: Sequence[Tuple[int, int, float]],
                                   confidence: int = 95) -> ConfidenceInterval:
    """Prevalence and confidence interval from a stratified random sample.

    The size-weighted mean of the stratum proportions with the variance
    sum(N_h^2 p_h (1 - p_h) / (n_h - 1) (N_h - n_h) / N_h) / N^2. Reference:
    W. G. Cochran, Sampling Techniques, 3rd ed., Wiley, 1977, chapter 5.

    Args:
        strata: 2 to 5 triples (population, sample size, proportion). Strata
            1 and 2 need a population and a sample of at least 2 and a
            proportion with 1e-6 <= p < 1; the library leaves out a stratum
            3 to 5 it cannot use, and every stratum after it.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    strata = _strata(strata, 3, "strata")
    arguments = []
    for number, (size, sample, proportion) in enumerate(strata, 1):
        arguments += [_whole(size, "population of stratum %d" % number),
                      _whole(sample, "sample size of stratum %d" % number),
                      _real(proportion, "proportion of stratum %d" % number)]
    arguments += [0, 0, 0.0] * (5 - len(strata))
    out = (ctypes.c_float * 3)()
    _call("ConfidenceInterval_Stratified", level, *arguments, out)
    return ConfidenceInterval(*(_single(value) for value in out))


def confidence_interval_two_stages(path: PathLike, confidence: int = 95) -> TwoStageInterval:
    """Prevalence and confidence interval from a two-stage (cluster) sample
    read from a file.

    The ratio estimate p = sum(a) / sum(m) with its standard error between
    clusters, the design effect against a simple random sample of the same
    size and the rate of homogeneity (D - 1) / (mean m - 1). References:
    W. G. Cochran, Sampling Techniques, 3rd ed., Wiley, 1977, chapter 6
    (ratio estimate); L. Kish, Survey Sampling, Wiley, 1965 (design effect).

    Args:
        path: the cluster file: one line per cluster, "identifier,samples,
            events" (fields divided by ";" under a Spanish locale), no header
            line; the clusters end at the first line with fewer fields. At
            least two events in all.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    row, item = _not_written(), _not_written()
    out = _native.TwoStageInterval()
    _call("ConfidenceInterval_TwoStages", level, _path(path), ctypes.byref(row),
          ctypes.byref(item), ctypes.byref(out), row=row, item=item)
    return TwoStageInterval(_single(out.prevalence), _single(out.lower), _single(out.upper),
                            _single(out.standard_error), _single(out.design_effect),
                            _single(out.homogeneity), out.clusters, out.samples, out.events)


def true_prevalence(apparent_prevalence: float, sensitivity: float,
                    specificity: float) -> TruePrevalence:
    """True prevalence from the apparent prevalence of an imperfect test.

    The Rogan-Gladen estimator TP = (AP + Sp - 1) / (Se + Sp - 1), not
    clamped to [0, 1]; ``negative`` tells that TP < 0, which means the three
    figures contradict each other. Reference: W. J. Rogan and B. Gladen,
    Estimating prevalence from the results of a screening test, American
    Journal of Epidemiology 107 (1978) 71-76.

    Args:
        apparent_prevalence: proportion of positive results, 1e-6 <= AP <= 1.
        sensitivity: sensitivity of the test, 1e-6 <= Se <= 1.
        specificity: specificity of the test, 1e-6 <= Sp <= 1.
    """
    out = _native.TruePrevalence()
    _call("True_Prevelance", _real(apparent_prevalence, "apparent_prevalence"),
          _real(sensitivity, "sensitivity"), _real(specificity, "specificity"),
          ctypes.byref(out))
    return TruePrevalence(_single(out.tp), bool(out.negative))


def comparison_sample_size(prevalence1: float, prevalence2: float, power: int = 80,
                           confidence: int = 95) -> ComparisonSampleSize:
    """Sample size per population to detect the difference between two
    prevalences, for a two-sided and a one-sided test.

    Fleiss's formula, the pooled prevalence in the confidence term and the
    two prevalences in the power term, with the continuity correction
    n = m / 4 (1 + sqrt(1 + 4 / (m d)))^2. Reference: J. L. Fleiss,
    Statistical Methods for Rates and Proportions, 2nd ed., Wiley, 1981.

    Args:
        prevalence1: the lower expected prevalence, 1e-6 <= p1 <= 1.
        prevalence2: the higher expected prevalence, p1 <= p2 <= 1.
        power: power of the test in percent: 80, 85, 90 or 95.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    out = (ctypes.c_int32 * 2)()
    _call("Comparison_SampleSize", _real(prevalence1, "prevalence1"),
          _real(prevalence2, "prevalence2"), level, _whole(power, "power"), out)
    return ComparisonSampleSize(out[0], out[1])


def comparison_confidence_interval(prevalence1: float, sample_size1: int, prevalence2: float,
                                   sample_size2: int) -> ComparisonInterval:
    """Confidence limits of the difference between two observed prevalences
    at 90, 95 and 99 %, and whether it is significant at each level.

    Normal approximation with separate variances,
    (p2 - p1) +/- z sqrt(p1 q1 / n1 + p2 q2 / n2), no continuity
    correction; the difference is significant when the lower limit is above
    0. Reference: J. L. Fleiss, Statistical Methods for Rates and
    Proportions, 2nd ed., Wiley, 1981.

    Args:
        prevalence1: the lower observed prevalence, 1e-6 <= p1 <= 1.
        sample_size1: size of the first sample, at least 1.
        prevalence2: the higher observed prevalence, p1 <= p2 <= 1.
        sample_size2: size of the second sample, at least 1.
    """
    out = _native.ComparisonIntervals()
    _call("Comparison_ConfidenceInterval", _real(prevalence1, "prevalence1"),
          _whole(sample_size1, "sample_size1"), _real(prevalence2, "prevalence2"),
          _whole(sample_size2, "sample_size2"), ctypes.byref(out))
    limits = {level: DifferenceLimits(_single(getattr(out, "lower%d" % level)),
                                      _single(getattr(out, "upper%d" % level)),
                                      bool(getattr(out, "significant%d" % level)))
              for level in CONFIDENCE_LEVELS}
    return ComparisonInterval(_single(out.difference), limits)


# ---- Estimating a mean


def mean_sample_size(precision: float, standard_deviation: float, population: int,
                     confidence: int = 95) -> SampleSizeTable:
    """Sample size to estimate a mean within an absolute precision.

    n0 = (z S / E)^2 for an infinite population, n = n0 / (n0 / N + 1) for a
    population of N, rounded half up. Reference: W. G. Cochran, Sampling
    Techniques, 3rd ed., Wiley, 1977, chapter 4.

    Args:
        precision: accepted absolute error E of the mean, in the unit of the
            measurement, at least 1e-6.
        standard_deviation: expected standard deviation S, same unit, at
            least 1e-6.
        population: individuals in the population, at least 1.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    population = _whole(population, "population")
    out = (ctypes.c_int32 * 17)()
    _call("Estimating_SampleSize", _real(precision, "precision"), level,
          _real(standard_deviation, "standard_deviation"), population, out)
    return SampleSizeTable(population, out[16], dict(zip(TABLE_POPULATIONS, out[:15])), out[15])


def mean_confidence_interval(mean: float, standard_deviation: float, sample_size: int,
                             population: int, confidence: int = 95) -> ConfidenceInterval:
    """Confidence interval of an observed mean.

    mean +/- z S / sqrt(n) sqrt(1 - n / N). Reference: W. G. Cochran,
    Sampling Techniques, 3rd ed., Wiley, 1977, chapter 2.

    Args:
        mean: observed mean, at least 1e-6.
        standard_deviation: observed standard deviation, at least 1e-6.
        sample_size: individuals sampled, at least 1.
        population: individuals in the population, at least the sample size.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence)
    mean = _real(mean, "mean")
    out = (ctypes.c_float * 2)()
    _call("Estimating_ConfidenceInterval", mean, _real(standard_deviation, "standard_deviation"),
          _whole(sample_size, "sample_size"), _whole(population, "population"), level, out)
    return ConfidenceInterval(_single(mean), _single(out[0]), _single(out[1]))


# ---- Detecting disease


def detection_sample_size_simple_random(
        prevalence: float, population: int, sensitivity: float = 1.0, specificity: float = 1.0,
        sensitivity2: Optional[float] = None, specificity2: Optional[float] = None,
        interpretation: Union[Interpretation, str, None] = None, type_ii_error: float = 0.05,
        confidence: int = 95) -> DetectionSampleSize:
    """Animals to test, drawn at random, to find at least one positive when
    the prevalence is at least the design prevalence.

    The approximation to the hypergeometric distribution
    n = (1 - alpha^(1/D)) (N - (D - 1) / 2) with D = N p Se detectable
    positives, truncated; two tests are combined in serial or in parallel.
    The false positives to expect are the smallest k whose cumulated
    probability among the non-diseased part of the sample reaches
    1 - type_ii_error (exact binomial below 171 animals, then Poisson, or the
    normal density when m (1 - Sp) > 30). Reference: R. M. Cannon and
    R. T. Roe, Livestock Disease Surveys: A Field Manual for Veterinarians,
    Australian Government Publishing Service, 1982.

    Args:
        prevalence: minimum expected (design) prevalence, 1e-6 <= p <= 1.
        population: animals in the population, at least 1.
        sensitivity: sensitivity of the test, 1e-6 <= Se <= 1.
        specificity: specificity of the test, 1e-6 <= Sp <= 1.
        sensitivity2: sensitivity of a second test, or none.
        specificity2: specificity of a second test, or none.
        interpretation: with two tests: serial or parallel.
        type_ii_error: type II error of the false-positive count,
            1e-6 <= beta <= 1.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence, normal_quantile=False)
    se2, sp2 = _second_test(sensitivity2, specificity2)
    out = _native.DetectionSampleSize()
    _call("DetectingEvent_SampleSize_SimpleRandom", _real(prevalence, "prevalence"),
          _whole(population, "population"), level, _real(sensitivity, "sensitivity"),
          _real(specificity, "specificity"), se2, sp2, ctypes.byref(out),
          _real(type_ii_error, "type_ii_error"), _interpretation(interpretation))
    rows = [dict(zip(DETECTION_PREVALENCES, (int(cell) for cell in row))) for row in out.table]
    return DetectionSampleSize(out.sample_size, out.false_positives, _single(out.sensitivity),
                               _single(out.specificity),
                               dict(zip(DETECTION_POPULATIONS, rows[:7])), rows[7])


def detection_sample_size_two_stages(
        herd_prevalence: float, herds: int, within_herd_prevalence: float, herd_size: float,
        herd_confidence: int = 95, sensitivity: float = 1.0, specificity: float = 1.0,
        sensitivity2: Optional[float] = None, specificity2: Optional[float] = None,
        interpretation: Union[Interpretation, str, None] = None, type_ii_error: float = 0.05,
        confidence: int = 95) -> TwoStageDetection:
    """Herds to sample and animals to test in each, to detect disease in a
    population of herds.

    Both stages use the approximation to the hypergeometric distribution of
    :func:`detection_sample_size_simple_random`: the animals per herd reach
    the herd-level sensitivity ``herd_confidence`` for the within-herd
    prevalence, the herds reach ``confidence`` for the herd prevalence times
    that herd-level sensitivity. False positives as for the simple random
    design. Reference: R. M. Cannon and R. T. Roe, Livestock Disease Surveys:
    A Field Manual for Veterinarians, Australian Government Publishing
    Service, 1982.

    Args:
        herd_prevalence: minimum expected proportion of infected herds,
            1e-6 <= p <= 1.
        herds: herds in the population, at least 1.
        within_herd_prevalence: minimum expected prevalence of positive
            animals in an infected herd, 1e-6 <= p <= 1.
        herd_size: average number of animals per herd, at least 1.
        herd_confidence: probability in percent, 0 to 100, of detecting an
            infected herd (the herd-level sensitivity to reach).
        sensitivity: sensitivity of the test, 1e-6 <= Se <= 1.
        specificity: specificity of the test, 1e-6 <= Sp <= 1.
        sensitivity2: sensitivity of a second test, or none.
        specificity2: specificity of a second test, or none.
        interpretation: with two tests: serial or parallel.
        type_ii_error: type II error of the false-positive counts,
            1e-6 <= beta <= 1.
        confidence: confidence level of the herd stage in percent: 90, 95
            or 99.
    """
    level = _level(confidence, normal_quantile=False)
    se2, sp2 = _second_test(sensitivity2, specificity2)
    out = _native.TwoStageDetection()
    _call("DetectingEvent_SampleSize_TwoStages", level,
          _real(herd_prevalence, "herd_prevalence"), _whole(herds, "herds"),
          _real(within_herd_prevalence, "within_herd_prevalence"),
          _real(herd_size, "herd_size"), _whole(herd_confidence, "herd_confidence"),
          _real(sensitivity, "sensitivity"), _real(specificity, "specificity"), se2, sp2,
          ctypes.byref(out), _real(type_ii_error, "type_ii_error"),
          _interpretation(interpretation))
    return TwoStageDetection(out.herds, out.animals_per_herd, out.samples,
                             out.false_positives_per_herd, out.false_positives_in_sample,
                             _single(out.sensitivity), _single(out.specificity),
                             dict(zip(HERD_SIZES, out.animals_per_herd_table)))


def maximum_prevalence(sample_size: int, population: int, prevalence: float,
                       sensitivity: float = 1.0, confidence: int = 95) -> MaximumPrevalence:
    """What an all-negative sample says about the prevalence: the most
    positives the population may still hold, and the confidence that the
    prevalence is at most the one given.

    The detection formula of :func:`detection_sample_size_simple_random`
    solved for the number of positives, d = (1 - alpha^(1/n))
    (N - (n - 1) / 2) / Se, and for the confidence,
    1 - (1 - n / (N - (D - 1) / 2))^D with D = Se p N. Reference:
    R. M. Cannon and R. T. Roe, Livestock Disease Surveys: A Field Manual for
    Veterinarians, Australian Government Publishing Service, 1982.

    Args:
        sample_size: animals tested, all negative, at least 1.
        population: animals in the population, at least the sample size.
        prevalence: the prevalence to judge, 1e-6 <= p <= 1.
        sensitivity: sensitivity of the test, 1e-6 <= Se <= 1.
        confidence: confidence level in percent: 90, 95 or 99.
    """
    level = _level(confidence, normal_quantile=False)
    out = _native.MaximumPrevalence()
    _call("DetectingEvent_MaximumPrevalence", _whole(sample_size, "sample_size"),
          _whole(population, "population"), _real(sensitivity, "sensitivity"), level,
          _real(prevalence, "prevalence"), ctypes.byref(out))
    return MaximumPrevalence(out.positives, _single(out.prevalence), _single(out.confidence))


# ---- Selecting units from a list


def select_simple_random(units: int, input: PathLike, output: PathLike) -> Path:
    """Simple random selection of units from a list file.

    Draws ``units`` lines of the list ``input`` at random without
    replacement and writes them, whole and in the order drawn, to ``output``
    (replaced if it exists), each ended by CR LF.

    The generator is the C runtime's, never seeded: each process draws the
    same sequence, continued from one selection to the next.

    Args:
        units: lines to draw, 1 to the number of lines of the list.
        input: the list, one unit per line; it ends at the first empty line.
        output: the file to write.

    Returns the path of ``output``.
    """
    row = _not_written()
    _call("Selection_SimpleRandom", _whole(units, "units"), _path(input), _path(output),
          ctypes.byref(row), row=row)
    return Path(output)


def select_proportional_to_size(units: int, input: PathLike, output: PathLike) -> Path:
    """Selection of units with probability proportional to their size.

    Selects ``units`` units by systematic sampling along the cumulated sizes (a random start, then a
    fixed interval of total size // units), and writes "identifier,r" to
    ``output`` for each unit hit r times, in list order. Because the interval
    is truncated, there may be more selections than ``units``.

    Reference: W. G. Cochran, Sampling Techniques, 3rd ed., Wiley, 1977,
    chapter 9A (selection with probability proportional to size).

    Args:
        units: selections to make, 1 to the number of units of the list.
        input: the list, "identifier,size" per line (";" under a Spanish
            locale), further columns ignored; it ends at the first empty line.
            The sizes must add up to at least ``units`` (TotalSizeBelowUnits).
        output: the file to write.

    Returns the path of ``output``.
    """
    units = _whole(units, "units")
    input = _path(input)
    if units >= 1 and not os.path.exists(input):
        # The library would first show a message box on Windows.
        raise errors.InputFileNotFound(detail=input)
    row = _not_written()
    _call("Selection_ProbabilityProportional", units, input, _path(output), ctypes.byref(row),
          row=row)
    return Path(output)
