// Sample sizes for estimating a prevalence.
#include <cmath>
#include <cstdint>

#include "checks.h"
#include "fixed_populations.h"
#include "tessara.h"
#include "whole_sizes.h"

namespace {
// The ready reckoner's populations, in their order in the out-array.
constexpr const auto& kTablePopulations = kFixedPopulations;

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

// ---- Stratified random sample, optimum allocation

namespace {
struct Stratum {
  std::int32_t size;
  float prevalence;
};

// Strata 1 and 2 are always used; each of strata 3 to 5 is used when the one
// before it is and its own size is at least 1, so the used strata are an
// unbroken run from stratum 1.
int CountUsedStrata(const Stratum (&strata)[5]) {
  int used = 2;
  while (used < 5 && strata[used].size >= 1) ++used;
  return used;
}

// Spreads the total sample n = A / (N^2 V + B) over the strata in proportion
// to N_h * sqrt(p_h q_h) and rounds each share up on its own. A stratum whose
// prevalence is 0 or 1 has no variance: its weight is 0, and its term of A,
// N_h^2 p_h q_h / a_h = N_h sqrt(p_h q_h) * sum W, tends to 0 with it, so the
// term is left out rather than formed as 0 / 0; the stratum gets the one
// individual that the rounding up gives every stratum.
ResultCode AllocateStratifiedSample(const Stratum (&strata)[5], int used, float e, float z,
                                    StratifiedSampleSizes* out) {
  std::int64_t population = 0;
  double expected_positives = 0.0;
  for (int h = 0; h < used; ++h) {
    population += strata[h].size;
    expected_positives += static_cast<double>(strata[h].size) * strata[h].prevalence;
  }
  const float prevalence = static_cast<float>(expected_positives / population);
  const float d = e * prevalence;  // the error is relative to the population prevalence
  const float d2 = d * d;
  const float z2 = z * z;
  const float target_variance = d2 / z2;

  float q[5] = {};         // 1 - p_h
  float variance[5] = {};  // p_h q_h
  float weight[5] = {};    // W_h = N_h sqrt(p_h q_h)
  float weight_sum = 0.0f;
  for (int h = 0; h < used; ++h) {
    q[h] = 1.0f - strata[h].prevalence;
    variance[h] = strata[h].prevalence * q[h];
    const float spread = static_cast<float>(std::sqrt(static_cast<double>(variance[h])));
    weight[h] = static_cast<float>(static_cast<double>(strata[h].size) * spread);
    weight_sum += weight[h];
  }

  float allocation[5] = {};
  float a_sum = 0.0f;  // A
  float b_sum = 0.0f;  // B
  for (int h = 0; h < used; ++h) {
    allocation[h] = weight[h] / weight_sum;
    // Each term at double precision, each running sum rounded to single.
    const double p = strata[h].prevalence;
    const std::int64_t size = strata[h].size;
    const float size2 = static_cast<float>(size * size);
    if (variance[h] > 0.0f) a_sum = static_cast<float>(a_sum + size2 * p * q[h] / allocation[h]);
    b_sum = static_cast<float>(b_sum + static_cast<double>(size) * p * q[h]);
  }
  const float population2 = static_cast<float>(static_cast<double>(population) * population);
  const float total =
      static_cast<float>(a_sum / (static_cast<double>(population2) * target_variance + b_sum));

  // Sizes beyond any integer the caller can hold: the requested error is
  // then too small to be met, and is refused as such.
  std::int32_t sizes[5] = {};
  std::int64_t size_sum = 0;
  for (int h = 0; h < used; ++h) {
    const double share = static_cast<double>(total) * allocation[h];
    if (!TruncatedPlusOneFits(share)) return rc::InvalidRelativeError;
    sizes[h] = TruncatedPlusOne(share);
    size_sum += sizes[h];
  }
  if (size_sum > INT32_MAX) return rc::InvalidRelativeError;

  out->prevalence = prevalence;
  for (int h = 0; h < 5; ++h) out->strata[h] = sizes[h];
  out->total = static_cast<std::int32_t>(size_sum);
  return rc::Success;
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL SampleSize_Stratified(
    std::int32_t level, float e, std::int32_t n1, float p1, std::int32_t n2, float p2,
    std::int32_t n3, float p3, std::int32_t n4, float p4, std::int32_t n5, float p5,
    StratifiedSampleSizes* out) {
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (!IsNonZeroFractionBelowOne(e)) return rc::InvalidRelativeError;
  // Strata 1 and 2 must both be there: a missing size or an unusable
  // prevalence leaves fewer than two strata.
  if (n1 < 1 || n2 < 1) return rc::TooFewStrata;
  if (!IsNonZeroFractionBelowOne(p1)) return rc::TooFewStrata;
  if (!IsNonZeroFractionBelowOne(p2)) return rc::TooFewStrata;

  const Stratum strata[5] = {{n1, p1}, {n2, p2}, {n3, p3}, {n4, p4}, {n5, p5}};
  const int used = CountUsedStrata(strata);
  // Strata 3 to 5 are not held to the tolerance of strata 1 and 2, but the
  // prevalence of a used one must still be a proportion for the variance
  // p(1 - p) to exist. That of a stratum left out is ignored, unless it is
  // no number at all.
  for (int h = 2; h < 5; ++h) {
    const float p = strata[h].prevalence;
    if (!(h < used ? IsProportion(p) : std::isfinite(p))) return rc::TooFewStrata;
  }
  return AllocateStratifiedSample(strata, used, e, ZForConfidenceLevel(level), out);
}

// ---- Two-stage (cluster) sample

namespace {
// The rate of homogeneity assumed for a HomogeneityLevel: the one that makes
// the design effect 2, 4, 7 or 7.5; any other level assumes every sample of a
// cluster alike (rate 1, design effect m).
double AssumedRateOfHomogeneity(std::int32_t homogeneity_level, std::int32_t per_cluster) {
  const double others = per_cluster - 1.0;
  switch (homogeneity_level) {
    case homogeneity::Low: return 1.0 / others;
    case homogeneity::Medium: return 3.0 / others;
    case homogeneity::High: return 6.0 / others;
    case homogeneity::Unknown: return 6.5 / others;
    default: return 1.0;
  }
}

// At least 25 clusters are always sampled.
constexpr std::int32_t kMinimumClusters = 25;
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL SampleSize_TwoStages(float p, float e, std::int32_t level,
                                                            std::int32_t per_cluster,
                                                            std::int32_t homogeneity_level,
                                                            float rho, TwoStageSampleSize* out) {
  if (!IsNonZeroFractionBelowOne(p)) return rc::InvalidPopulationPrevalence;
  if (!IsNonZeroFractionBelowOne(e)) return rc::InvalidRelativeError;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (per_cluster < 2) return rc::SizeBelowMinimum;
  // A rate that is no number is refused whatever the level: a given rate
  // wins over the level, and NaN or an infinity would reach the count.
  if (!std::isfinite(rho)) return rc::InvalidHomogeneity;
  if (homogeneity_level == homogeneity::Exact && (IsNearZero(rho) || rho < 0.0f)) {
    return rc::InvalidHomogeneity;
  }
  const double rho_wide = rho;
  const bool rate_given = rho_wide >= kZeroTolerance || rho_wide <= -kZeroTolerance;

  // A rate given exactly wins over the level, even a negative one.
  const float rate =
      rate_given ? rho
                 : static_cast<float>(AssumedRateOfHomogeneity(homogeneity_level, per_cluster));
  const float design_effect = static_cast<float>(1.0 + (per_cluster - 1.0) * rate);
  const float z = ZForConfidenceLevel(level);
  const float z2 = z * z;
  const float d = p * e;  // absolute error: the error is relative to p
  const float d2 = d * d;
  const double p_wide = p;
  const double clusters =
      p_wide * (1.0 - p_wide) * design_effect * z2 / (static_cast<double>(d2) * per_cluster);

  std::int32_t count = kMinimumClusters;
  std::uint8_t minimum_imposed = 1;
  // trunc(c) + 1 <= 24 exactly when c < 24; a negative design effect (from a
  // negative rate) lands here as well, however large.
  if (!(clusters < kMinimumClusters - 1.0)) {
    // A count beyond any integer: from a rate of homogeneity above 1 (no
    // correlation is), blame the rate; otherwise the error is too small.
    if (!TruncatedPlusOneFits(clusters)) {
      return rate_given && rate > 1.0f ? rc::InvalidHomogeneity : rc::InvalidRelativeError;
    }
    count = TruncatedPlusOne(clusters);
    minimum_imposed = 0;
  }
  const std::int64_t samples = static_cast<std::int64_t>(count) * per_cluster;
  if (samples > INT32_MAX) return rc::SizeBelowMinimum;  // too many samples per cluster to count

  out->clusters = count;
  out->samples = static_cast<std::int32_t>(samples);
  out->minimum_imposed = minimum_imposed;
  return rc::Success;
}
