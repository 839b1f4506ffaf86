// Two-stage sample to detect disease in a population of herds: herds to
// sample, animals to test in each, and the false positives to expect.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "checks.h"
#include "detection_false_positive_walk.h"
#include "detection_formula.h"
#include "detection_test_combination.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kTableHerdSizes[7] = {50, 100, 250, 500, 750, 1000, 5000};

// Herd sizes from 2^31 on would give animals per herd beyond an int32.
constexpr float kHerdSizeLimit = 2147483648.0f;

bool IsValidHerdSize(float herd_size) { return herd_size >= 1.0f && herd_size < kHerdSizeLimit; }

// Animals to test in a herd of the given size to find an infected herd with
// the herd-level sensitivity whose failure probability is given.
double AnimalsPerHerd(float herd_failure, double herd_size, float p_animal, float sensitivity) {
  const double detectable = herd_size * p_animal * sensitivity;
  const float missing_all = ProbabilityOfMissingAll(herd_failure, detectable);
  return SampleSizeToDetect(missing_all, herd_size, detectable);
}

// floor(0.5 + x) as a count: x is a non-negative number of animals.
std::int64_t RoundHalfUp(double x) { return static_cast<std::int64_t>(std::floor(0.5 + x)); }

ResultCode Compute(std::int32_t level, float p_herd, std::int32_t herds, float p_animal,
                   float herd_size, std::int32_t herd_confidence, float se1, float sp1, float se2,
                   float sp2, TwoStageDetection* out, float beta, std::int32_t interpretation) {
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  if (!IsDetectionProbability(beta)) return rc::InvalidErrorProbability;
  if (!IsDetectionProbability(p_herd)) return rc::InvalidPrevalence;
  if (herds < 1) return rc::InvalidPopulationSize;
  if (!IsDetectionProbability(p_animal)) return rc::InvalidHerdPrevalence;
  if (!IsValidHerdSize(herd_size)) return rc::InvalidHerdAverage;
  if (static_cast<std::uint32_t>(herd_confidence) > 100u) return rc::InvalidHerdConfidenceLevel;
  TestCharacteristics tests{};
  const ResultCode tests_code = CombineDiagnosticTests(se1, sp1, se2, sp2, interpretation, &tests);
  if (tests_code != rc::Success) return tests_code;

  // Second stage: the animals of one herd.
  const float herd_failure = FailureProbability(herd_confidence);
  const float per_herd =
      static_cast<float>(AnimalsPerHerd(herd_failure, herd_size, p_animal, tests.sensitivity));
  // First stage: the herds, of which the share h * pHerd is both infected
  // and found by the second stage.
  const float found_herd_share = ConfidenceFraction(herd_confidence) * p_herd;
  const double detectable_herds = static_cast<double>(found_herd_share) * static_cast<float>(herds);
  const float missing_all_herds = ProbabilityOfMissingAll(FailureProbability(level), detectable_herds);
  const float herd_sample =
      static_cast<float>(SampleSizeToDetect(missing_all_herds, herds, detectable_herds));

  // The herd-size limit keeps the animals per herd within an int32. The herd
  // sample can pass the number of herds only above 2^24, where its single-
  // precision form rounds up: a sample never holds more herds than there are.
  const std::int32_t animals = static_cast<std::int32_t>(per_herd);
  const std::int32_t sampled_herds =
      static_cast<std::int32_t>(std::min<std::int64_t>(static_cast<std::int64_t>(herd_sample), herds));
  const std::int64_t samples = static_cast<std::int64_t>(sampled_herds) * animals;
  // More samples than an int32 holds come from a population of herds times
  // animals beyond it: refused as too large a population.
  if (samples > std::numeric_limits<std::int32_t>::max()) return rc::InvalidPopulationSize;

  const auto per_herd_stop = FalsePositiveWalk(RoundHalfUp((1.0 - p_animal) * per_herd),
                                               tests.specificity, beta,
                                               BinomialPowers::IntegerForBoth);
  const float infected_share = p_animal * p_herd;
  const auto sample_stop = FalsePositiveWalk(
      RoundHalfUp((1.0 - infected_share) * static_cast<double>(samples)), tests.specificity, beta,
      BinomialPowers::IntegerForBoth);

  out->sensitivity = tests.sensitivity;
  out->specificity = tests.specificity;
  out->herds = sampled_herds;
  out->animals_per_herd = animals;
  out->samples = static_cast<std::int32_t>(samples);
  if (per_herd_stop) out->false_positives_per_herd = FalsePositivesForStop(*per_herd_stop);
  if (sample_stop) out->false_positives_in_sample = FalsePositivesForStop(*sample_stop);
  for (int i = 0; i < 7; ++i) {
    const double size = AnimalsPerHerd(herd_failure, kTableHerdSizes[i], p_animal, tests.sensitivity);
    out->animals_per_herd_table[i] = static_cast<std::int32_t>(std::trunc(size));
  }
  return rc::Success;
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL DetectingEvent_SampleSize_TwoStages(
    std::int32_t level, float p_herd, std::int32_t herds, float p_animal, float herd_size,
    std::int32_t herd_confidence, float se1, float sp1, float se2, float sp2,
    TwoStageDetection* out, float beta, std::int32_t interpretation) {
  return CatchAll([&] {
    return Compute(level, p_herd, herds, p_animal, herd_size, herd_confidence, se1, sp1, se2, sp2,
                   out, beta, interpretation);
  });
}
