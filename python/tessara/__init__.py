"""Sampling calculations for veterinary epidemiology: sample sizes,
confidence intervals, comparison of prevalences, true prevalence, detection
of disease and the selection of units, computed by the Tessara library.

>>> import tessara
>>> tessara.sample_size_simple_random(prevalence=0.5, relative_error=0.1,
...                                   population=1000, confidence=95).sample_size
278

Run ``python -m tessara --help`` for the same calculations from a shell.
"""

from . import errors
from .calculations import (
    CONFIDENCE_LEVELS,
    ComparisonInterval,
    ComparisonSampleSize,
    ConfidenceInterval,
    DetectionSampleSize,
    DifferenceLimits,
    Homogeneity,
    Interpretation,
    MaximumPrevalence,
    SampleSizeTable,
    StratifiedSampleSize,
    TruePrevalence,
    TwoStageDetection,
    TwoStageInterval,
    TwoStageSampleSize,
    comparison_confidence_interval,
    comparison_sample_size,
    confidence_interval_simple_random,
    confidence_interval_stratified,
    confidence_interval_two_stages,
    detection_sample_size_simple_random,
    detection_sample_size_two_stages,
    maximum_prevalence,
    mean_confidence_interval,
    mean_sample_size,
    sample_size_simple_random,
    sample_size_stratified,
    sample_size_two_stages,
    select_proportional_to_size,
    select_simple_random,
    true_prevalence,
)
from ._native import library_path
from .errors import InputFileError, InvalidInputError, LibraryNotFoundError, TessaraError

# The calculations in the order of the program's main window.
CALCULATIONS = (
    sample_size_simple_random,
    sample_size_stratified,
    sample_size_two_stages,
    confidence_interval_simple_random,
    confidence_interval_stratified,
    confidence_interval_two_stages,
    true_prevalence,
    comparison_sample_size,
    comparison_confidence_interval,
    mean_sample_size,
    mean_confidence_interval,
    detection_sample_size_simple_random,
    detection_sample_size_two_stages,
    maximum_prevalence,
    select_simple_random,
    select_proportional_to_size,
)

__all__ = [function.__name__ for function in CALCULATIONS] + [
    "CALCULATIONS", "CONFIDENCE_LEVELS", "ComparisonInterval", "ComparisonSampleSize",
    "ConfidenceInterval", "DetectionSampleSize", "DifferenceLimits", "Homogeneity",
    "Interpretation", "MaximumPrevalence", "SampleSizeTable", "StratifiedSampleSize",
    "TruePrevalence", "TwoStageDetection", "TwoStageInterval", "TwoStageSampleSize",
    "TessaraError", "InvalidInputError", "InputFileError", "LibraryNotFoundError", "errors",
    "library_path",
]
