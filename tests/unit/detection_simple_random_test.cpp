// Sample size to detect disease in a simple random sample.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

struct Call {
  float p;
  std::int32_t population, level;
  float se1, sp1, se2, sp2, beta;
  std::int32_t interpretation;
};

std::string Describe(const Call& c) {
  return "p=" + std::to_string(c.p) + " N=" + std::to_string(c.population) +
         " level=" + std::to_string(c.level) + " Se1=" + std::to_string(c.se1) +
         " Sp1=" + std::to_string(c.sp1) + " Se2=" + std::to_string(c.se2) +
         " Sp2=" + std::to_string(c.sp2) + " beta=" + std::to_string(c.beta) +
         " interpretation=" + std::to_string(c.interpretation);
}

// An out-array the export must overwrite or leave: every word -7.
DetectionSampleSize Sentinel() {
  DetectionSampleSize out;
  const std::int32_t minus_seven = -7;
  for (std::size_t i = 0; i < sizeof out / 4; ++i)
    std::memcpy(reinterpret_cast<char*>(&out) + 4 * i, &minus_seven, 4);
  return out;
}

bool SameWords(const DetectionSampleSize& a, const DetectionSampleSize& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

ResultCode CallExport(const Call& c, DetectionSampleSize* out) {
  return TESSARA_BIND(DetectingEvent_SampleSize_SimpleRandom)(
      c.p, c.population, c.level, c.se1, c.sp1, c.se2, c.sp2, out, c.beta, c.interpretation);
}

DetectionSampleSize Computed(const Call& c) {
  DetectionSampleSize out{};
  EXPECT_EQ(CallExport(c, &out), rc::Success) << Describe(c);
  return out;
}

using Table = float[8][6];

void ExpectTable(const DetectionSampleSize& out, const Table& expected, const std::string& what) {
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 6; ++column)
      EXPECT_EQ(out.table[row][column], expected[row][column])
          << what << " row " << row << " column " << column;
}

// The tables were derived separately, in a script of their own, from
// (1 - P)(N - (D - 1) / 2) with P = alpha^(1 / D).
const Table kTableSensitivity09At95 = {
    {23, 36, 48, 50, 50, 50},      {27, 47, 80, 96, 100, 100},
    {29, 57, 120, 183, 232, 250},  {30, 60, 140, 242, 367, 499},
    {31, 62, 152, 281, 485, 964},  {31, 64, 158, 305, 565, 1621},
    {31, 64, 162, 320, 621, 2429}, {31, 65, 164, 331, 664, 3326},
};
const Table kTablePerfectAt95 = {
    {21, 34, 47, 50, 50, 50},      {24, 44, 77, 94, 99, 100},
    {26, 52, 111, 174, 227, 250},  {27, 55, 128, 224, 348, 498},
    {28, 56, 137, 257, 449, 949},  {28, 57, 142, 276, 516, 1552},
    {28, 58, 146, 289, 563, 2252}, {28, 58, 148, 298, 597, 2993},
};
const Table kTableSensitivity05At90 = {
    {29, 41, 49, 50, 50, 50},      {36, 59, 89, 99, 100, 100},
    {41, 76, 150, 210, 243, 250},  {42, 83, 183, 300, 420, 500},
    {43, 86, 204, 368, 601, 990},  {44, 88, 216, 410, 737, 1799},
    {44, 90, 223, 438, 840, 3009}, {44, 91, 228, 459, 919, 4602},
};

TEST(DetectionSimpleRandom, WorkedExampleWithOneImperfectTest) {
  // D = 9, n = 281.996 truncated to 281; m = 279 uninfected, lambda = 13.95:
  // the Poisson sum first reaches 0.95 at k = 20, so 19 false positives.
  const DetectionSampleSize out = Computed({0.01f, 1000, 95, 0.9f, 0.95f, 0, 0, 0.05f, 0});
  EXPECT_EQ(out.sample_size, 281);
  EXPECT_EQ(out.false_positives, 19);
  EXPECT_EQ(out.sensitivity, 0.9f);
  EXPECT_EQ(out.specificity, 0.95f);
  ExpectTable(out, kTableSensitivity09At95, "Se 0.9");
}

