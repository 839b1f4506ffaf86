// Comparison of two prevalences: sample size per population, and the
// confidence limits of an observed difference.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
using Sizes = std::array<std::int32_t, 2>;  // two-sided, one-sided

ResultCode SampleSize(float p1, float p2, std::int32_t level, std::int32_t power, Sizes* out) {
  return TESSARA_BIND(Comparison_SampleSize)(p1, p2, level, power, out->data());
}

Sizes Computed(float p1, float p2, std::int32_t level, std::int32_t power) {
  Sizes out{};
  EXPECT_EQ(SampleSize(p1, p2, level, power, &out), rc::Success) << p1 << " " << p2;
  return out;
}

ResultCode Interval(float p1, std::int32_t n1, float p2, std::int32_t n2,
                    ComparisonIntervals* out) {
  return TESSARA_BIND(Comparison_ConfidenceInterval)(p1, n1, p2, n2, out);
}

TEST(ComparisonSampleSize, WorkedValue) {
  // Two-sided: m = (sqrt(0.255) * 1.96 + sqrt(0.25) * 0.842)^2 / 0.01 = 199.02,
  // corrected for continuity to 218.56; one-sided (1.645): 156.67 and 176.10.
  EXPECT_EQ(Computed(0.1f, 0.2f, 95, 80), (Sizes{219, 177}));
}

TEST(ComparisonSampleSize, LargeSizesThatStillFit) {
  // p2 - p1 = 0.501f - 0.5f = 9.99987e-4: m = 1.981312^2 / 9.99974e-7 =
  // 3925698 two-sided and 1.758573^2 / 9.99974e-7 = 3092660 one-sided, each
  // raised by the continuity correction m / 4 * (1 + sqrt(1 + 4 / (d m)))^2.
  const Sizes out = Computed(0.5f, 0.501f, 95, 80);
  EXPECT_NEAR(out[0], 3927698, 3);
  EXPECT_NEAR(out[1], 3094660, 3);
}

TEST(ComparisonSampleSize, LevelsAndPowersRaiseTheSize) {
  const Sizes at95 = Computed(0.1f, 0.2f, 95, 80);
  for (std::int32_t level = 91; level <= 98; ++level) {
    EXPECT_EQ(Computed(0.1f, 0.2f, level, 80), at95) << level;
  }
  const Sizes at90 = Computed(0.1f, 0.2f, 90, 80);
  const Sizes at99 = Computed(0.1f, 0.2f, 99, 80);
  for (int test = 0; test < 2; ++test) {
    EXPECT_LT(at90[test], at95[test]);
    EXPECT_LT(at95[test], at99[test]);
  }
  // At 90 % the one-sided z is 1.282 and the two-sided 1.645: the one-sided
  // size at 95 % (1.645) uses the same z as the two-sided size at 90 %.
  EXPECT_EQ(at95[1], at90[0]);
  std::int32_t previous = 0;
  for (std::int32_t power : {80, 85, 90, 95}) {
    const Sizes out = Computed(0.1f, 0.2f, 95, power);
    EXPECT_GT(out[0], previous) << power;
    EXPECT_LT(out[1], out[0]) << power;
    previous = out[0];
  }
}

struct Rejected {
  float p1, p2;
  std::int32_t level, power;
  ResultCode expected;
};

constexpr float kAboveTolerance = 1.0000001e-6f;

