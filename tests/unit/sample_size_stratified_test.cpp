// Sample sizes of a stratified random sample with optimum allocation.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

struct Stratum {
  std::int32_t size;
  float p;
};
using Strata = std::array<Stratum, 5>;
using Sizes = std::array<std::int32_t, 5>;

ResultCode Calculate(std::int32_t level, float e, const Strata& s, StratifiedSampleSizes* out) {
  return TESSARA_BIND(SampleSize_Stratified)(level, e, s[0].size, s[0].p, s[1].size, s[1].p,
                                             s[2].size, s[2].p, s[3].size, s[3].p, s[4].size,
                                             s[4].p, out);
}

Sizes StrataOf(const StratifiedSampleSizes& out) {
  return {out.strata[0], out.strata[1], out.strata[2], out.strata[3], out.strata[4]};
}

struct Expected {
  std::int32_t level;
  float e;
  Strata strata;
  float prevalence;
  Sizes sizes;
  std::int32_t total;
};

const Expected kWorked[] = {
    // n = 1e6 / (4e6 * 0.0025 / 3.8416 + 500) = 322.26, half to each stratum.
    {95, 0.1f, {{{1000, 0.5f}, {1000, 0.5f}}}, 0.5f, {162, 162, 0, 0, 0}, 324},
    {95, 0.2f, {{{500, 0.1f}, {1500, 0.3f}, {2000, 0.2f}}}, 0.225f, {27, 124, 144, 0, 0}, 295},
    {90, 0.2f, {{{500, 0.1f}, {1500, 0.3f}, {2000, 0.2f}}}, 0.225f, {20, 89, 104, 0, 0}, 213},
    // Five equal strata: n = 6.25e6 / (2.5e7 * 0.0025 / 3.8416 + 1250) = 356.75,
    // a fifth each: trunc(71.35) + 1.
    {95,
     0.1f,
     {{{1000, 0.5f}, {1000, 0.5f}, {1000, 0.5f}, {1000, 0.5f}, {1000, 0.5f}}},
     0.5f,
     {72, 72, 72, 72, 72},
     360},
    // Strata of a thousand million: N^2 is far beyond an int32 (and an
    // int64 for the sum of strata). n = 1e18 / (4e18 * 0.0025 / 3.8416 + 5e8)
    // = 384.16, half to each.
    {95, 0.1f, {{{1000000000, 0.5f}, {1000000000, 0.5f}}}, 0.5f, {193, 193, 0, 0, 0}, 386},
};

TEST(SampleSizeStratified, WorkedValues) {
  for (const Expected& w : kWorked) {
    StratifiedSampleSizes out{};
    ASSERT_EQ(Calculate(w.level, w.e, w.strata, &out), rc::Success) << w.total;
    EXPECT_FLOAT_EQ(out.prevalence, w.prevalence) << w.total;
    EXPECT_EQ(StrataOf(out), w.sizes) << w.total;
    EXPECT_EQ(out.total, w.total);
  }
}

struct Rejected {
  std::int32_t level;
  float e;
  Strata strata;
  ResultCode expected;
};

const Strata kTwo = {{{1000, 0.5f}, {1000, 0.5f}}};
const Strata kNothingValid = {{{0, 0.0f}, {0, 2.0f}, {5, -1.0f}}};

const Rejected kRejected[] = {
    {89, 0.0f, kNothingValid, rc::InvalidConfidenceLevel},  // the level before everything
    {100, 0.1f, kTwo, rc::InvalidConfidenceLevel},
    {std::numeric_limits<std::int32_t>::min(), 0.1f, kTwo, rc::InvalidConfidenceLevel},
    {95, 0.0f, kNothingValid, rc::InvalidRelativeError},  // then e
    {95, 1.0f, kTwo, rc::InvalidRelativeError},
    {95, -0.1f, kTwo, rc::InvalidRelativeError},
    {95, 1e-6f, kTwo, rc::InvalidRelativeError},  // its float lies just below the double 1e-6
    {95, 0.1f, kNothingValid, rc::TooFewStrata},
    {95, 0.1f, {{{0, 0.5f}, {1000, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, 0.5f}, {0, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{-3, 0.5f}, {1000, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, 1.0f}, {1000, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, 0.0f}, {1000, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, 9e-7f}, {1000, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, -0.2f}, {1000, 0.5f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, 0.5f}, {1000, 1.0f}}}, rc::TooFewStrata},
    {95, 0.1f, {{{1000, 0.5f}, {1000, 0.0f}}}, rc::TooFewStrata},
    // A used stratum 3 to 5 whose prevalence is no proportion at all.
    {95, 0.1f, {{{1000, 0.5f}, {1000, 0.5f}, {1000, 1.5f}}}, rc::TooFewStrata},
    {95,
     0.1f,
     {{{1000, 0.5f}, {1000, 0.5f}, {1000, 0.5f}, {1000, 0.5f}, {1, -0.1f}}},
     rc::TooFewStrata},
    // A requested error so small that the sizes exceed any int32.
    {95, 2e-6f, {{{kMaxInt, 0.5f}, {kMaxInt, 0.5f}}}, rc::InvalidRelativeError},
};

TEST(SampleSizeStratified, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    StratifiedSampleSizes out;
    out.prevalence = -7.0f;
    for (std::int32_t& size : out.strata) size = -7;
    out.total = -7;
    EXPECT_EQ(Calculate(r.level, r.e, r.strata, &out), r.expected)
        << "level " << r.level << " e " << r.e << " N1 " << r.strata[0].size;
    EXPECT_EQ(out.prevalence, -7.0f);
    EXPECT_EQ(StrataOf(out), (Sizes{-7, -7, -7, -7, -7}));
    EXPECT_EQ(out.total, -7);
  }
}

