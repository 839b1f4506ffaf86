// Two-stage sample to detect disease among herds.
#include <gtest/gtest.h>

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
  std::int32_t level;
  float p_herd;
  std::int32_t herds;
  float p_animal, herd_size;
  std::int32_t herd_confidence;
  float se1, sp1, se2, sp2, beta;
  std::int32_t interpretation;
};

// The worked example: 95%, 5% of 500 herds, 10% within a herd of 100,
// herd-level sensitivity 95%, one test with Se 0.9 and Sp 0.98, beta 0.05.
constexpr Call kExample = {95, 0.05f, 500, 0.1f, 100, 95, 0.9f, 0.98f, 0, 0, 0.05f, 0};

std::string Describe(const Call& c) {
  return "level=" + std::to_string(c.level) + " pHerd=" + std::to_string(c.p_herd) +
         " herds=" + std::to_string(c.herds) + " pAnimal=" + std::to_string(c.p_animal) +
         " herdSize=" + std::to_string(c.herd_size) +
         " herdConfidence=" + std::to_string(c.herd_confidence) + " Se1=" + std::to_string(c.se1) +
         " Sp1=" + std::to_string(c.sp1) + " Se2=" + std::to_string(c.se2) +
         " Sp2=" + std::to_string(c.sp2) + " beta=" + std::to_string(c.beta) +
         " interpretation=" + std::to_string(c.interpretation);
}

TwoStageDetection Sentinel() {
  TwoStageDetection out;
  const std::int32_t minus_seven = -7;
  for (std::size_t i = 0; i < sizeof out / 4; ++i)
    std::memcpy(reinterpret_cast<char*>(&out) + 4 * i, &minus_seven, 4);
  return out;
}

