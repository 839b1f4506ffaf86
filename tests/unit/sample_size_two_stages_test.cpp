// Clusters and samples of a two-stage sample, from the design effect.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct Call {
  float p, e;
  std::int32_t level, per_cluster, homogeneity;
  float rho;
};

ResultCode Calculate(const Call& c, TwoStageSampleSize* out) {
  return TESSARA_BIND(SampleSize_TwoStages)(c.p, c.e, c.level, c.per_cluster, c.homogeneity, c.rho,
                                            out);
}

struct Expected {
  Call call;
  std::int32_t clusters, samples;
  std::uint8_t imposed;
};

// With p = 0.2, e = 0.2, m = 10 at 95 % the count is
// 0.16 * D * 3.8416 / (0.0016 * 10) = 38.416 * D, truncated, plus one.
const Expected kWorked[] = {
    {{0.2f, 0.2f, 95, 10, homogeneity::Exact, 0.1f}, 73, 730, 0},  // D = 1.9
    {{0.2f, 0.2f, 95, 10, homogeneity::Low, 0.0f}, 77, 770, 0},    // D = 2
    {{0.2f, 0.2f, 95, 10, homogeneity::Medium, 0.0f}, 154, 1540, 0},
    {{0.2f, 0.2f, 95, 10, homogeneity::High, 0.0f}, 269, 2690, 0},
    {{0.2f, 0.2f, 95, 10, homogeneity::Unknown, 0.0f}, 289, 2890, 0},
    {{0.2f, 0.2f, 95, 10, 7, 0.0f}, 385, 3850, 0},  // any other level: D = m
    {{0.5f, 0.3f, 95, 20, homogeneity::Low, 0.0f}, 25, 500, 1},
    // An exact rate wins over the level: D = 1 + 9 * 0.05 = 1.45, count 55.70.
    {{0.2f, 0.2f, 95, 10, homogeneity::High, 0.05f}, 56, 560, 0},
    // A negative rate with a level other than 0 is used as given:
    // D = 0.64 gives 24.59, so 25 stands as computed, without the flag;
    // D = 0.622 gives 23.90, a computed 24 that is raised to 25.
    {{0.2f, 0.2f, 95, 10, homogeneity::Medium, -0.04f}, 25, 250, 0},
    {{0.2f, 0.2f, 95, 10, homogeneity::Medium, -0.042f}, 25, 250, 1},
    // A negative design effect, however large, is a count below 25.
    {{0.2f, 0.2f, 95, 10, homogeneity::Low, -0.5f}, 25, 250, 1},
    {{0.2f, 0.2f, 95, 10, homogeneity::Low, -1e30f}, 25, 250, 1},
    // m = 2, the smallest accepted: D = 1 + rho = 2, and the count
    // 0.16 * 2 * 3.8416 / (0.0016 * 2) = 384.16.
    {{0.2f, 0.2f, 95, 2, homogeneity::Exact, 1.0f}, 385, 770, 0},
};

TEST(SampleSizeTwoStages, WorkedValues) {
  for (const Expected& w : kWorked) {
    TwoStageSampleSize out{};
    ASSERT_EQ(Calculate(w.call, &out), rc::Success) << "rho " << w.call.rho;
    EXPECT_EQ(out.clusters, w.clusters) << "level " << w.call.homogeneity << " rho " << w.call.rho;
    EXPECT_EQ(out.samples, w.samples);
    EXPECT_EQ(out.minimum_imposed, w.imposed) << "rho " << w.call.rho;
  }
}

TEST(SampleSizeTwoStages, FlagTakesOnlyTheFirstByteOfItsWord) {
  unsigned char words[12];
  std::memset(words, 0xA5, sizeof words);
  TwoStageSampleSize* out = reinterpret_cast<TwoStageSampleSize*>(words);
  ASSERT_EQ(Calculate({0.5f, 0.3f, 95, 20, homogeneity::Low, 0.0f}, out), rc::Success);
  EXPECT_EQ(words[8], 1);
  for (int i = 9; i < 12; ++i) EXPECT_EQ(words[i], 0xA5) << i;
}

struct Rejected {
  Call call;
  ResultCode expected;
};

