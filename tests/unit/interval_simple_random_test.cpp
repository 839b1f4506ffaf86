// Confidence interval of a prevalence from a simple random sample, from the
// observed proportion and from the number of positive cases.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

ResultCode FromProportion(float p, std::int32_t n, std::int32_t population, std::int32_t level,
                          std::array<float, 2>* out) {
  return TESSARA_BIND(ConfidenceInterval_SimpleRandom_Proportion)(p, n, population, level,
                                                                  out->data());
}

ResultCode FromPositives(std::int32_t k, std::int32_t n, std::int32_t population,
                         std::int32_t level, std::array<float, 3>* out) {
  return TESSARA_BIND(ConfidenceInterval_SimpleRandom_PositiveCases)(k, n, population, level,
                                                                     out->data());
}

// Limits given to five decimals.
constexpr double kFiveDecimals = 5e-6;

struct Worked {
  float p;
  std::int32_t k, n, population, level;
  double lower, upper;
};

const Worked kWorked[] = {
    // F = sqrt(0.9) = 0.94868, SE = sqrt(0.21 / 100) * F = 0.043474.
    {0.3f, 30, 100, 1000, 95, 0.21479, 0.38521},
    // F = sqrt(1/6), SE = 0.019799 * 0.40825; the lower limit is negative
    // and returned as it is.
    {0.02f, 1, 50, 60, 99, -0.00082, 0.04082},
};

TEST(IntervalSimpleRandom, WorkedValuesFromProportion) {
  for (const Worked& w : kWorked) {
    std::array<float, 2> out{};
    ASSERT_EQ(FromProportion(w.p, w.n, w.population, w.level, &out), rc::Success);
    EXPECT_NEAR(out[0], w.lower, kFiveDecimals) << w.p;
    EXPECT_NEAR(out[1], w.upper, kFiveDecimals) << w.p;
  }
}

TEST(IntervalSimpleRandom, WorkedValuesFromPositiveCases) {
  for (const Worked& w : kWorked) {
    std::array<float, 3> out{};
    ASSERT_EQ(FromPositives(w.k, w.n, w.population, w.level, &out), rc::Success);
    EXPECT_EQ(out[0], w.p) << w.k;  // k / n rounded to single precision
    EXPECT_NEAR(out[1], w.lower, kFiveDecimals) << w.k;
    EXPECT_NEAR(out[2], w.upper, kFiveDecimals) << w.k;
  }
}

// The two routes differ only in where the standard error is rounded: their
// limits agree to the last bit of single precision.
TEST(IntervalSimpleRandom, BothRoutesGiveTheSameLimits) {
  struct Case {
    std::int32_t k, n, population, level;
  };
  const Case cases[] = {{30, 100, 1000, 95}, {1, 50, 60, 99},      {7, 13, 13000, 90},
                        {2, 3, 3, 95},       {499, 997, 5000, 99}, {12, 40, 41, 93}};
  for (const Case& c : cases) {
    std::array<float, 3> positives{};
    ASSERT_EQ(FromPositives(c.k, c.n, c.population, c.level, &positives), rc::Success);
    std::array<float, 2> proportion{};
    ASSERT_EQ(FromProportion(positives[0], c.n, c.population, c.level, &proportion), rc::Success);
    for (int i = 0; i < 2; ++i) {
      const float a = proportion[i];
      const float b = positives[i + 1];
      EXPECT_TRUE(a == b || std::nextafter(a, b) == b)
          << c.k << "/" << c.n << " limit " << i << ": " << a << " vs " << b;
    }
  }
}

TEST(IntervalSimpleRandom, WholePopulationSampledGivesNoWidth) {
  std::array<float, 2> out{};
  ASSERT_EQ(FromProportion(0.3f, 1000, 1000, 95, &out), rc::Success);
  EXPECT_EQ(out[0], 0.3f);
  EXPECT_EQ(out[1], 0.3f);
  std::array<float, 3> cases{};
  ASSERT_EQ(FromPositives(3, 10, 10, 99, &cases), rc::Success);
  EXPECT_EQ(cases[1], cases[0]);
  EXPECT_EQ(cases[2], cases[0]);
  // Near 2^31 the sample rounds upwards as a float and exceeds its
  // population: still no width, and no number that is not one.
  ASSERT_EQ(FromProportion(0.3f, kMaxInt, kMaxInt, 95, &out), rc::Success);
  EXPECT_EQ(out[0], 0.3f);
  EXPECT_EQ(out[1], 0.3f);
  ASSERT_EQ(FromPositives(kMaxInt / 2, kMaxInt - 1, kMaxInt, 95, &cases), rc::Success);
  EXPECT_EQ(cases[1], cases[0]);
  EXPECT_EQ(cases[2], cases[0]);
}