bool SameWords(const TwoStageDetection& a, const TwoStageDetection& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

ResultCode CallExport(const Call& c, TwoStageDetection* out) {
  return TESSARA_BIND(DetectingEvent_SampleSize_TwoStages)(
      c.level, c.p_herd, c.herds, c.p_animal, c.herd_size, c.herd_confidence, c.se1, c.sp1, c.se2,
      c.sp2, out, c.beta, c.interpretation);
}

// Runs on an array of sentinels, so that untouched elements show as -7.
TwoStageDetection Computed(const Call& c) {
  TwoStageDetection out = Sentinel();
  EXPECT_EQ(CallExport(c, &out), rc::Success) << Describe(c);
  return out;
}

TEST(DetectionTwoStages, WorkedExample) {
  // na = 27.18 and nh = 57.90: 27 animals in each of 57 herds, 1539 samples.
  // m1 = floor(0.5 + 0.9 * 27.18) = 24 (exact binomial, passes 0.95 at k = 2);
  // m2 = floor(0.5 + 0.995 * 1539) = 1531, lambda = 30.62 (normal density,
  // passes 0.95 at k = 40).
  const TwoStageDetection out = Computed(kExample);
  EXPECT_EQ(out.sensitivity, 0.9f);
  EXPECT_EQ(out.specificity, 0.98f);
  EXPECT_EQ(out.herds, 57);
  EXPECT_EQ(out.animals_per_herd, 27);
  EXPECT_EQ(out.samples, 1539);
  EXPECT_EQ(out.false_positives_per_herd, 1);
  EXPECT_EQ(out.false_positives_in_sample, 39);
  const std::int32_t table[7] = {23, 27, 29, 30, 31, 31, 31};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(out.animals_per_herd_table[i], table[i]) << i;
}

TEST(DetectionTwoStages, HerdConfidenceAtItsEnds) {
  // 0: every herd sampled (nh = herds + 0.5, truncated), no animal tested,
  // no walk, and a table of zeros.
  Call none = kExample;
  none.herd_confidence = 0;
  TwoStageDetection out = Computed(none);
  EXPECT_EQ(out.herds, 500);
  EXPECT_EQ(out.animals_per_herd, 0);
  EXPECT_EQ(out.samples, 0);
  EXPECT_EQ(out.false_positives_per_herd, -7);
  EXPECT_EQ(out.false_positives_in_sample, -7);
  for (std::int32_t size : out.animals_per_herd_table) EXPECT_EQ(size, 0);
  // Also for the largest number of herds, whose single-precision form 2^31
  // is one more than an int32 holds.
  none.herds = kLargest;
  EXPECT_EQ(Computed(none).herds, kLargest);

  // 100: Pa = 0 and na = herdSize - (Da - 1) / 2 = 100 - 4 = 96.
  Call all = kExample;
  all.herd_confidence = 100;
  out = Computed(all);
  EXPECT_EQ(out.animals_per_herd, 96);
  EXPECT_EQ(out.samples, out.herds * 96);
}

TEST(DetectionTwoStages, PerfectSpecificityAndAllAnimalsInfected) {
  Call perfect = kExample;
  perfect.sp1 = 1.0f;
  TwoStageDetection out = Computed(perfect);
  EXPECT_EQ(out.false_positives_per_herd, 0);
  EXPECT_EQ(out.false_positives_in_sample, 0);
  // pAnimal = 1 leaves no uninfected animal in a herd's sample: m1 = 0.
  Call infected = kExample;
  infected.p_animal = 1.0f;
  out = Computed(infected);
  EXPECT_EQ(out.false_positives_per_herd, -7);
  EXPECT_GT(out.samples, 0);
}

TEST(DetectionTwoStages, OneTestIgnoresTheInterpretationAndTwoTestsCombine) {
  Call single = kExample;
  const TwoStageDetection reference = Computed(single);
  for (std::int32_t interpretation : {1, 2, 5}) {
    single.interpretation = interpretation;
    EXPECT_TRUE(SameWords(Computed(single), reference)) << interpretation;
  }
  Call serial = kExample;
  serial.se2 = 0.8f;
  serial.sp2 = 0.9f;
  serial.interpretation = 1;
  TwoStageDetection out = Computed(serial);
  EXPECT_FLOAT_EQ(out.sensitivity, 0.72f);
  EXPECT_FLOAT_EQ(out.specificity, 0.998f);
  Call parallel = serial;
  parallel.interpretation = 2;
  out = Computed(parallel);
  EXPECT_FLOAT_EQ(out.sensitivity, 0.98f);
  EXPECT_FLOAT_EQ(out.specificity, 0.882f);
}

struct Rejected {
  Call call;
  ResultCode expected;
};

Call With(Call c, void (*change)(Call&)) {
  change(c);
  return c;
}

const Rejected kRejected[] = {
    {With(kExample, [](Call& c) { c.level = 89; }), rc::InvalidConfidenceLevel},
    {With(kExample, [](Call& c) { c.level = 100; c.beta = 0; }), rc::InvalidConfidenceLevel},
    {With(kExample, [](Call& c) { c.beta = 0; }), rc::InvalidErrorProbability},
    {With(kExample, [](Call& c) { c.beta = 1.5f; }), rc::InvalidErrorProbability},
    {With(kExample, [](Call& c) { c.beta = kNaN; }), rc::InvalidErrorProbability},
    {With(kExample, [](Call& c) { c.beta = 0; c.p_herd = 0; }), rc::InvalidErrorProbability},
    {With(kExample, [](Call& c) { c.p_herd = 0; }), rc::InvalidPrevalence},
    {With(kExample, [](Call& c) { c.p_herd = 1.5f; }), rc::InvalidPrevalence},
    {With(kExample, [](Call& c) { c.p_herd = 0; c.herds = 0; }), rc::InvalidPrevalence},
    {With(kExample, [](Call& c) { c.herds = 0; }), rc::InvalidPopulationSize},
    {With(kExample, [](Call& c) { c.herds = -5; c.p_animal = 0; }), rc::InvalidPopulationSize},
    {With(kExample, [](Call& c) { c.p_animal = 0; }), rc::InvalidHerdPrevalence},
    {With(kExample, [](Call& c) { c.p_animal = -0.1f; c.herd_size = 0; }), rc::InvalidHerdPrevalence},
    {With(kExample, [](Call& c) { c.herd_size = 0.999f; }), rc::InvalidHerdAverage},
    {With(kExample, [](Call& c) { c.herd_size = kNaN; }), rc::InvalidHerdAverage},
    {With(kExample, [](Call& c) { c.herd_size = 2147483648.0f; }), rc::InvalidHerdAverage},
    {With(kExample, [](Call& c) { c.herd_size = std::numeric_limits<float>::infinity(); }),
     rc::InvalidHerdAverage},
    {With(kExample, [](Call& c) { c.herd_size = 0; c.herd_confidence = 101; }), rc::InvalidHerdAverage},
    {With(kExample, [](Call& c) { c.herd_confidence = 101; }), rc::InvalidHerdConfidenceLevel},
    {With(kExample, [](Call& c) { c.herd_confidence = -1; }), rc::InvalidHerdConfidenceLevel},
    {With(kExample, [](Call& c) { c.herd_confidence = -1; c.se1 = 0; }), rc::InvalidHerdConfidenceLevel},
    {With(kExample, [](Call& c) { c.se1 = 0; }), rc::InvalidSensitivity},
    {With(kExample, [](Call& c) { c.se1 = 0; c.sp1 = 0; }), rc::InvalidSensitivity},
    {With(kExample, [](Call& c) { c.sp1 = 1.01f; }), rc::InvalidSpecificity},
    {With(kExample, [](Call& c) { c.se2 = 0.8f; }), rc::InvalidSpecificity},
    {With(kExample, [](Call& c) { c.sp2 = 0.8f; }), rc::InvalidSensitivity},
    {With(kExample, [](Call& c) { c.se2 = 0.8f; c.sp2 = 0.8f; }), rc::InvalidTestCombination},
};

TEST(DetectionTwoStages, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    TwoStageDetection out = Sentinel();
    EXPECT_EQ(CallExport(r.call, &out), r.expected) << Describe(r.call);
    EXPECT_TRUE(SameWords(out, Sentinel())) << Describe(r.call);
  }
}

