// One diagnostic test, or two combined in serial or in parallel: the checks
// of their sensitivities and specificities and the characteristics used.
#pragma once
#include <cstdint>

#include "result_codes.h"

// A probability argument of the detection calculations: not zero (that is,
// not within 1e-6 of it), not negative and not above 1. NaN is refused too.
bool IsDetectionProbability(float value);

// How two tests are read together (TestInterpretation).
namespace test_interpretation {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Serial = 1;    // positive only when both are positive
inline constexpr std::int32_t Parallel = 2;  // positive when either is positive
}  // namespace test_interpretation

struct TestCharacteristics {
  float sensitivity;
  float specificity;
};

// Checks Se1, then Sp1, then the second test, and combines them. A second
// test is in use when Se2 or Sp2 is a valid probability: it needs both, and
// an interpretation other than None (any value but Parallel reads as
// Serial). With neither given, Se2, Sp2 and the interpretation are ignored,
// unless Se2 or Sp2 is NaN or infinite, which is refused with its own code.
ResultCode CombineDiagnosticTests(float se1, float sp1, float se2, float sp2,
                                  std::int32_t interpretation, TestCharacteristics* combined);
