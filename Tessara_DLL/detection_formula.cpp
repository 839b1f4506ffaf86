// The finite-population detection formula.
#include "detection_formula.h"

#include <limits>

#include "portable_math.h"

float ConfidenceFraction(std::int32_t percent) { return static_cast<float>(percent / 100.0); }

float FailureProbability(std::int32_t percent) {
  return static_cast<float>(1.0 - ConfidenceFraction(percent));
}

float ProbabilityOfMissingAll(float failure, double detectable) {
  const float exponent = detectable > 0.0 ? static_cast<float>(1.0 / detectable)
                                          : std::numeric_limits<float>::infinity();
  return static_cast<float>(PortablePow(failure, exponent));
}

double SampleSizeToDetect(float missing_all, double population, double detectable) {
  return (1.0 - missing_all) * (population - (detectable - 1.0) / 2.0);
}
