// Sample size to detect disease in a simple random sample, with the
// false positives it may produce and the reference table of sizes.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "checks.h"
#include "detection_false_positive_walk.h"
#include "detection_formula.h"
#include "detection_test_combination.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kTablePopulations[8] = {50, 100, 250, 500, 1000, 2000, 5000, 10000000};

// The expected positives N x prevalence of each cell of the table, for the
// prevalences 0.10, 0.05, 0.02, 0.01, 0.005 and 0.001, written as the
// decimal products (the binary products of N and the prevalences would
// differ in their last bits).
constexpr double kTableExpectedPositives[8][6] = {
    {5, 2.5, 1, 0.5, 0.25, 0.05},
    {10, 5, 2, 1, 0.5, 0.1},
    {25, 12.5, 5, 2.5, 1.25, 0.25},
    {50, 25, 10, 5, 2.5, 0.5},
    {100, 50, 20, 10, 5, 1},
    {200, 100, 40, 20, 10, 2},
    {500, 250, 100, 50, 25, 5},
    {1000000, 500000, 200000, 100000, 50000, 10000},  // N = 10,000,000 stands for infinity
};

void FillDetectionTable(float sensitivity, float failure, float (&table)[8][6]) {
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 6; ++column) {
      const double detectable = sensitivity * kTableExpectedPositives[row][column];
      const float missing_all = ProbabilityOfMissingAll(failure, detectable);
      const double size = SampleSizeToDetect(missing_all, kTablePopulations[row], detectable);
      table[row][column] = static_cast<float>(std::trunc(size));
    }
  }
}

ResultCode Compute(float p, std::int32_t population, std::int32_t level, float se1, float sp1,
                   float se2, float sp2, DetectionSampleSize* out, float beta,
                   std::int32_t interpretation) {
  if (!IsDetectionProbability(p)) return rc::InvalidPrevalence;
  if (population < 1) return rc::InvalidPopulationSize;
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (!IsDetectionProbability(beta)) return rc::InvalidErrorProbability;
  TestCharacteristics tests{};
  const ResultCode tests_code = CombineDiagnosticTests(se1, sp1, se2, sp2, interpretation, &tests);
  if (tests_code != rc::Success) return tests_code;

  const float failure = FailureProbability(level);
  const double detectable = static_cast<double>(static_cast<float>(population)) * p * tests.sensitivity;
  const float missing_all = ProbabilityOfMissingAll(failure, detectable);
  const float size = static_cast<float>(SampleSizeToDetect(missing_all, population, detectable));
  // The size is truncated, not rounded up. It can exceed N only above 2^24,
  // where the single-precision size rounds past N: a sample never holds more
  // animals than its population (and N then always fits the result).
  const std::int32_t sample_size =
      static_cast<std::int32_t>(std::min<std::int64_t>(static_cast<std::int64_t>(size), population));
  const std::int64_t uninfected = static_cast<std::int64_t>((1.0 - p) * size);
  const auto stop =
      FalsePositiveWalk(uninfected, tests.specificity, beta, BinomialPowers::GeneralForSpecificity);

  out->sample_size = sample_size;
  if (stop) out->false_positives = FalsePositivesForStop(*stop);
  out->sensitivity = tests.sensitivity;
  out->specificity = tests.specificity;
  FillDetectionTable(tests.sensitivity, failure, out->table);
  return rc::Success;
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL DetectingEvent_SampleSize_SimpleRandom(
    float p, std::int32_t population, std::int32_t level, float se1, float sp1, float se2,
    float sp2, DetectionSampleSize* out, float beta, std::int32_t interpretation) {
  return CatchAll([&] {
    return Compute(p, population, level, se1, sp1, se2, sp2, out, beta, interpretation);
  });
}
