#include "input_ranges.h"

namespace {
constexpr double kFormZeroTolerance = 1e-15;
}  // namespace

bool IsZeroForForms(double value) {
  return value > -kFormZeroTolerance && value < kFormZeroTolerance;
}

bool IsFractionBelowOne(double value) {
  // NaN cannot come from the number check, but it would fail every
  // comparison and must not pass.
  return !IsZeroForForms(value) && value >= 0.0 && value < 1.0;
}

bool IsFractionUpToOne(double value) {
  return !IsZeroForForms(value) && value >= 0.0 && value <= 1.0;
}

bool IsPositiveForForms(double value) { return !IsZeroForForms(value) && value >= 0.0; }
