// The finite-population formula for detecting disease: the sample that
// finds at least one of D detectable positives among N with probability c
// is n = (1 - P) (N - (D - 1) / 2), where P = (1 - c)^(1 / D).
#pragma once
#include <cstdint>

// c = percent / 100 for a confidence given in percent (0..100), rounded to
// single precision.
float ConfidenceFraction(std::int32_t percent);

// 1 - c, rounded to single precision.
float FailureProbability(std::int32_t percent);

// P = failure^(1 / D) with 1 / D and P rounded to single precision. D = 0
// (nothing to detect) gives an infinite exponent: P is 0 for a failure
// probability below 1, and 1 for a failure probability of 1.
float ProbabilityOfMissingAll(float failure, double detectable);

// (1 - P) (N - (D - 1) / 2), in double precision.
double SampleSizeToDetect(float missing_all, double population, double detectable);
