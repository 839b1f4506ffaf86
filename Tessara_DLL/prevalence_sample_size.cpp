// Sample sizes for estimating a prevalence.
#include <cstdint>

#include "checks.h"
#include "tessara.h"

namespace {
// Population sizes of the table shown beside the user's own population.
constexpr std::int32_t kTablePopulations[15] = {50,   100,  150,  200,  300,  400,  500, 750,
                                                1000, 1500, 2000, 3500, 5000, 7500, 10000};

// Sample sizes are made whole by truncating and adding one, so a size that
// is already whole is raised too.
std::int64_t TruncatePlusOne(double size) { return static_cast<std::int64_t>(size) + 1; }

// The finite population correction n = B / (B / M + 1). The result is below
// M in exact arithmetic; rounding can bring it to M for a huge B, and the
// cap keeps the sample within its population.
std::int32_t CorrectedSampleSize(double base, std::int32_t population) {
  const double n = base / (base / population + 1.0);
  const std::int64_t size = TruncatePlusOne(n);
  return static_cast<std::int32_t>(size < population ? size : population);
}

// The infinite-population size trunc(B) + 1 must fit an int32.
constexpr double kLargestBaseSize = 2147483646.0;
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL SampleSize_SimpleRandom(float p, float e, std::int32_t level,
                                                               std::int32_t population,
                                                               std::int32_t* out) {
  if (!IsNonZeroFractionBelowOne(p)) return rc::InvalidExpectedPrevalence;
  if (!IsNonZeroFractionBelowOne(e)) return rc::InvalidRelativeError;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (population < 1) return rc::InvalidPopulationSize;

  const float z = ZForConfidenceLevel(level);
  const float z2 = z * z;
  const float d = e * p;  // absolute half-width: the error is relative to p
  const float d2 = d * d;
  const double p_wide = p;
  const float base = static_cast<float>(p_wide * (1.0 - p_wide) * z2 / d2);
  // Tiny p and e give sizes beyond any integer the caller can hold: the
  // requested error is then too small to be met, and is refused as such.
  if (!(base <= kLargestBaseSize)) return rc::InvalidRelativeError;

  out[0] = CorrectedSampleSize(base, population);
  for (int i = 0; i < 15; ++i) out[i + 1] = CorrectedSampleSize(base, kTablePopulations[i]);
  out[16] = static_cast<std::int32_t>(TruncatePlusOne(base));
  return rc::Success;
}