TEST(DetectionSimpleRandom, PerfectTestAndTheTableEdges) {
  // D = 10: n = (1 - 0.05^0.1)(1000 - 4.5) = 257.70, and the same in the
  // table at N = 1000, p = 0.01. A perfect specificity gives 0 false positives.
  const DetectionSampleSize out = Computed({0.01f, 1000, 95, 1, 1, 0, 0, 0.05f, 0});
  EXPECT_EQ(out.sample_size, 257);
  EXPECT_EQ(out.false_positives, 0);
  EXPECT_EQ(out.table[4][3], 257.0f);
  // N = 50 at 0.001: D = 0.05, P is practically 0, 50.475 truncates to 50.
  EXPECT_EQ(out.table[0][5], 50.0f);
  ExpectTable(out, kTablePerfectAt95, "perfect test");
  // The table does not depend on the user's p or N.
  const DetectionSampleSize other = Computed({0.3f, 12, 95, 1, 1, 0, 0, 0.05f, 0});
  ExpectTable(other, kTablePerfectAt95, "perfect test, other p and N");
  ExpectTable(Computed({0.2f, 5000, 90, 0.5f, 0.9f, 0, 0, 0.05f, 0}), kTableSensitivity05At90,
              "Se 0.5 at 90%");
}

TEST(DetectionSimpleRandom, LevelsNinetyOneToNinetyEightAreTheirOwnConfidence) {
  // The detection formula uses the level itself (alpha = 1 - level / 100),
  // not the shared three-valued mapping: each level gives its own size.
  std::int32_t previous = 0;
  for (std::int32_t level = 90; level <= 99; ++level) {
    const DetectionSampleSize out = Computed({0.01f, 100000, level, 1, 1, 0, 0, 0.05f, 0});
    // D = 1000: (1 - alpha^(1 / 1000)) (100000 - 499.5), to within the
    // single-precision roundings and the truncation.
    const double expected = (1.0 - std::pow(1.0 - level / 100.0, 0.001)) * 99500.5;
    EXPECT_NEAR(out.sample_size, expected, 1.0) << level;
    EXPECT_GT(out.sample_size, previous) << level;
    previous = out.sample_size;
  }
}

TEST(DetectionSimpleRandom, CombinationOfTwoTests) {
  struct Case {
    float se1, sp1, se2, sp2;
    std::int32_t interpretation;
    float sensitivity, specificity;
  } cases[] = {
      {0.9f, 0.95f, 0.8f, 0.9f, 1, 0.72f, 0.995f},    // serial: both must be positive
      {0.9f, 0.95f, 0.8f, 0.9f, 2, 0.98f, 0.855f},    // parallel: either positive
      {0.9f, 0.95f, 0.8f, 0.9f, 7, 0.72f, 0.995f},    // any non-zero value but 2 reads as serial
      {0.9f, 0.95f, 0.8f, 0.9f, -1, 0.72f, 0.995f},
      {0.9f, 0.95f, 0, 0, 0, 0.9f, 0.95f},             // one test
      {0.9f, 0.95f, 0, 0, 1, 0.9f, 0.95f},             // the interpretation is ignored
      {0.9f, 0.95f, 0, 0, 2, 0.9f, 0.95f},
      {0.9f, 0.95f, 9e-7f, -9e-7f, 2, 0.9f, 0.95f},    // within 1e-6 of 0 counts as 0
  };
  for (const Case& c : cases) {
    const DetectionSampleSize out =
        Computed({0.05f, 800, 95, c.se1, c.sp1, c.se2, c.sp2, 0.05f, c.interpretation});
    EXPECT_FLOAT_EQ(out.sensitivity, c.sensitivity) << c.interpretation;
    EXPECT_FLOAT_EQ(out.specificity, c.specificity) << c.interpretation;
  }
  // One test is one test, whatever the interpretation says.
  const DetectionSampleSize single = Computed({0.05f, 800, 95, 0.9f, 0.95f, 0, 0, 0.05f, 0});
  EXPECT_TRUE(SameWords(single, Computed({0.05f, 800, 95, 0.9f, 0.95f, 0, 0, 0.05f, 2})));
  EXPECT_TRUE(SameWords(single, Computed({0.05f, 800, 95, 0.9f, 0.95f, 0, 0, 0.05f, 99})));
  // Serial testing loses sensitivity: a larger sample.
  EXPECT_GT(Computed({0.05f, 800, 95, 0.9f, 0.95f, 0.8f, 0.9f, 0.05f, 1}).sample_size,
            single.sample_size);
}

