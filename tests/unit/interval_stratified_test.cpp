// Confidence interval of a prevalence from a stratified random sample.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
struct Stratum {
  std::int32_t population, sample;
  float p;
};
using Strata = std::array<Stratum, 5>;
using Interval = std::array<float, 3>;  // prevalence, lower, upper

ResultCode Calculate(std::int32_t level, const Strata& s, Interval* out) {
  return TESSARA_BIND(ConfidenceInterval_Stratified)(
      level, s[0].population, s[0].sample, s[0].p, s[1].population, s[1].sample, s[1].p,
      s[2].population, s[2].sample, s[2].p, s[3].population, s[3].sample, s[3].p, s[4].population,
      s[4].sample, s[4].p, out->data());
}

Interval Computed(std::int32_t level, const Strata& strata) {
  Interval out{};
  EXPECT_EQ(Calculate(level, strata, &out), rc::Success);
  return out;
}

const Strata kTwo = {{{1000, 100, 0.2f}, {2000, 100, 0.3f}}};

struct Worked {
  Strata strata;
  double prevalence, lower, upper;
};

const Worked kWorked[] = {
    {kTwo, 0.26667, 0.20294, 0.33040},
    {{{{1000, 100, 0.2f}, {2000, 100, 0.3f}, {500, 50, 0.1f}}}, 0.24286, 0.18706, 0.29866},
    // The whole of stratum 1 sampled: only stratum 2 varies,
    // T = 2000^2 * 0.21 / 99 * 1900 / 2000, SE = sqrt(T / 3000^2) = 0.029927.
    {{{{1000, 1000, 0.2f}, {2000, 100, 0.3f}}}, 0.26667, 0.20801, 0.32532},
};

TEST(IntervalStratified, WorkedValues) {
  for (const Worked& w : kWorked) {
    const Interval out = Computed(95, w.strata);
    EXPECT_NEAR(out[0], w.prevalence, 5e-6);
    EXPECT_NEAR(out[1], w.lower, 5e-6);
    EXPECT_NEAR(out[2], w.upper, 5e-6);
  }
}

// An independent double-precision form of the stratified estimator
// (Cochran, Sampling Techniques, ch. 5): p = sum N_h p_h / N and
// v(p) = sum N_h^2 (N_h - n_h) / N_h * p_h q_h / (n_h - 1) / N^2, over the
// strata whose values are not all zero.
Interval Reference(const Strata& strata, double z) {
  double population = 0.0, positives = 0.0, weighted = 0.0;
  for (const Stratum& s : strata) {
    if (s.population == 0 && s.sample == 0 && s.p == 0.0f) continue;
    const double N = s.population, n = s.sample, p = s.p;
    population += N;
    positives += N * p;
    weighted += N * N * (N - n) / N * p * (1.0 - p) / (n - 1.0);
  }
  const double prevalence = positives / population;
  const double half_width = z * std::sqrt(weighted / (population * population));
  return {static_cast<float>(prevalence), static_cast<float>(prevalence - half_width),
          static_cast<float>(prevalence + half_width)};
}

// A stratum with no positive, or with only positives, is a survey outcome
// like any other: it weighs in the estimate with its size and adds nothing
// to the variance. Strata 1 and 2 may be such strata too.
TEST(IntervalStratified, StrataOfNoneOrAllPositiveTakePart) {
  const Stratum none = {500, 50, 0.0f};
  const Stratum all = {300, 30, 1.0f};
  const Strata cases[] = {
      // (1000 * 0.2 + 2000 * 0.3 + 0 + 1500 * 0.25) / 5000 = 0.235, not the
      // two-stratum 0.26667.
      {{kTwo[0], kTwo[1], none, {1500, 100, 0.25f}}},
      {{kTwo[0], kTwo[1], none}},
      {{kTwo[0], kTwo[1], all, none, {800, 80, 0.4f}}},
      {{none, kTwo[1]}},
      {{kTwo[0], all}},
      {{none, all, kTwo[0]}},
      {{{1000, 100, 9e-7f}, kTwo[1]}},  // below the tolerance of other fractions
  };
  for (const Strata& strata : cases) {
    const Interval out = Computed(95, strata);
    const Interval expected = Reference(strata, 1.96);
    for (int k = 0; k < 3; ++k) {
      EXPECT_NEAR(out[k], expected[k], 2e-6) << "element " << k << ", N3 " << strata[2].population
                                             << " p3 " << strata[2].p;
    }
  }
  EXPECT_NEAR(Computed(95, cases[0])[0], 0.235, 1e-6);
  // Every stratum without a positive: a prevalence of 0 with no width.
  EXPECT_EQ(Computed(95, {{none, none}}), (Interval{0.0f, 0.0f, 0.0f}));
}