TEST(IntervalSimpleRandom, AllPositiveSampleHasProportionOne) {
  std::array<float, 3> out{};
  ASSERT_EQ(FromPositives(40, 40, 100, 95, &out), rc::Success);
  EXPECT_EQ(out[0], 1.0f);
  EXPECT_EQ(out[1], 1.0f);
  EXPECT_EQ(out[2], 1.0f);
}

struct Rejected {
  float p;
  std::int32_t k, n, population, level;
  ResultCode expected;
};

// Each row is run through both exports, p for the one and k for the other.
const Rejected kRejected[] = {
    {0.0f, 0, 1, 1, 100, rc::InvalidProportion},  // first, whatever follows
    {-0.3f, -3, 100, 1000, 95, rc::InvalidProportion},
    {1.0f, std::numeric_limits<std::int32_t>::min(), 100, 1000, 95, rc::InvalidProportion},
    {9e-7f, 0, 100, 1000, 95, rc::InvalidProportion},
    {0.3f, 30, 1, 1000, 100, rc::SizeBelowMinimum},  // the sizes before the level
    {0.3f, 30, 100, 1, 95, rc::SizeBelowMinimum},
    {0.3f, 30, 0, 0, 95, rc::SizeBelowMinimum},
    {0.3f, 30, 100, 1000, 89, rc::InvalidConfidenceLevel},
    {0.3f, 30, 1001, 1000, 100, rc::InvalidConfidenceLevel},  // the level before n > N
    {0.3f, 30, 1001, 1000, 95, rc::SampleExceedsPopulation},
    {0.3f, 30, kMaxInt, 2, 95, rc::SampleExceedsPopulation},
};

TEST(IntervalSimpleRandom, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    std::array<float, 2> proportion = {-7.0f, -7.0f};
    EXPECT_EQ(FromProportion(r.p, r.n, r.population, r.level, &proportion), r.expected)
        << "p " << r.p << " n " << r.n << " N " << r.population;
    EXPECT_EQ(proportion, (std::array<float, 2>{-7.0f, -7.0f}));
    std::array<float, 3> positives = {-7.0f, -7.0f, -7.0f};
    EXPECT_EQ(FromPositives(r.k, r.n, r.population, r.level, &positives), r.expected)
        << "k " << r.k << " n " << r.n << " N " << r.population;
    EXPECT_EQ(positives, (std::array<float, 3>{-7.0f, -7.0f, -7.0f}));
  }
}

// More positive cases than animals sampled is no proportion; it is checked
// after everything else, so the other codes keep their precedence.
TEST(IntervalSimpleRandom, MorePositivesThanSampledAreRefused) {
  struct Case {
    std::int32_t k, n, population, level;
    ResultCode expected;
  };
  const Case cases[] = {
      {31, 30, 1000, 95, rc::InvalidProportion},
      {kMaxInt, 2, 2, 95, rc::InvalidProportion},
      {31, 1, 1000, 95, rc::SizeBelowMinimum},
      {31, 30, 1000, 100, rc::InvalidConfidenceLevel},
      {31, 30, 20, 95, rc::SampleExceedsPopulation},
  };
  for (const Case& c : cases) {
    std::array<float, 3> out = {-7.0f, -7.0f, -7.0f};
    EXPECT_EQ(FromPositives(c.k, c.n, c.population, c.level, &out), c.expected) << c.k;
    EXPECT_EQ(out, (std::array<float, 3>{-7.0f, -7.0f, -7.0f}));
  }
}

TEST(IntervalSimpleRandom, ToleranceBoundsOfTheProportion) {
  std::array<float, 2> out{};
  EXPECT_EQ(FromProportion(0.999f, 100, 1000, 95, &out), rc::Success);
  EXPECT_EQ(FromProportion(std::nextafter(1e-6f, 1.0f), 100, 1000, 95, &out), rc::Success);
  EXPECT_EQ(FromProportion(1e-6f, 100, 1000, 95, &out), rc::InvalidProportion);
}

TEST(IntervalSimpleRandom, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  std::array<float, 2> at95{};
  ASSERT_EQ(FromProportion(0.3f, 100, 1000, 95, &at95), rc::Success);
  for (std::int32_t level = 91; level <= 98; ++level) {
    std::array<float, 2> out{};
    ASSERT_EQ(FromProportion(0.3f, 100, 1000, level, &out), rc::Success);
    EXPECT_EQ(out, at95) << level;
  }
  // 90 % and 99 %: half-widths 1.645 and 2.576 times SE = sqrt(0.0021) * sqrt(0.9).
  std::array<float, 2> out{};
  ASSERT_EQ(FromProportion(0.3f, 100, 1000, 90, &out), rc::Success);
  EXPECT_NEAR(out[1] - out[0], 2 * 1.645 * 0.04347413, 1e-6);
  ASSERT_EQ(FromProportion(0.3f, 100, 1000, 99, &out), rc::Success);
  EXPECT_NEAR(out[1] - out[0], 2 * 2.576 * 0.04347413, 1e-6);
}
}  // namespace