struct Rejected {
  Call call;
  ResultCode expected;
};

// Each row fails one check, or several to show which is made first.
const Rejected kRejected[] = {
    {{0.0f, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidPrevalence},
    {{9.9e-7f, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidPrevalence},
    {{-0.1f, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidPrevalence},
    {{1.0001f, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidPrevalence},
    {{kNaN, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidPrevalence},
    {{0.0f, 0, 0, 0, 0, 0, 0, 0, 0}, rc::InvalidPrevalence},  // p first
    {{0.1f, 0, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidPopulationSize},
    {{0.1f, std::numeric_limits<std::int32_t>::min(), 95, 0.9f, 0.9f, 0, 0, 0.05f, 0},
     rc::InvalidPopulationSize},
    {{0.1f, 0, 0, 0, 0, 0, 0, 0, 0}, rc::InvalidPopulationSize},  // N before the level
    {{0.1f, 100, 89, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidConfidenceLevel},
    {{0.1f, 100, 100, 0.9f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidConfidenceLevel},
    {{0.1f, 100, 100, 0, 0, 0, 0, 0, 0}, rc::InvalidConfidenceLevel},  // level before beta
    {{0.1f, 100, 95, 0.9f, 0.9f, 0, 0, 0.0f, 0}, rc::InvalidErrorProbability},
    {{0.1f, 100, 95, 0.9f, 0.9f, 0, 0, 1.5f, 0}, rc::InvalidErrorProbability},
    {{0.1f, 100, 95, 0.9f, 0.9f, 0, 0, kNaN, 0}, rc::InvalidErrorProbability},
    {{0.1f, 100, 95, 0, 0, 0, 0, 0.0f, 0}, rc::InvalidErrorProbability},  // beta before Se1
    {{0.1f, 100, 95, 0.0f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidSensitivity},
    {{0.1f, 100, 95, 1.01f, 0.9f, 0, 0, 0.05f, 0}, rc::InvalidSensitivity},
    {{0.1f, 100, 95, 0.0f, 0.0f, 0, 0, 0.05f, 0}, rc::InvalidSensitivity},  // Se1 before Sp1
    {{0.1f, 100, 95, 0.9f, 0.0f, 0, 0, 0.05f, 0}, rc::InvalidSpecificity},
    {{0.1f, 100, 95, 0.9f, -0.5f, 0, 0, 0.05f, 0}, rc::InvalidSpecificity},
    {{0.1f, 100, 95, 0.9f, 0.0f, 0.8f, 0, 0.05f, 0}, rc::InvalidSpecificity},  // Sp1 first
    // The second test half given, or given without an interpretation.
    {{0.1f, 100, 95, 0.9f, 0.9f, 0.8f, 0, 0.05f, 1}, rc::InvalidSpecificity},
    {{0.1f, 100, 95, 0.9f, 0.9f, 0.8f, 1.5f, 0.05f, 1}, rc::InvalidSpecificity},
    {{0.1f, 100, 95, 0.9f, 0.9f, 0, 0.8f, 0.05f, 1}, rc::InvalidSensitivity},
    {{0.1f, 100, 95, 0.9f, 0.9f, kNaN, 0.8f, 0.05f, 1}, rc::InvalidSensitivity},
    {{0.1f, 100, 95, 0.9f, 0.9f, 0.8f, 0.8f, 0.05f, 0}, rc::InvalidTestCombination},
};

TEST(DetectionSimpleRandom, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    DetectionSampleSize out = Sentinel();
    EXPECT_EQ(CallExport(r.call, &out), r.expected) << Describe(r.call);
    EXPECT_TRUE(SameWords(out, Sentinel())) << Describe(r.call);
  }
}

TEST(DetectionSimpleRandom, BoundaryValuesAreAccepted) {
  const Call accepted[] = {
      {1.0f, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0},   {1e-6f * 1.0001f, 1, 90, 1, 1, 0, 0, 1, 0},
      {0.5f, 1, 99, 1e-6f * 1.0001f, 1, 0, 0, 1e-6f * 1.0001f, 0},
      {0.5f, kLargest, 99, 1, 1e-6f * 1.0001f, 1, 1, 1.0f, 2},
  };
  for (const Call& c : accepted) {
    DetectionSampleSize out{};
    EXPECT_EQ(CallExport(c, &out), rc::Success) << Describe(c);
  }
}

TEST(DetectionSimpleRandom, FalsePositivesUntouchedWhenTheWalkFindsNone) {
  // p = 1 leaves no uninfected animal: the walk does not run.
  DetectionSampleSize out = Sentinel();
  ASSERT_EQ(CallExport({1.0f, 1000, 95, 0.9f, 0.9f, 0, 0, 0.05f, 0}, &out), rc::Success);
  EXPECT_EQ(out.false_positives, -7);
  EXPECT_GT(out.sample_size, 0);
  // A perfect specificity puts everything on k = 0: 0 is written.
  out = Sentinel();
  ASSERT_EQ(CallExport({0.02f, 1000, 95, 0.9f, 1.0f, 0, 0, 0.05f, 0}, &out), rc::Success);
  EXPECT_EQ(out.false_positives, 0);
}

TEST(DetectionSimpleRandom, HugePopulationsAndTinyPrevalences) {
  // At N = 2^31 - 1 the single-precision N is 2^31; the sample stays within N.
  for (float p : {1e-6f * 1.0001f, 0.001f, 0.5f, 1.0f}) {
    for (float se : {1e-6f * 1.0001f, 0.5f, 1.0f}) {
      const Call c{p, kLargest, 99, se, 0.5f, 0, 0, 1e-6f * 1.0001f, 0};
      const DetectionSampleSize out = Computed(c);
      EXPECT_GE(out.sample_size, 0) << Describe(c);
      EXPECT_LE(out.sample_size, kLargest) << Describe(c);
      EXPECT_TRUE(std::isfinite(out.sensitivity) && std::isfinite(out.specificity));
      for (const auto& row : out.table)
        for (float cell : row) EXPECT_TRUE(std::isfinite(cell) && cell >= 0.0f) << Describe(c);
    }
  }
  // With D far below 1 nothing short of the whole population (plus the
  // formula's half animal, truncated away) will do.
  EXPECT_EQ(Computed({1e-6f * 1.0001f, 1000, 95, 1, 1, 0, 0, 0.05f, 0}).sample_size, 1000);
  EXPECT_EQ(Computed({1e-6f * 1.0001f, kLargest, 95, 1e-6f * 1.0001f, 1, 0, 0, 0.05f, 0}).sample_size,
            kLargest);
}

// p = 0.003 in 100,000 with a perfect sensitivity: n = 992.12, so m = 989
// uninfected animals; with Sp 0.97, lambda = 29.67 and the cumulative
// Poisson probability first passes 0.95 at 39 (0.9428 at 38, 0.9596 at 39,
// from an independent evaluation), so 38 false positives. The single-
// precision power lambda^k overflows from k = 27 on, which must not end the
// count early.
TEST(DetectionSimpleRandom, FalsePositivesNearThePoissonLimit) {
  const DetectionSampleSize out = Computed({0.003f, 100000, 95, 1, 0.97f, 0, 0, 0.05f, 0});
  EXPECT_EQ(out.sample_size, 992);
  EXPECT_EQ(out.false_positives, 38);
}
}  // namespace