TEST(SampleSizeStratified, RelativeErrorJustBelowOneIsAccepted) {
  StratifiedSampleSizes out{};
  EXPECT_EQ(Calculate(95, 0.999f, kTwo, &out), rc::Success);
  // p1 just above the tolerance is a valid stratum.
  const Strata tiny = {{{1000, 2e-6f}, {1000, 0.5f}}};
  EXPECT_EQ(Calculate(95, 0.5f, tiny, &out), rc::Success);
}

TEST(SampleSizeStratified, FirstEmptyStratumEndsTheList) {
  StratifiedSampleSizes two{};
  ASSERT_EQ(Calculate(95, 0.1f, kTwo, &two), rc::Success);
  // Strata after an empty one are ignored, even with a prevalence that
  // would be refused in a used stratum.
  const Strata gaps[] = {
      {{{1000, 0.5f}, {1000, 0.5f}, {0, 0.0f}, {500, 0.3f}, {500, 0.3f}}},
      {{{1000, 0.5f}, {1000, 0.5f}, {-1, 0.3f}, {500, 0.3f}, {500, 7.0f}}},
      {{{1000, 0.5f}, {1000, 0.5f}, {0, 2.0f}, {0, 0.0f}, {0, 0.0f}}},
  };
  for (const Strata& strata : gaps) {
    StratifiedSampleSizes out{};
    ASSERT_EQ(Calculate(95, 0.1f, strata, &out), rc::Success);
    EXPECT_EQ(StrataOf(out), StrataOf(two));
    EXPECT_EQ(out.total, out.strata[0] + out.strata[1]);
    EXPECT_EQ(out.prevalence, two.prevalence);
  }
}

TEST(SampleSizeStratified, TotalIsTheSumOfSharesRoundedUpEach) {
  const Strata strata = {{{700, 0.05f}, {1300, 0.4f}, {250, 0.7f}, {4000, 0.15f}}};
  StratifiedSampleSizes out{};
  ASSERT_EQ(Calculate(99, 0.15f, strata, &out), rc::Success);
  std::int32_t sum = 0;
  for (std::int32_t size : out.strata) sum += size;
  EXPECT_EQ(out.total, sum);
  EXPECT_EQ(out.strata[4], 0);
  for (int h = 0; h < 4; ++h) EXPECT_GE(out.strata[h], 1);
}

TEST(SampleSizeStratified, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  const Strata strata = {{{500, 0.1f}, {1500, 0.3f}, {2000, 0.2f}}};
  StratifiedSampleSizes at95{};
  ASSERT_EQ(Calculate(95, 0.2f, strata, &at95), rc::Success);
  for (std::int32_t level = 91; level <= 98; ++level) {
    StratifiedSampleSizes out{};
    ASSERT_EQ(Calculate(level, 0.2f, strata, &out), rc::Success);
    EXPECT_EQ(StrataOf(out), StrataOf(at95)) << level;
  }
  StratifiedSampleSizes at99{};
  ASSERT_EQ(Calculate(99, 0.2f, strata, &at99), rc::Success);
  EXPECT_GT(at99.total, at95.total);
}

// A used stratum whose prevalence is exactly 0 or 1 has no variance: it gets
// no share of the sample beyond the one individual that rounding up gives
// every stratum, and still counts in the population prevalence.
TEST(SampleSizeStratified, StratumWithoutVarianceGetsOneIndividual) {
  struct Case {
    float p3;
    float prevalence;
    Sizes sizes;
    std::int32_t total;
  };
  const Case cases[] = {
      // p = 2/3, d^2 = 0.0044444, n = 1e6 / (9e6 * 0.0044444 / 3.8416 + 500) = 91.64.
      {1.0f, 2.0f / 3.0f, {46, 46, 1, 0, 0}, 93},
      // p = 1/3: N^2 d^2 is that of the two strata alone, n = 322.26 again.
      {0.0f, 1.0f / 3.0f, {162, 162, 1, 0, 0}, 325},
  };
  for (const Case& c : cases) {
    const Strata strata = {{{1000, 0.5f}, {1000, 0.5f}, {1000, c.p3}}};
    StratifiedSampleSizes out{};
    ASSERT_EQ(Calculate(95, 0.1f, strata, &out), rc::Success) << c.p3;
    EXPECT_FLOAT_EQ(out.prevalence, c.prevalence);
    EXPECT_EQ(StrataOf(out), c.sizes) << c.p3;
    EXPECT_EQ(out.total, c.total);
  }
}
}  // namespace
