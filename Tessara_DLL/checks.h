// Range checks and the confidence-level mapping shared by the exports.
//
// Every check is written as the comparisons a value must pass, never as the
// negation of those it must fail: NaN fails every comparison, so a negated
// check would let it through to the results. Infinities are refused by the
// checks whose range has no upper bound as well, since no calculation gives
// a number from them.
#pragma once
#include <cmath>
#include <cstdint>

// The library counts a real value strictly between -1e-6 and 1e-6 as zero.
inline constexpr double kZeroTolerance = 1e-6;

inline bool IsNearZero(double value) {
  return value < kZeroTolerance && value > -kZeroTolerance;
}

// A fraction accepted where zero is not meaningful: 1e-6 <= value < 1.
// Near zero, negative, one or more and NaN all fail with the same code.
inline bool IsNonZeroFractionBelowOne(float value) {
  const double v = value;
  return v >= kZeroTolerance && v < 1.0;
}

// A ConfidenceLevel is a percentage in 90..99. The subtraction is done on
// unsigned values so that no level, however far out, overflows.
inline bool IsValidConfidenceLevel(std::int32_t level) {
  return static_cast<std::uint32_t>(level) - 90u <= 9u;
}

// The shared normal quantile: 90 gives 1.645, 91 to 98 give 1.96 and 99
// gives 2.576, as single-precision constants. Call only with a valid level.
inline float ZForConfidenceLevel(std::int32_t level) {
  if (level == 90) return 1.645f;
  if (level == 99) return 2.576f;
  return 1.96f;
}

// A fraction accepted where zero is not meaningful but one is: 1e-6 <= value
// <= 1. Near zero, negative, above one and NaN all fail with the same code.
inline bool IsNonZeroFractionUpToOne(float value) {
  const double v = value;
  return v >= kZeroTolerance && v <= 1.0;
}

// A proportion observed in a sample, where none and all are outcomes like
// any other: 0 <= value <= 1, exactly (a negative proportion, however small,
// would give a negative variance p(1 - p)).
inline bool IsProportion(float value) { return value >= 0.0f && value <= 1.0f; }

// A positive quantity without upper bound (a mean, a deviation, a precision):
// 1e-6 <= value, and finite. Near zero, negative, infinite and NaN fail with
// the same code.
inline bool IsNonZeroPositive(float value) {
  const double v = value;
  return v >= kZeroTolerance && std::isfinite(v);
}