const Rejected kRejected[] = {
    {0.0f, 0.0f, 0, 0, rc::InvalidPrevalence1},  // p1 before everything
    {5e-7f, 0.2f, 95, 80, rc::InvalidPrevalence1},
    {1e-6f, 0.2f, 95, 80, rc::InvalidPrevalence1},  // its float lies just below 1e-6
    {-0.1f, 0.2f, 95, 80, rc::InvalidPrevalence1},
    {1.1f, 0.2f, 95, 80, rc::InvalidPrevalence1},
    {0.1f, 0.0f, 0, 0, rc::InvalidPrevalence2},
    {0.1f, 1.5f, 95, 80, rc::InvalidPrevalence2},
    {0.1f, 0.2f, 89, 0, rc::InvalidConfidenceLevel},
    {0.1f, 0.2f, 100, 80, rc::InvalidConfidenceLevel},
    {0.3f, 0.2f, 95, 81, rc::InvalidPower},  // the power before the order
    {0.1f, 0.2f, 95, 0, rc::InvalidPower},
    {0.1f, 0.2f, 95, 99, rc::InvalidPower},
    {0.3f, 0.2f, 95, 80, rc::Prevalence2BelowPrevalence1},
    // Equal prevalences: no sample tells them apart.
    {0.2f, 0.2f, 95, 80, rc::InvalidPrevalence2},
    {1.0f, 1.0f, 95, 80, rc::InvalidPrevalence2},
    {kAboveTolerance, kAboveTolerance, 95, 95, rc::InvalidPrevalence2},
    // A difference of one float step asks for more than an int32 counts.
    {0.5f, 0.50000006f, 95, 80, rc::InvalidPrevalence2},
};

TEST(ComparisonSampleSize, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    Sizes out = {-7, -7};
    EXPECT_EQ(SampleSize(r.p1, r.p2, r.level, r.power, &out), r.expected)
        << r.p1 << " " << r.p2 << " " << r.level << " " << r.power;
    EXPECT_EQ(out, (Sizes{-7, -7}));
  }
}

TEST(ComparisonSampleSize, ToleranceAndUpperBounds) {
  Sizes out{};
  EXPECT_EQ(SampleSize(kAboveTolerance, 0.2f, 95, 80, &out), rc::Success);
  EXPECT_EQ(SampleSize(0.5f, 1.0f, 99, 95, &out), rc::Success);  // 1 is a valid prevalence
  EXPECT_GE(out[1], 1);
}

// ---- Confidence limits of the difference

void ExpectUntouched(const ComparisonIntervals& out) {
  unsigned char bytes[sizeof out];
  std::memcpy(bytes, &out, sizeof bytes);
  for (unsigned char byte : bytes) EXPECT_EQ(byte, 0xA5);
}

struct Limits {
  double lower, upper;
  std::uint8_t significant;
};

struct WorkedInterval {
  std::int32_t n;
  double standard_error;  // sqrt(0.16 / n + 0.21 / n)
  std::uint8_t significant[3];
};

TEST(ComparisonInterval, WorkedValues) {
  const WorkedInterval cases[] = {
      {100, 0.0608276, {0, 0, 0}},  // 90 % lower limit -0.00006
      {200, 0.0430116, {1, 1, 0}},  // lower limits 0.0292, 0.0157, -0.0108
      {1000, 0.0192354, {1, 1, 1}},
  };
  const double z[3] = {1.645, 1.96, 2.576};
  for (const WorkedInterval& c : cases) {
    ComparisonIntervals out{};
    ASSERT_EQ(Interval(0.2f, c.n, 0.3f, c.n, &out), rc::Success);
    EXPECT_NEAR(out.difference, 0.1, 1e-7);
    const Limits got[3] = {{out.lower90, out.upper90, out.significant90},
                           {out.lower95, out.upper95, out.significant95},
                           {out.lower99, out.upper99, out.significant99}};
    for (int level = 0; level < 3; ++level) {
      EXPECT_NEAR(got[level].lower, 0.1 - z[level] * c.standard_error, 2e-7) << c.n;
      EXPECT_NEAR(got[level].upper, 0.1 + z[level] * c.standard_error, 2e-7) << c.n;
      EXPECT_EQ(got[level].significant, c.significant[level]) << c.n << " level " << level;
    }
  }
}

