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
//
// The stratified estimate of a proportion and its variance with the finite
// population correction of each stratum (W. G. Cochran, Sampling
// Techniques, 3rd ed., Wiley 1977, ch. 5, stratified sampling for
// proportions):
//   p_st = sum N_h p_h / N,
//   v(p_st) = sum N_h^2 (N_h - n_h) / N_h * p_h q_h / (n_h - 1) / N^2.
// A stratum with no positive (or only positives) is an outcome like any
// other: its p_h q_h is 0 and it adds nothing to the variance, but its size
// still weighs in the estimate.

namespace {
struct SampledStratum {
  std::int32_t population;
  std::int32_t sample;
  float proportion;
};

// Strata 3 to 5 are optional: the form passes zeros for one it does not
// use. A stratum with any value other than zero holds data, and is held to
// the checks of strata 1 and 2.
bool IsAbsent(const SampledStratum& stratum) {
  return stratum.population == 0 && stratum.sample == 0 && stratum.proportion == 0.0f;
}

// The checks of one stratum that takes part, in the order strata 1 and 2
// follow them. A stratum sampled beyond its population would have a
// negative variance, which could make the whole variance negative and the
// limits no numbers.
ResultCode CheckStratum(const SampledStratum& stratum) {
  if (stratum.population < 2) return rc::SampleExceedsPopulation;
  if (stratum.sample < 2) return rc::SizeBelowMinimum;
  if (!IsProportion(stratum.proportion)) return rc::InvalidProportion;
  if (stratum.sample > stratum.population) return rc::SampleExceedsPopulation;
  return rc::Success;
}

// Strata 3 to 5, after strata 1 and 2 passed: the used strata run unbroken
// from stratum 1, so a stratum that holds data after an absent one is
// refused with the code of the absent stratum's population. Sets `used` to
// the number of strata that take part.
ResultCode CheckOptionalStrata(const SampledStratum (&strata)[5], int* used) {
  int count = 2;
  while (count < 5 && !IsAbsent(strata[count])) {
    const ResultCode check = CheckStratum(strata[count]);
    if (check != rc::Success) return check;
    ++count;
  }
  for (int h = count; h < 5; ++h) {
    if (!IsAbsent(strata[h])) return rc::SampleExceedsPopulation;
  }
  *used = count;
  return rc::Success;
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
  if (!IsProportion(p1)) return rc::InvalidProportion;
  if (!IsProportion(p2)) return rc::InvalidProportion;
  if (sample1 > population1 || sample2 > population2) return rc::SampleExceedsPopulation;

  const SampledStratum strata[5] = {{population1, sample1, p1},
                                    {population2, sample2, p2},
                                    {population3, sample3, p3},
                                    {population4, sample4, p4},
                                    {population5, sample5, p5}};
  int used = 2;
  const ResultCode optional_check = CheckOptionalStrata(strata, &used);
  if (optional_check != rc::Success) return optional_check;
  StratifiedInterval(strata, used, ZForConfidenceLevel(level), out);
  return rc::Success;
}
