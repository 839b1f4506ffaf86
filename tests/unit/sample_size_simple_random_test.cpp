// Sample size for estimating a prevalence from a simple random sample.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
using Sizes = std::array<std::int32_t, 17>;

struct Worked {
  float p, e;
  std::int32_t level, population;
  Sizes expected;
};

const Worked kWorked[] = {
    {0.5f, 0.1f, 95, 1000,
     {278, 45, 80, 108, 132, 169, 196, 218, 255, 278, 306, 323, 347, 357, 366, 370, 385}},
    {0.2f, 0.2f, 90, 500,
     {176, 43, 74, 97, 116, 143, 162, 176, 199, 213, 230, 239, 252, 257, 262, 264, 271}},
    {0.1f, 0.5f, 95, 1,
     {1, 37, 59, 72, 82, 95, 103, 109, 117, 122, 127, 130, 134, 135, 136, 137, 139}},
};

Sizes Compute(float p, float e, std::int32_t level, std::int32_t population, ResultCode* code) {
  Sizes out{};
  *code = TESSARA_BIND(SampleSize_SimpleRandom)(p, e, level, population, out.data());
  return out;
}

TEST(SampleSizeSimpleRandom, WorkedValues) {
  for (const Worked& w : kWorked) {
    ResultCode code = 1;
    const Sizes out = Compute(w.p, w.e, w.level, w.population, &code);
    EXPECT_EQ(code, rc::Success) << "p=" << w.p << " e=" << w.e;
    EXPECT_EQ(out, w.expected) << "p=" << w.p << " e=" << w.e;
  }
}

struct Rejected {
  float p, e;
  std::int32_t level, population;
  ResultCode expected;
};

// Each row fails exactly one check, or several to show which comes first.
const Rejected kRejected[] = {
    {0.0f, 0.1f, 95, 100, rc::InvalidExpectedPrevalence},
    {0.0f, 0.0f, 0, 0, rc::InvalidExpectedPrevalence},  // p is checked first
    {9.9e-7f, 0.1f, 95, 100, rc::InvalidExpectedPrevalence},
    {-9.9e-7f, 0.1f, 95, 100, rc::InvalidExpectedPrevalence},
    {-0.5f, 0.1f, 95, 100, rc::InvalidExpectedPrevalence},
    {1.0f, 0.1f, 95, 100, rc::InvalidExpectedPrevalence},
    {1.5f, 0.1f, 95, 100, rc::InvalidExpectedPrevalence},
    {0.5f, 0.0f, 95, 100, rc::InvalidRelativeError},
    {0.5f, 1.0f, 95, 100, rc::InvalidRelativeError},
    {0.5f, -0.1f, 95, 100, rc::InvalidRelativeError},
    {0.5f, 0.0f, 0, 100, rc::InvalidRelativeError},  // e before the level
    {0.5f, 0.1f, 89, 100, rc::InvalidConfidenceLevel},
    {0.5f, 0.1f, 100, 100, rc::InvalidConfidenceLevel},
    {0.5f, 0.1f, std::numeric_limits<std::int32_t>::min(), 100, rc::InvalidConfidenceLevel},
    {0.5f, 0.1f, std::numeric_limits<std::int32_t>::max(), 100, rc::InvalidConfidenceLevel},
    {0.5f, 0.1f, 100, 0, rc::InvalidConfidenceLevel},  // level before N
    {0.5f, 0.1f, 95, 0, rc::InvalidPopulationSize},
    {0.5f, 0.1f, 95, -1, rc::InvalidPopulationSize},
    {0.5f, 0.1f, 95, std::numeric_limits<std::int32_t>::min(), rc::InvalidPopulationSize},
};

TEST(SampleSizeSimpleRandom, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    Sizes out;
    out.fill(-7);
    const ResultCode code =
        TESSARA_BIND(SampleSize_SimpleRandom)(r.p, r.e, r.level, r.population, out.data());
    EXPECT_EQ(code, r.expected) << "p=" << r.p << " e=" << r.e << " level=" << r.level
                                << " N=" << r.population;
    for (std::int32_t value : out) EXPECT_EQ(value, -7);
  }
}

TEST(SampleSizeSimpleRandom, ToleranceBoundIsInclusiveAtOneMillionth) {
  ResultCode code = 1;
  Compute(1e-6f, 0.5f, 95, 100, &code);
  // 1e-6f widens to slightly below or above 1e-6; the check is on the double.
  const double widened = 1e-6f;
  EXPECT_EQ(code, widened >= 1e-6 ? rc::Success : rc::InvalidExpectedPrevalence);
  Compute(0.999f, 0.5f, 95, 100, &code);
  EXPECT_EQ(code, rc::Success);
}

TEST(SampleSizeSimpleRandom, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  ResultCode code = 1;
  const Sizes at95 = Compute(0.3f, 0.2f, 95, 640, &code);
  ASSERT_EQ(code, rc::Success);
  for (std::int32_t level = 91; level <= 98; ++level) {
    EXPECT_EQ(Compute(0.3f, 0.2f, level, 640, &code), at95) << "level " << level;
  }
  EXPECT_NE(Compute(0.3f, 0.2f, 90, 640, &code), at95);
  EXPECT_NE(Compute(0.3f, 0.2f, 99, 640, &code), at95);
}

TEST(SampleSizeSimpleRandom, WholeBaseSizeIsStillRaisedByOne) {
  // p = 0.5, e = 0.2, 95%: B = 0.25 * 3.8416 / 0.01 = 96.04 -> 97. The table
  // at N = 1 always gives 1 (trunc(n < 1) + 1).
  ResultCode code = 1;
  const Sizes out = Compute(0.5f, 0.2f, 95, 1, &code);
  ASSERT_EQ(code, rc::Success);
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[16], 97);
}

TEST(SampleSizeSimpleRandom, ElementsNeverExceedTheirPopulation) {
  const std::int32_t populations[16] = {2147483647, 50,   100,  150,  200,  300,  400,  500,
                                        750,        1000, 1500, 2000, 3500, 5000, 7500, 10000};
  const float small_errors[] = {0.005f, 0.002f, 0.001f};
  for (float e : small_errors) {
    ResultCode code = 1;
    const Sizes out = Compute(0.01f, e, 99, populations[0], &code);
    ASSERT_EQ(code, rc::Success) << e;
    for (int i = 0; i < 16; ++i) {
      EXPECT_GE(out[i], 1);
      EXPECT_LE(out[i], populations[i]) << "element " << i << " e=" << e;
    }
    EXPECT_EQ(out[1], 50);  // the tiny error makes every table size the whole population
    EXPECT_GT(out[16], out[15]);
  }
}

TEST(SampleSizeSimpleRandom, SizesBeyondInt32AreRefusedAsTooSmallAnError) {
  // p = e = 2e-6 asks for about 4.8e17 animals in an infinite population.
  Sizes out;
  out.fill(-7);
  EXPECT_EQ(TESSARA_BIND(SampleSize_SimpleRandom)(0.000002f, 0.000002f, 95, 1000, out.data()),
            rc::InvalidRelativeError);
  EXPECT_EQ(out[0], -7);
  // A large size that still fits is returned as computed: B rounds to the
  // float 270602528 (0.25 * 2.706025 / 2.5e-9 before rounding).
  ResultCode code = 1;
  const Sizes fits = Compute(0.5f, 0.0001f, 90, 1000, &code);
  ASSERT_EQ(code, rc::Success);
  EXPECT_EQ(fits[16], 270602529);
  EXPECT_EQ(fits[0], 1000);
}
}  // namespace
