// Estimating a mean: the sample size for a precision, and the confidence
// limits of an observed mean.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr float kLargest = std::numeric_limits<float>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

using Sizes = std::array<std::int32_t, 17>;
using Limits = std::array<float, 2>;

ResultCode SampleSize(float precision, std::int32_t level, float deviation, std::int32_t population,
                      Sizes* out) {
  return TESSARA_BIND(Estimating_SampleSize)(precision, level, deviation, population, out->data());
}

Sizes ComputedSizes(float precision, std::int32_t level, float deviation, std::int32_t population) {
  Sizes out{};
  EXPECT_EQ(SampleSize(precision, level, deviation, population, &out), rc::Success);
  return out;
}

ResultCode Interval(float mean, float deviation, std::int32_t n, std::int32_t population,
                    std::int32_t level, Limits* out) {
  return TESSARA_BIND(Estimating_ConfidenceInterval)(mean, deviation, n, population, level,
                                                     out->data());
}

TEST(MeanSampleSize, WorkedValues) {
  // m = (5 * 1.96 / 1)^2 = 96.04; each size is m / (m / N + 1) rounded half
  // up (96.04 itself gives 96, not the 97 of truncating and adding one).
  EXPECT_EQ(ComputedSizes(1.0f, 95, 5.0f, 1000),
            (Sizes{33, 49, 59, 65, 73, 77, 81, 85, 88, 90, 92, 93, 94, 95, 95, 96, 88}));
  // m = (10 * 1.645 / 2)^2 = 67.65: 68 for an infinite population, and
  // 67.65 / (67.65 / 250 + 1) = 53.24 for N = 250.
  const Sizes out = ComputedSizes(2.0f, 90, 10.0f, 250);
  EXPECT_EQ(out[15], 68);
  EXPECT_EQ(out[16], 53);
}

TEST(MeanSampleSize, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  const Sizes at95 = ComputedSizes(1.0f, 95, 5.0f, 1000);
  for (std::int32_t level = 91; level <= 98; ++level) {
    EXPECT_EQ(ComputedSizes(1.0f, level, 5.0f, 1000), at95) << level;
  }
  // 99 %: m = (5 * 2.576)^2 = 165.89.
  EXPECT_EQ(ComputedSizes(1.0f, 99, 5.0f, 1000)[15], 166);
}

TEST(MeanSampleSize, SizesNeverExceedTheirPopulation) {
  // m = (20000 * 1.96)^2 = 1536640000: every table size is its whole
  // population (10000 m / (m + 10000) = 9999.93 rounds up to 10000).
  const Sizes out = ComputedSizes(1.0f, 95, 20000.0f, 1);
  const std::int32_t populations[15] = {50,   100,  150,  200,  300,  400,  500,  750,
                                        1000, 1500, 2000, 3500, 5000, 7500, 10000};
  for (int k = 0; k < 15; ++k) EXPECT_EQ(out[k], populations[k]) << k;
  EXPECT_EQ(out[15], 1536640000);
  EXPECT_EQ(out[16], 1);
  // The largest population keeps its size within range.
  const Sizes largest = ComputedSizes(1.0f, 95, 5.0f, kMaxInt);
  EXPECT_EQ(largest[16], 96);
}

struct RejectedSize {
  float precision;
  std::int32_t level;
  float deviation;
  std::int32_t population;
  ResultCode expected;
};

const RejectedSize kRejectedSizes[] = {
    {0.0f, 0, 0.0f, 0, rc::InvalidPrecision},  // the precision first
    {9e-7f, 95, 5.0f, 1000, rc::InvalidPrecision},
    {-1.0f, 95, 5.0f, 1000, rc::InvalidPrecision},
    {1.0f, 0, 0.0f, 0, rc::InvalidStandardDeviation},
    {1.0f, 95, -5.0f, 1000, rc::InvalidStandardDeviation},
    {1.0f, 100, 5.0f, 0, rc::InvalidPopulationSize},  // the population before the level
    {1.0f, 95, 5.0f, -1000, rc::InvalidPopulationSize},
    {1.0f, 89, 5.0f, 1000, rc::InvalidConfidenceLevel},
    {1.0f, 100, 5.0f, 1000, rc::InvalidConfidenceLevel},
    // More individuals than an int32 counts, or infinitely many: the
    // precision is too fine for the deviation.
    {1e-3f, 95, 1e6f, 1000, rc::InvalidPrecision},
    {1.0f, 95, kLargest, 1000, rc::InvalidPrecision},
    // An infinite deviation is no deviation.
    {1.0f, 95, kInfinity, 1000, rc::InvalidStandardDeviation},
};

TEST(MeanSampleSize, ChecksInOrderAndWritesNothingOnFailure) {
  for (const RejectedSize& r : kRejectedSizes) {
    Sizes out;
    out.fill(-7);
    EXPECT_EQ(SampleSize(r.precision, r.level, r.deviation, r.population, &out), r.expected)
        << r.precision << " " << r.deviation << " " << r.population << " " << r.level;
    for (std::int32_t size : out) EXPECT_EQ(size, -7);
  }
}

