// Range checks and the confidence-level mapping shared by the exports.
#pragma once
#include <cstdint>

// The library counts a real value strictly between -1e-6 and 1e-6 as zero.
inline constexpr double kZeroTolerance = 1e-6;

inline bool IsNearZero(double value) {
  return value < kZeroTolerance && value > -kZeroTolerance;
}

// A fraction accepted where zero is not meaningful: 1e-6 <= value < 1.
// The three tests keep the library's order (near zero, negative, one or
// more); all three fail with the same code.
inline bool IsNonZeroFractionBelowOne(float value) {
  const double v = value;
  return !IsNearZero(v) && !(v < 0.0) && !(v >= 1.0);
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
// <= 1. The three tests keep the library's order (near zero, negative, above
// one); all three fail with the same code.
inline bool IsNonZeroFractionUpToOne(float value) {
  const double v = value;
  return !IsNearZero(v) && !(v < 0.0) && !(v > 1.0);
}

// A positive quantity without upper bound (a mean, a deviation, a precision):
// value >= 1e-6. Near zero and negative fail with the same code.
inline bool IsNonZeroPositive(float value) {
  const double v = value;
  return !IsNearZero(v) && !(v < 0.0);
}
