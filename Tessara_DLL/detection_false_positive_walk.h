// The number of false-positive results a sample may produce: among m
// uninfected animals each tested with specificity Sp, the smallest count k
// whose cumulative probability reaches 1 - beta.
#pragma once
#include <cstdint>
#include <optional>

// How the exact binomial term (used while m is below 171) forms its powers:
// the simple random design raises Sp with the general power function, the
// two-stage design with the single-precision integer power, like q^k.
enum class BinomialPowers { GeneralForSpecificity, IntegerForBoth };

// Walks k = 0, 1, ... while k < m, adding the probability of exactly k false
// positives to a single-precision running sum, and returns the first k at
// which the sum reaches 1 - beta; nothing when no k below m reaches it. The
// probability is the exact binomial for m < 171, the Poisson for a larger m
// with m (1 - Sp) <= 30, and the normal density otherwise.
std::optional<std::int64_t> FalsePositiveWalk(std::int64_t m, float specificity, float beta,
                                              BinomialPowers powers);

// The count reported for the k at which the walk stopped: k - 1, and 0 for
// k = 0.
std::int32_t FalsePositivesForStop(std::int64_t stop);
