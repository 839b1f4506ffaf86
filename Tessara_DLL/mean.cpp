// Estimating a population mean by simple random sampling: the sample size
// for a given absolute precision, and the confidence limits of an observed
// mean with the finite population correction.
#include <cmath>
#include <cstdint>

#include "checks.h"
#include "fixed_populations.h"
#include "finite_population_correction.h"
#include "tessara.h"

namespace {
// The ready reckoner's populations, in their order in the out-array.
constexpr const auto& kTablePopulations = kFixedPopulations;

// Mean sample sizes are rounded half up (not truncated plus one).
std::int32_t RoundHalfUp(double size) { return static_cast<std::int32_t>(std::floor(size + 0.5)); }

// n = m / (m / N + 1): below N in exact arithmetic, and at most N once
// rounded half up, so it always fits.
std::int32_t CorrectedSampleSize(float infinite, std::int32_t population) {
  const double m = infinite;
  return RoundHalfUp(m / (m / population + 1.0));
}

// The infinite-population size floor(m + 0.5) must fit an int32.
constexpr double kLargestRoundedSize = 2147483647.5;
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL Estimating_SampleSize(float precision, std::int32_t level,
                                                             float deviation,
                                                             std::int32_t population,
                                                             std::int32_t* out) {
  if (!IsNonZeroPositive(precision)) return rc::InvalidPrecision;
  if (!IsNonZeroPositive(deviation)) return rc::InvalidStandardDeviation;
  if (population < 1) return rc::InvalidPopulationSize;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;

  const float z = ZForConfidenceLevel(level);
  const float b = static_cast<float>(static_cast<double>(deviation) * z / precision);
  const float infinite = b * b;
  // A deviation that dwarfs the precision asks for more individuals than any
  // integer counts (or, in single precision, for infinitely many): the
  // precision requested is too fine to be met, and is refused as such.
  if (!(infinite < kLargestRoundedSize)) return rc::InvalidPrecision;

  out[16] = CorrectedSampleSize(infinite, population);
  for (int k = 0; k < 15; ++k) out[k] = CorrectedSampleSize(infinite, kTablePopulations[k]);
  out[15] = RoundHalfUp(infinite);
  return rc::Success;
}

TESSARA_EXPORT ResultCode TESSARA_CALL Estimating_ConfidenceInterval(float mean, float deviation,
                                                                     std::int32_t sample,
                                                                     std::int32_t population,
                                                                     std::int32_t level,
                                                                     float* out) {
  if (!IsNonZeroPositive(mean)) return rc::InvalidAverage;
  if (!IsNonZeroPositive(deviation)) return rc::InvalidStandardDeviation;
  if (sample < 1) return rc::SizeBelowMinimum;
  if (population < 1) return rc::InvalidPopulationSize;
  if (population < sample) return rc::SampleExceedsPopulation;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;

  const float n = static_cast<float>(sample);
  const float correction = FinitePopulationCorrection(n, population);
  const float root_n = static_cast<float>(std::sqrt(static_cast<double>(n)));
  const float standard_error =
      static_cast<float>(static_cast<double>(deviation) / root_n * correction);
  const double half_width = static_cast<double>(ZForConfidenceLevel(level)) * standard_error;
  const float lower = static_cast<float>(mean - half_width);
  const float upper = static_cast<float>(mean + half_width);
  // A mean or a deviation near the largest single-precision value can push
  // a limit beyond it: no number to show. An infinite mean is the mean's
  // fault, anything else the deviation's.
  if (!std::isfinite(lower) || !std::isfinite(upper)) {
    return std::isfinite(mean) ? rc::InvalidStandardDeviation : rc::InvalidAverage;
  }
  out[0] = lower;
  out[1] = upper;
  return rc::Success;
}
