// The range tests of the forms' inputs.
#include <gtest/gtest.h>

#include <limits>

#include "input_ranges.h"

namespace {
TEST(FormZero, ToleranceIsOneInAQuadrillionOnEitherSide) {
  struct Case {
    double value;
    bool zero;
  } cases[] = {
      {0.0, true},     {-0.0, true},     {9e-16, true},  {-9e-16, true},
      {1e-15, false},  {-1e-15, false},  {1e-14, false}, {0.0000001, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsZeroForForms(c.value), c.zero) << c.value;
}

TEST(FractionBelowOne, RefusesZeroNegativesOneAndAbove) {
  struct Case {
    double value;
    bool accepted;
  } cases[] = {
      {0.5, true},   {0.1, true},     {0.999999, true},
      // Far below the library's own zero tolerance (1e-6): the form lets it
      // through and the library answers with its ResultCode.
      {0.0000001, true}, {1e-15, true},
      {0.0, false},  {5e-16, false},  {-0.5, false}, {-1e-15, false},
      {1.0, false},  {1.5, false},    {std::numeric_limits<double>::quiet_NaN(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsFractionBelowOne(c.value), c.accepted) << c.value;
}

TEST(PositiveQuantity, RefusesZeroAndNegativesButHasNoUpperBound) {
  struct Case {
    double value;
    bool accepted;
  } cases[] = {
      {50.0, true},  {1e-15, true},  {0.0000001, true},  {1.0, true},  {1e30, true},
      {0.0, false},  {-0.0, false},  {9e-16, false},     {-1e-15, false},  {-3.0, false},
      {std::numeric_limits<double>::quiet_NaN(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPositiveForForms(c.value), c.accepted) << c.value;
}
}  // namespace