TEST(ComparisonInterval, EqualPrevalencesAreNeverSignificant) {
  ComparisonIntervals out{};
  ASSERT_EQ(Interval(0.3f, 50, 0.3f, 70, &out), rc::Success);
  EXPECT_EQ(out.difference, 0.0f);
  EXPECT_LT(out.lower99, out.lower95);
  EXPECT_LT(out.lower95, out.lower90);
  EXPECT_LT(out.lower90, 0.0f);
  EXPECT_EQ(out.significant90 + out.significant95 + out.significant99, 0);
  // Both prevalences 1: no variance, a zero-width interval at 0.
  ASSERT_EQ(Interval(1.0f, 5, 1.0f, 5, &out), rc::Success);
  EXPECT_EQ(out.lower90, 0.0f);
  EXPECT_EQ(out.upper99, 0.0f);
  EXPECT_EQ(out.significant90, 0);
}

TEST(ComparisonInterval, LargestSamplesGiveANarrowInterval) {
  constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
  ComparisonIntervals out{};
  ASSERT_EQ(Interval(0.2f, kMaxInt, 0.2001f, kMaxInt, &out), rc::Success);
  EXPECT_EQ(out.significant99, 1);
  EXPECT_LT(out.upper99 - out.lower99, 1e-4f);
}

TEST(ComparisonInterval, ChecksInOrderAndWritesNothingOnFailure) {
  const Rejected kIntervalRejected[] = {
      // p1, p2, N1 (in the level column), N2 (in the power column)
      {0.0f, 0.0f, 0, 0, rc::InvalidPrevalence1},
      {1.0000001f, 0.2f, 100, 100, rc::InvalidPrevalence1},
      {5e-7f, 0.2f, 100, 100, rc::InvalidPrevalence1},
      {0.2f, 0.0f, 0, 0, rc::InvalidPrevalence2},
      {0.2f, -0.3f, 100, 100, rc::InvalidPrevalence2},
      {0.3f, 0.2f, 0, 0, rc::InvalidSampleSize1},  // the sizes before the order
      {0.2f, 0.3f, -1, 100, rc::InvalidSampleSize1},
      {0.3f, 0.2f, 100, 0, rc::InvalidSampleSize2},
      {0.3f, 0.2f, 100, 100, rc::Prevalence2BelowPrevalence1},
  };
  for (const Rejected& r : kIntervalRejected) {
    ComparisonIntervals out;
    std::memset(&out, 0xA5, sizeof out);
    EXPECT_EQ(Interval(r.p1, r.level, r.p2, r.power, &out), r.expected)
        << r.p1 << " " << r.p2 << " " << r.level << " " << r.power;
    ExpectUntouched(out);
  }
}

TEST(ComparisonInterval, RecordHasNaturalAlignmentAndPaddingIsLeftAlone) {
  EXPECT_EQ(offsetof(ComparisonIntervals, lower90), 0u);
  EXPECT_EQ(offsetof(ComparisonIntervals, upper90), 4u);
  EXPECT_EQ(offsetof(ComparisonIntervals, significant90), 8u);
  EXPECT_EQ(offsetof(ComparisonIntervals, lower95), 12u);
  EXPECT_EQ(offsetof(ComparisonIntervals, upper95), 16u);
  EXPECT_EQ(offsetof(ComparisonIntervals, significant95), 20u);
  EXPECT_EQ(offsetof(ComparisonIntervals, lower99), 24u);
  EXPECT_EQ(offsetof(ComparisonIntervals, upper99), 28u);
  EXPECT_EQ(offsetof(ComparisonIntervals, significant99), 32u);
  EXPECT_EQ(offsetof(ComparisonIntervals, difference), 36u);
  ComparisonIntervals out;
  std::memset(&out, 0xA5, sizeof out);
  ASSERT_EQ(Interval(0.2f, 200, 0.3f, 200, &out), rc::Success);
  unsigned char bytes[sizeof out];
  std::memcpy(bytes, &out, sizeof bytes);
  for (std::size_t flag : {8u, 20u, 32u}) {
    for (std::size_t i = flag + 1; i < flag + 4; ++i) EXPECT_EQ(bytes[i], 0xA5) << i;
  }
}
}  // namespace
