// The finite population correction of a standard error, sqrt(1 - n / N),
// shared by the confidence intervals of a prevalence and of a mean.
#pragma once
#include <cmath>
#include <cstdint>

// The sample n arrives already rounded to single precision; the difference
// and the root are rounded to single precision as well. The callers have
// checked n <= N, but a sample near 2^31 rounds upwards as a float and can
// then exceed its population by a few units: the difference turns slightly
// negative, and its root would be no number. Such a sample is the whole
// population, so the correction is 0.
inline float FinitePopulationCorrection(float sample, std::int32_t population) {
  const float unsampled = static_cast<float>(1.0 - sample / static_cast<double>(population));
  if (!(unsampled > 0.0f)) return 0.0f;
  return static_cast<float>(std::sqrt(static_cast<double>(unsampled)));
}
