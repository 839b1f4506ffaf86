// Comparison of two prevalences: the sample size per population to detect
// their difference, and the confidence limits of an observed difference.
#include <cmath>
#include <cstdint>

#include "checks.h"
#include "tessara.h"
#include "whole_sizes.h"

namespace {
float F(double value) { return static_cast<float>(value); }
double Root(double value) { return std::sqrt(value); }

// The normal quantile of a power: 80, 85, 90 or 95 %; 0 for any other.
float ZForPower(std::int32_t power) {
  switch (power) {
    case 80:
      return 0.842f;
    case 85:
      return 1.0366f;
    case 90:
      return 1.282f;
    case 95:
      return 1.645f;
    default:
      return 0.0f;
  }
}

// The one-sided quantile of a confidence level (the two-sided one is the
// shared rule): 90 gives 1.282, 91 to 98 give 1.645, 99 gives 2.326.
float OneSidedZForConfidenceLevel(std::int32_t level) {
  if (level == 90) return 1.282f;
  if (level == 99) return 2.326f;
  return 1.645f;
}

// The two-sided (pooled) and power (separate) terms of the size, and the
// difference, as the size formula uses them.
struct SizeTerms {
  double power_term;  // A = sqrt(p1 q1 + p2 q2) * z_beta
  float pooled_root;  // B = sqrt(2 pbar (1 - pbar))
  double difference;  // d = p2 - p1
  float difference2;  // f(f(d)^2)
};

SizeTerms ComputeSizeTerms(float p1, float p2, float z_beta) {
  const double a = p1;
  const double b = p2;
  SizeTerms terms;
  terms.power_term = static_cast<double>(F(Root(F(a * (1.0 - a) + b * (1.0 - b))))) * z_beta;
  const double mean = F((a + b) * 0.5);
  terms.pooled_root = F(Root(F(2.0 * mean * (1.0 - mean))));
  terms.difference = b - a;
  const float d = F(terms.difference);
  terms.difference2 = d * d;
  return terms;
}

// The size for one test, with the continuity correction of Fleiss:
// n = m / 4 * (1 + sqrt(1 + 4 / (d m)))^2.
float CorrectedSize(const SizeTerms& terms, float z_alpha) {
  const float x = F(terms.pooled_root * static_cast<double>(z_alpha) + terms.power_term);
  const float m = (x * x) / terms.difference2;
  const float root = F(Root(F(4.0 / (terms.difference * m) + 1.0)));
  const double raised = static_cast<double>(root) + 1.0;
  const float factor = F(raised * raised);
  return F(m * 0.25 * factor);
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL Comparison_SampleSize(float p1, float p2, std::int32_t level,
                                                             std::int32_t power,
                                                             std::int32_t* out) {
  if (!IsNonZeroFractionUpToOne(p1)) return rc::InvalidPrevalence1;
  if (!IsNonZeroFractionUpToOne(p2)) return rc::InvalidPrevalence2;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  const float z_beta = ZForPower(power);
  if (z_beta == 0.0f) return rc::InvalidPower;
  if (p2 < p1) return rc::Prevalence2BelowPrevalence1;
  // No sample, however large, tells equal prevalences apart: the size would
  // divide by their difference. Prevalence 2 must differ from prevalence 1.
  if (p2 == p1) return rc::InvalidPrevalence2;

  const SizeTerms terms = ComputeSizeTerms(p1, p2, z_beta);
  const float two_sided = CorrectedSize(terms, ZForConfidenceLevel(level));
  const float one_sided = CorrectedSize(terms, OneSidedZForConfidenceLevel(level));
  // A difference so small that no integer counts the sample is refused for
  // the same reason as an equal one.
  if (!TruncatedPlusOneFits(two_sided) || !TruncatedPlusOneFits(one_sided)) {
    return rc::InvalidPrevalence2;
  }
  out[0] = TruncatedPlusOne(two_sided);
  out[1] = TruncatedPlusOne(one_sided);
  return rc::Success;
}

TESSARA_EXPORT ResultCode TESSARA_CALL Comparison_ConfidenceInterval(float p1, std::int32_t n1,
                                                                     float p2, std::int32_t n2,
                                                                     ComparisonIntervals* out) {
  if (!IsNonZeroFractionUpToOne(p1)) return rc::InvalidPrevalence1;
  if (!IsNonZeroFractionUpToOne(p2)) return rc::InvalidPrevalence2;
  if (n1 < 1) return rc::InvalidSampleSize1;
  if (n2 < 1) return rc::InvalidSampleSize2;
  if (p2 < p1) return rc::Prevalence2BelowPrevalence1;

  const double a = p1;
  const double b = p2;
  const float difference = F(b - a);
  // Separate (not pooled) variances, the sizes in single precision.
  const float sample1 = static_cast<float>(n1);
  const float sample2 = static_cast<float>(n2);
  const double standard_error = F(Root(F(a * (1.0 - a) / sample1 + b * (1.0 - b) / sample2)));

  // The fields are written one by one: the caller's padding stays as it was.
  const auto limits = [&](double z, float* lower, float* upper, std::uint8_t* significant) {
    *lower = F(difference - z * standard_error);
    *upper = F(difference + z * standard_error);
    *significant = *lower > 0.0f ? 1 : 0;
  };
  limits(1.645, &out->lower90, &out->upper90, &out->significant90);
  limits(1.96, &out->lower95, &out->upper95, &out->significant95);
  limits(2.576, &out->lower99, &out->upper99, &out->significant99);
  out->difference = difference;
  return rc::Success;
}