const Rejected kRejected[] = {
    {{1.0f, 0.0f, 0, 0, 0, 0.0f}, rc::InvalidPopulationPrevalence},  // p before everything
    {{0.0f, 0.2f, 95, 10, 1, 0.0f}, rc::InvalidPopulationPrevalence},
    {{-0.2f, 0.2f, 95, 10, 1, 0.0f}, rc::InvalidPopulationPrevalence},
    {{9e-7f, 0.2f, 95, 10, 1, 0.0f}, rc::InvalidPopulationPrevalence},
    {{0.2f, 0.0f, 0, 0, 0, 0.0f}, rc::InvalidRelativeError},
    {{0.2f, 1.0f, 95, 10, 1, 0.0f}, rc::InvalidRelativeError},
    {{0.2f, -0.3f, 95, 10, 1, 0.0f}, rc::InvalidRelativeError},
    {{0.2f, 0.2f, 100, 0, 0, 0.0f}, rc::InvalidConfidenceLevel},
    {{0.2f, 0.2f, 89, 10, 1, 0.0f}, rc::InvalidConfidenceLevel},
    {{0.2f, 0.2f, 95, 1, 0, 0.0f}, rc::SizeBelowMinimum},  // m before the rate
    {{0.2f, 0.2f, 95, 0, 1, 0.0f}, rc::SizeBelowMinimum},
    {{0.2f, 0.2f, 95, -10, 1, 0.0f}, rc::SizeBelowMinimum},
    {{0.2f, 0.2f, 95, 10, 0, 0.0f}, rc::InvalidHomogeneity},
    {{0.2f, 0.2f, 95, 10, 0, 9e-7f}, rc::InvalidHomogeneity},
    {{0.2f, 0.2f, 95, 10, 0, -0.1f}, rc::InvalidHomogeneity},
    // An infinite negative rate is no rate, though a finite one wins over
    // the level and is used as given.
    {{0.2f, 0.2f, 95, 10, homogeneity::Low, -kInfinity}, rc::InvalidHomogeneity},
    // Counts beyond an int32: a tiny p and e ...
    {{2e-6f, 2e-6f, 95, 10, 7, 0.0f}, rc::InvalidRelativeError},
    // ... a rate of homogeneity far above 1 (no correlation is) ...
    {{0.2f, 0.2f, 95, 10, 0, 1e30f}, rc::InvalidHomogeneity},
    {{0.2f, 0.2f, 95, 10, 2, kInfinity}, rc::InvalidHomogeneity},
    // ... and a total 25 * m of samples.
    {{0.2f, 0.2f, 95, kMaxInt, 1, 0.0f}, rc::SizeBelowMinimum},
    {{0.2f, 0.2f, 95, kMaxInt / 24, 1, 0.0f}, rc::SizeBelowMinimum},
};

TEST(SampleSizeTwoStages, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    TwoStageSampleSize out;
    out.clusters = -7;
    out.samples = -7;
    out.minimum_imposed = 0x77;
    EXPECT_EQ(Calculate(r.call, &out), r.expected) << "p " << r.call.p << " e " << r.call.e << " m "
                                                   << r.call.per_cluster << " rho " << r.call.rho;
    EXPECT_EQ(out.clusters, -7);
    EXPECT_EQ(out.samples, -7);
    EXPECT_EQ(out.minimum_imposed, 0x77);
  }
}

TEST(SampleSizeTwoStages, LargestCountableTotalIsReturned) {
  // 25 clusters of kMaxInt / 25 samples still fit.
  TwoStageSampleSize out{};
  ASSERT_EQ(Calculate({0.2f, 0.2f, 95, kMaxInt / 25, 1, 0.0f}, &out), rc::Success);
  EXPECT_EQ(out.clusters, 25);
  EXPECT_EQ(out.samples, kMaxInt / 25 * 25);
  EXPECT_EQ(out.minimum_imposed, 1);
}

TEST(SampleSizeTwoStages, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  for (std::int32_t level = 91; level <= 98; ++level) {
    TwoStageSampleSize out{};
    ASSERT_EQ(Calculate({0.2f, 0.2f, level, 10, homogeneity::Exact, 0.1f}, &out), rc::Success);
    EXPECT_EQ(out.clusters, 73) << level;
  }
  // 90 %: 0.16 * 1.9 * 2.706025 / 0.016 = 51.41; 99 %: 6.635776 instead, 126.08.
  TwoStageSampleSize out{};
  ASSERT_EQ(Calculate({0.2f, 0.2f, 90, 10, homogeneity::Exact, 0.1f}, &out), rc::Success);
  EXPECT_EQ(out.clusters, 52);
  ASSERT_EQ(Calculate({0.2f, 0.2f, 99, 10, homogeneity::Exact, 0.1f}, &out), rc::Success);
  EXPECT_EQ(out.clusters, 127);
}
}  // namespace
