// Combination of two diagnostic tests.
#include "detection_test_combination.h"

#include <cmath>

#include "checks.h"

bool IsDetectionProbability(float value) { return IsNonZeroFractionUpToOne(value); }

ResultCode CombineDiagnosticTests(float se1, float sp1, float se2, float sp2,
                                  std::int32_t interpretation, TestCharacteristics* combined) {
  if (!IsDetectionProbability(se1)) return rc::InvalidSensitivity;
  if (!IsDetectionProbability(sp1)) return rc::InvalidSpecificity;
  // A second test is absent when its values are not probabilities (the
  // forms pass 0), but NaN or an infinity is no absence: it is refused.
  if (!std::isfinite(se2)) return rc::InvalidSensitivity;
  if (!std::isfinite(sp2)) return rc::InvalidSpecificity;
  const bool second_sensitivity = IsDetectionProbability(se2);
  const bool second_specificity = IsDetectionProbability(sp2);
  if (second_sensitivity && !second_specificity) return rc::InvalidSpecificity;
  if (second_specificity && !second_sensitivity) return rc::InvalidSensitivity;
  if (!second_sensitivity) {
    *combined = {se1, sp1};
    return rc::Success;
  }
  if (interpretation == test_interpretation::None) return rc::InvalidTestCombination;
  const double s1 = se1, s2 = se2, c1 = sp1, c2 = sp2;
  if (interpretation == test_interpretation::Parallel) {
    *combined = {static_cast<float>(1.0 - (1.0 - s1) * (1.0 - s2)), static_cast<float>(c1 * c2)};
  } else {
    *combined = {static_cast<float>(s1 * s2), static_cast<float>(1.0 - (1.0 - c1) * (1.0 - c2))};
  }
  return rc::Success;
}