TEST(IntervalStratified, OptionalStratumIsAbsentOnlyWhenAllItsValuesAreZero) {
  const Interval two = Computed(95, kTwo);
  EXPECT_EQ(Computed(95, {{kTwo[0], kTwo[1], {0, 0, 0.0f}, {0, 0, 0.0f}, {0, 0, 0.0f}}}), two);
  EXPECT_EQ(Computed(95, {{kTwo[0], kTwo[1], {0, 0, -0.0f}}}), two);
  // The worked three-stratum value, whether the stratum is third, fourth or
  // fifth is not a question: strata must run unbroken from stratum 1.
  const Stratum third = {500, 50, 0.1f};
  EXPECT_NEAR(Computed(95, {{kTwo[0], third, kTwo[1]}})[0], 0.24286, 5e-6);
}

struct Rejected {
  std::int32_t level;
  Strata strata;
  ResultCode expected;
};

const Rejected kRejected[] = {
    {89, {{{0, 0, 0.0f}, {0, 0, 0.0f}}}, rc::InvalidConfidenceLevel},
    {100, kTwo, rc::InvalidConfidenceLevel},
    // A population below 2 is reported with the code of a sample larger
    // than its population, before the samples are looked at.
    {95, {{{1, 0, 0.0f}, {2000, 100, 0.3f}}}, rc::SampleExceedsPopulation},
    {95, {{{1000, 100, 0.2f}, {-5, 100, 0.3f}}}, rc::SampleExceedsPopulation},
    {95, {{{1000, 1, 0.0f}, {2000, 100, 0.3f}}}, rc::SizeBelowMinimum},
    {95, {{{1000, 100, 0.2f}, {2000, 1, 0.0f}}}, rc::SizeBelowMinimum},
    {95, {{{1000, 100, -0.2f}, {2000, 100, 1.5f}}}, rc::InvalidProportion},
    {95, {{{1000, 100, -1e-7f}, {2000, 100, 0.3f}}}, rc::InvalidProportion},
    {95, {{{1000, 100, 1.0000001f}, {2000, 100, 0.3f}}}, rc::InvalidProportion},
    {95, {{{1000, 100, 0.2f}, {2000, 100, -0.3f}}}, rc::InvalidProportion},
    {95, {{{1000, 100, 0.2f}, {2000, 100, 1.0000001f}}}, rc::InvalidProportion},
    // A used stratum sampled beyond its population: its variance would be
    // negative, and so could the whole variance be.
    {95, {{{100, 101, 0.2f}, {2000, 100, 0.3f}}}, rc::SampleExceedsPopulation},
    {95, {{{1000, 100, 0.2f}, {2, 3000, 0.3f}}}, rc::SampleExceedsPopulation},
    {95, {{kTwo[0], kTwo[1], {500, 50, 0.1f}, {20, 21, 0.5f}}}, rc::SampleExceedsPopulation},
    // A stratum 3 to 5 that holds any value is checked as strata 1 and 2
    // are, with their codes and in their order; it is never left out.
    {95, {{kTwo[0], kTwo[1], {1, 50, 0.1f}}}, rc::SampleExceedsPopulation},
    {95, {{kTwo[0], kTwo[1], {0, 0, 0.1f}}}, rc::SampleExceedsPopulation},
    {95, {{kTwo[0], kTwo[1], {0, 50, 0.0f}}}, rc::SampleExceedsPopulation},
    {95, {{kTwo[0], kTwo[1], {500, 0, 0.0f}}}, rc::SizeBelowMinimum},
    {95, {{kTwo[0], kTwo[1], {500, 1, 1.5f}}}, rc::SizeBelowMinimum},
    {95, {{kTwo[0], kTwo[1], {500, 50, -0.5f}}}, rc::InvalidProportion},
    {95, {{kTwo[0], kTwo[1], {500, 50, 1.5f}}}, rc::InvalidProportion},
    {95, {{kTwo[0], kTwo[1], {500, 50, 0.1f}, {500, 1, 0.1f}}}, rc::SizeBelowMinimum},
    {95, {{kTwo[0], kTwo[1], {500, 50, 0.1f}, {500, 50, 0.1f}, {500, 50, 2.0f}}},
     rc::InvalidProportion},
    // A stratum that holds data after an absent one: refused with the code
    // of the absent stratum's population, which is below 2.
    {95, {{kTwo[0], kTwo[1], {0, 0, 0.0f}, {500, 50, 0.1f}}}, rc::SampleExceedsPopulation},
    {95, {{kTwo[0], kTwo[1], {0, 0, 0.0f}, {0, 0, 0.0f}, {500, 50, 0.1f}}},
     rc::SampleExceedsPopulation},
    {95, {{kTwo[0], kTwo[1], {500, 50, 0.1f}, {0, 0, 0.0f}, {0, 0, 0.5f}}},
     rc::SampleExceedsPopulation},
};

