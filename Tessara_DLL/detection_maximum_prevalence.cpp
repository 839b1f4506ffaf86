// What an all-negative simple random sample says about the prevalence: the
// most positives the population may still hold, and the confidence that
// the prevalence does not exceed a given value.
#include <cstdint>

#include "checks.h"
#include "detection_formula.h"
#include "detection_test_combination.h"
#include "portable_math.h"
#include "tessara.h"

namespace {
// The positives figure d must leave room for trunc(d) + 1 in an int32.
constexpr double kLargestPositives = 2147483646.0;

// The probability that n animals drawn from N miss all of D positives,
// approximated by (1 - r)^D with r = n / (N - (D - 1) / 2). When r reaches
// 1 the sample is larger than the population less its positives, so it
// cannot miss them all: the probability is 0 (the power of the negative
// base would be no probability at all, or NaN).
float ProbabilityOfMissingPositives(float sample, float population, float detectable) {
  const double r = sample / (population - (detectable - 1.0) / 2.0);
  const float base = static_cast<float>(1.0 - r);
  if (base <= 0.0f) return 0.0f;
  return static_cast<float>(PortablePow(base, detectable));
}

ResultCode Compute(std::int32_t n, std::int32_t population, float sensitivity, std::int32_t level,
                   float p, MaximumPrevalence* out) {
  if (n < 1) return rc::SizeBelowMinimum;
  if (population < 1) return rc::InvalidPopulationSize;
  if (n > population) return rc::SampleExceedsPopulation;
  if (!IsDetectionProbability(sensitivity)) return rc::InvalidSensitivity;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (!IsDetectionProbability(p)) return rc::InvalidPrevalence;

  const float sample = static_cast<float>(n);
  const float whole = static_cast<float>(population);
  const float detectable = static_cast<float>(static_cast<double>(sensitivity) * p * whole);

  // The detection formula solved for the positives: with n animals all
  // negative, at most d positives remain undetected at the given confidence
  // (P = alpha^(1 / n): the formula's exponent with n in the place of D).
  const float missing_all = ProbabilityOfMissingAll(FailureProbability(level), sample);
  const float positives =
      static_cast<float>((1.0 - missing_all) * (whole - (sample - 1.0) / 2.0) / sensitivity);
  // A poor sensitivity can put d beyond any count the caller can hold: the
  // test is then too insensitive for the question, and is refused as such.
  if (!(positives <= kLargestPositives)) return rc::InvalidSensitivity;

  out->positives = static_cast<std::int32_t>(positives) + 1;
  out->prevalence = static_cast<float>(positives / whole);
  out->confidence = static_cast<float>(1.0 - ProbabilityOfMissingPositives(sample, whole, detectable));
  return rc::Success;
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL DetectingEvent_MaximumPrevalence(
    std::int32_t n, std::int32_t population, float sensitivity, std::int32_t level, float p,
    MaximumPrevalence* out) {
  return CatchAll([&] { return Compute(n, population, sensitivity, level, p, out); });
}
