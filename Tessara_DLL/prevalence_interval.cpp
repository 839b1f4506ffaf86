// Confidence intervals of a prevalence from a simple random and from a
// stratified random sample: the normal approximation with the finite
// population correction. The limits are returned as computed, never clipped
// to [0, 1].
#include <cmath>
#include <cstdint>

#include "checks.h"
#include "finite_population_correction.h"
#include "tessara.h"

// ---- Simple random sample

namespace {
// The checks the two simple random intervals share, after their own check of
// the proportion or the number of positive cases.
ResultCode CheckSimpleRandomSample(std::int32_t sample, std::int32_t population,
                                   std::int32_t level) {
  if (sample < 2 || population < 2) return rc::SizeBelowMinimum;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (sample > population) return rc::SampleExceedsPopulation;
  return rc::Success;
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_SimpleRandom_Proportion(
    float p, std::int32_t sample, std::int32_t population, std::int32_t level, float* out) {
  if (!IsNonZeroFractionBelowOne(p)) return rc::InvalidProportion;
  const ResultCode sample_check = CheckSimpleRandomSample(sample, population, level);
  if (sample_check != rc::Success) return sample_check;

  const float n = static_cast<float>(sample);
  const float correction = FinitePopulationCorrection(n, population);
  const double p_wide = p;
  const float standard_error =
      static_cast<float>(std::sqrt(p_wide * (1.0 - p_wide) / n) * correction);
  const double half_width = static_cast<double>(ZForConfidenceLevel(level)) * standard_error;
  out[0] = static_cast<float>(p_wide - half_width);
  out[1] = static_cast<float>(p_wide + half_width);
  return rc::Success;
}

TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_SimpleRandom_PositiveCases(
    std::int32_t positives, std::int32_t sample, std::int32_t population, std::int32_t level,
    float* out) {
  if (positives < 1) return rc::InvalidProportion;
  const ResultCode sample_check = CheckSimpleRandomSample(sample, population, level);
  if (sample_check != rc::Success) return sample_check;
  // More positive cases than animals sampled is no proportion: p(1 - p)
  // would be negative and the limits no numbers.
  if (positives > sample) return rc::InvalidProportion;

  const float n = static_cast<float>(sample);
  const float p = static_cast<float>(positives / static_cast<double>(n));
  const float correction = FinitePopulationCorrection(n, population);
  const double p_wide = p;
  const float variance = static_cast<float>(p_wide * (1.0 - p_wide) / n);
  const float root = static_cast<float>(std::sqrt(static_cast<double>(variance)));
  const float standard_error = root * correction;
  const double half_width = static_cast<double>(ZForConfidenceLevel(level)) * standard_error;
  out[0] = p;
  out[1] = static_cast<float>(p_wide - half_width);
  out[2] = static_cast<float>(p_wide + half_width);
  return rc::Success;
}

// ---- Stratified random sample

namespace {
struct SampledStratum {
  std::int32_t population;
  std::int32_t sample;
  float proportion;
};

// Strata 3 to 5 are optional: one takes part when it has a population and a
// sample of at least 2 and a proportion strictly between 0 and 1.
bool IsUsableStratum(const SampledStratum& stratum) {
  return stratum.population >= 2 && stratum.sample >= 2 && stratum.proportion > 0.0f &&
         stratum.proportion < 1.0f;
}

// Strata 1 and 2 always take part; the first of strata 3 to 5 that is not
// usable ends the list.
int CountUsedStrata(const SampledStratum (&strata)[5]) {
  int used = 2;
  while (used < 5 && IsUsableStratum(strata[used])) ++used;
  return used;
}

// The size weighted prevalence and its limits. Sizes enter in single
// precision; every stratum variance, square and running sum is rounded to
// single precision as it is formed.
void StratifiedInterval(const SampledStratum (&strata)[5], int used, float z, float* out) {
  float size[5] = {};
  float sampled[5] = {};
  double population_sum = 0.0;
  double positives_sum = 0.0;
  for (int h = 0; h < used; ++h) {
    size[h] = static_cast<float>(strata[h].population);
    sampled[h] = static_cast<float>(strata[h].sample);
    population_sum += size[h];
    positives_sum += static_cast<double>(size[h]) * strata[h].proportion;
  }
  const float population = static_cast<float>(population_sum);
  const float prevalence = static_cast<float>(positives_sum / population);

  float weighted_variance = 0.0f;  // T = sum N_h^2 V_h
  for (int h = 0; h < used; ++h) {
    const double p = strata[h].proportion;
    const double n = sampled[h];
    const double N = size[h];
    const float variance = static_cast<float>(p * (1.0 - p) / (n - 1.0) * (N - n) / N);
    const float size2 = size[h] * size[h];
    weighted_variance =
        static_cast<float>(weighted_variance + static_cast<double>(size2) * variance);
  }
  const float population2 = population * population;
  const float variance = weighted_variance / population2;
  const float standard_error = static_cast<float>(std::sqrt(static_cast<double>(variance)));
  const double half_width = static_cast<double>(z) * standard_error;
  out[0] = prevalence;
  out[1] = static_cast<float>(prevalence - half_width);
  out[2] = static_cast<float>(prevalence + half_width);
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_Stratified(
    std::int32_t level, std::int32_t population1, std::int32_t sample1, float p1,
    std::int32_t population2, std::int32_t sample2, float p2, std::int32_t population3,
    std::int32_t sample3, float p3, std::int32_t population4, std::int32_t sample4, float p4,
    std::int32_t population5, std::int32_t sample5, float p5, float* out) {
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (population1 < 2 || population2 < 2) return rc::SampleExceedsPopulation;
  if (sample1 < 2 || sample2 < 2) return rc::SizeBelowMinimum;
  if (!IsNonZeroFractionBelowOne(p1)) return rc::InvalidProportion;
  if (!IsNonZeroFractionBelowOne(p2)) return rc::InvalidProportion;

  const SampledStratum strata[5] = {{population1, sample1, p1},
                                    {population2, sample2, p2},
                                    {population3, sample3, p3},
                                    {population4, sample4, p4},
                                    {population5, sample5, p5}};
  const int used = CountUsedStrata(strata);
  // A stratum sampled beyond its population has a negative variance, which
  // can make the whole variance negative and the limits no numbers.
  for (int h = 0; h < used; ++h) {
    if (strata[h].sample > strata[h].population) return rc::SampleExceedsPopulation;
  }
  StratifiedInterval(strata, used, ZForConfidenceLevel(level), out);
  return rc::Success;
}