TEST(IntervalStratified, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    Interval out = {-7.0f, -7.0f, -7.0f};
    EXPECT_EQ(Calculate(r.level, r.strata, &out), r.expected)
        << "level " << r.level << " N1 " << r.strata[0].population << " n1 " << r.strata[0].sample
        << " p1 " << r.strata[0].p;
    EXPECT_EQ(out, (Interval{-7.0f, -7.0f, -7.0f}));
  }
}

TEST(IntervalStratified, SmallPrevalenceGivesANegativeLowerLimit) {
  const Strata strata = {{{100, 10, 0.01f}, {200, 10, 0.02f}}};
  const Interval out = Computed(99, strata);
  EXPECT_LT(out[1], 0.0f);
  EXPECT_GT(out[2], out[0]);
}

TEST(IntervalStratified, LevelsNinetyOneToNinetyEightUseNinetyFive) {
  const Interval at95 = Computed(95, kTwo);
  for (std::int32_t level = 91; level <= 98; ++level) EXPECT_EQ(Computed(level, kTwo), at95);
  // The half-width scales with z: 1.645 / 1.96 and 2.576 / 1.96.
  const double width95 = at95[2] - at95[1];
  const Interval at90 = Computed(90, kTwo);
  const Interval at99 = Computed(99, kTwo);
  EXPECT_NEAR(at90[2] - at90[1], width95 * 1.645 / 1.96, 1e-6);
  EXPECT_NEAR(at99[2] - at99[1], width95 * 2.576 / 1.96, 1e-6);
}

// Proportions of 0 and 1 (no variance), the smallest samples, whole
// populations sampled and the largest populations, in every mixture of
// two strata and of a third: the results are always numbers.
TEST(IntervalStratified, AdmittedStrataGiveFiniteResults) {
  constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
  const std::int32_t populations[] = {2, 3, 100, 16777217, kMaxInt};
  const float proportions[] = {0.0f, 1e-7f, 0.5f, 0.99999994f, 1.0f};
  std::vector<Stratum> strata;
  for (std::int32_t N : populations) {
    for (std::int32_t n : {2, N / 2 > 2 ? N / 2 : 2, N}) {
      for (float p : proportions) strata.push_back({N, n, p});
    }
  }
  for (const Stratum& a : strata) {
    for (const Stratum& b : strata) {
      for (const Stratum& c : {Stratum{0, 0, 0.0f}, a}) {
        Interval out{};
        ASSERT_EQ(Calculate(99, {{a, b, c}}, &out), rc::Success);
        for (float x : out) {
          ASSERT_TRUE(std::isfinite(x)) << a.population << " " << a.sample << " " << a.p << " / "
                                        << b.population << " " << b.sample << " " << b.p;
        }
        EXPECT_LE(out[1], out[0]);
        EXPECT_GE(out[2], out[0]);
      }
    }
  }
}

TEST(IntervalStratified, LargestPopulationsStayFinite) {
  constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();
  const Strata strata = {{{kMaxInt, 2, 0.5f},
                          {kMaxInt, kMaxInt, 0.5f},
                          {kMaxInt, 100, 0.5f},
                          {kMaxInt, 1000, 0.5f},
                          {kMaxInt, 10, 0.5f}}};
  const Interval out = Computed(95, strata);
  EXPECT_EQ(out[0], 0.5f);
  EXPECT_LT(out[1], out[0]);
  EXPECT_GT(out[2], out[0]);
  EXPECT_LT(out[2] - out[1], 1.0f);
}
}  // namespace