TEST(DetectionTwoStages, HerdSizeOneAndTheLargestHerdSizeAreAccepted) {
  Call one = kExample;
  one.herd_size = 1.0f;
  EXPECT_GE(Computed(one).animals_per_herd, 0);
  // The largest float below 2^31: animals per herd stay within an int32.
  // (A within-herd prevalence of 1e-6 keeps D near 2000, where 1 - Pa is
  // still well resolved in single precision.)
  Call largest = kExample;
  largest.herd_size = 2147483520.0f;
  largest.p_animal = 1e-6f * 1.0001f;
  largest.herds = 1;
  largest.p_herd = 1.0f;
  const TwoStageDetection out = Computed(largest);
  EXPECT_GT(out.animals_per_herd, 0);
  EXPECT_LE(out.animals_per_herd, 2147483520);
}

// 10^7 herds at a herd prevalence of 1e-6 need 2,704,593 herds; 950 animals
// in each herd of 1000 (pAnimal 0.001, a perfect test) would make
// 2,569,363,350 samples, more than an int32 holds: refused as too large a
// population, with nothing written.
TEST(DetectionTwoStages, TotalSamplesBeyondAnInt32AreRefused) {
  const Call huge = {95, 1e-6f * 1.0001f, 10000000, 0.001f, 1000, 95, 1, 1, 0, 0, 0.05f, 0};
  TwoStageDetection out = Sentinel();
  EXPECT_EQ(CallExport(huge, &out), rc::InvalidPopulationSize);
  EXPECT_TRUE(SameWords(out, Sentinel()));
  // A tenth of the herds fits.
  Call fits = huge;
  fits.herds = 1000000;
  out = Computed(fits);
  EXPECT_EQ(out.animals_per_herd, 950);
  EXPECT_EQ(out.samples, static_cast<std::int64_t>(out.herds) * 950);
}

TEST(DetectionTwoStages, ExtremeArgumentsGiveResultsWithinTheirPopulations) {
  const float specificities[] = {1e-6f * 1.0001f, 0.5f, 0.999999f, 1.0f};
  const float betas[] = {1e-6f * 1.0001f, 0.05f, 1.0f};
  for (float sp : specificities)
    for (float beta : betas)
      for (std::int32_t herd_confidence : {0, 1, 50, 100}) {
        // 10^6 herds of 2000: up to 2 * 10^9 samples, the walks' largest.
        const Call c = {99, 1e-6f * 1.0001f, 1000000, 1e-6f * 1.0001f, 2000, herd_confidence,
                        1, sp, 0, 0, beta, 0};
        const TwoStageDetection out = Computed(c);
        EXPECT_GE(out.herds, 0);
        EXPECT_LE(out.herds, 1000000);
        EXPECT_GE(out.animals_per_herd, 0);
        EXPECT_LE(out.animals_per_herd, 2000);
      }
}
}  // namespace