TEST(MeanSampleSize, HugePrecisionNeedsNoSample) {
  // m = (1 * 1.96 / 1e6)^2 rounds half up to 0 everywhere.
  const Sizes out = ComputedSizes(1e6f, 95, 1.0f, 1000);
  for (std::int32_t size : out) EXPECT_EQ(size, 0);
}

// ---- Confidence limits of a mean

TEST(MeanInterval, WorkedValue) {
  // SE = 10 / 5 * sqrt(1 - 25 / 1000) = 1.97484.
  Limits out{};
  ASSERT_EQ(Interval(50.0f, 10.0f, 25, 1000, 95, &out), rc::Success);
  EXPECT_NEAR(out[0], 50.0 - 1.96 * 1.974842, 2e-5);
  EXPECT_NEAR(out[1], 50.0 + 1.96 * 1.974842, 2e-5);
  EXPECT_NEAR(out[0], 46.1293, 1e-4);
  EXPECT_NEAR(out[1], 53.8707, 1e-4);
}

TEST(MeanInterval, WholePopulationGivesTheMeanTwice) {
  Limits out{};
  ASSERT_EQ(Interval(50.0f, 10.0f, 1000, 1000, 95, &out), rc::Success);
  EXPECT_EQ(out, (Limits{50.0f, 50.0f}));
  ASSERT_EQ(Interval(3.25f, 2.0f, 1, 1, 99, &out), rc::Success);
  EXPECT_EQ(out, (Limits{3.25f, 3.25f}));
  // The sample rounded upwards as a float beyond its population near 2^31.
  ASSERT_EQ(Interval(3.25f, 2.0f, kMaxInt, kMaxInt, 99, &out), rc::Success);
  EXPECT_EQ(out, (Limits{3.25f, 3.25f}));
}

TEST(MeanInterval, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  Limits at95{};
  ASSERT_EQ(Interval(50.0f, 10.0f, 25, 1000, 95, &at95), rc::Success);
  for (std::int32_t level = 91; level <= 98; ++level) {
    Limits out{};
    ASSERT_EQ(Interval(50.0f, 10.0f, 25, 1000, level, &out), rc::Success);
    EXPECT_EQ(out, at95) << level;
  }
  Limits at90{};
  ASSERT_EQ(Interval(50.0f, 10.0f, 25, 1000, 90, &at90), rc::Success);
  EXPECT_NEAR(at90[1], 50.0 + 1.645 * 1.974842, 2e-5);
}

struct RejectedInterval {
  float mean, deviation;
  std::int32_t n, population, level;
  ResultCode expected;
};

const RejectedInterval kRejectedIntervals[] = {
    {0.0f, 0.0f, 0, 0, 0, rc::InvalidAverage},  // the mean first
    {-50.0f, 10.0f, 25, 1000, 95, rc::InvalidAverage},
    {9e-7f, 10.0f, 25, 1000, 95, rc::InvalidAverage},
    {50.0f, 0.0f, 0, 0, 0, rc::InvalidStandardDeviation},
    {50.0f, -1.0f, 25, 1000, 95, rc::InvalidStandardDeviation},
    {50.0f, 10.0f, 0, 0, 0, rc::SizeBelowMinimum},
    {50.0f, 10.0f, -25, 1000, 95, rc::SizeBelowMinimum},
    {50.0f, 10.0f, 25, 0, 0, rc::InvalidPopulationSize},
    {50.0f, 10.0f, 1001, 1000, 0, rc::SampleExceedsPopulation},  // before the level
    {50.0f, 10.0f, 25, 1000, 89, rc::InvalidConfidenceLevel},
    {50.0f, 10.0f, 25, 1000, 100, rc::InvalidConfidenceLevel},
    // Limits beyond the largest float: no number to show.
    {kLargest, kLargest, 1, 2, 95, rc::InvalidStandardDeviation},
    {1.0f, kLargest, 1, 2, 99, rc::InvalidStandardDeviation},
    {kInfinity, 10.0f, 25, 1000, 95, rc::InvalidAverage},
    {50.0f, kInfinity, 25, 1000, 95, rc::InvalidStandardDeviation},
    {50.0f, kInfinity, 1000, 1000, 95, rc::InvalidStandardDeviation},  // infinity times 0
};

TEST(MeanInterval, ChecksInOrderAndWritesNothingOnFailure) {
  for (const RejectedInterval& r : kRejectedIntervals) {
    Limits out = {-7.0f, -7.0f};
    EXPECT_EQ(Interval(r.mean, r.deviation, r.n, r.population, r.level, &out), r.expected)
        << r.mean << " " << r.deviation << " " << r.n << " " << r.population << " " << r.level;
    EXPECT_EQ(out, (Limits{-7.0f, -7.0f}));
  }
}

TEST(MeanInterval, LargeButFiniteValuesAreReturned) {
  // The largest float as the mean, with a deviation too small to move it.
  Limits out{};
  ASSERT_EQ(Interval(kLargest, 1.0f, 25, 1000, 95, &out), rc::Success);
  EXPECT_EQ(out, (Limits{kLargest, kLargest}));
}
}  // namespace
