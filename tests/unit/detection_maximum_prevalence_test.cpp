// The most positives, and the confidence in a prevalence bound, after a
// simple random sample whose results were all negative.
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
  std::int32_t n, population;
  float sensitivity;
  std::int32_t level;
  float p;
};

std::string Describe(const Call& c) {
  return "n=" + std::to_string(c.n) + " N=" + std::to_string(c.population) +
         " Se=" + std::to_string(c.sensitivity) + " level=" + std::to_string(c.level) +
         " p=" + std::to_string(c.p);
}

ResultCode CallExport(const Call& c, MaximumPrevalence* out) {
  return TESSARA_BIND(DetectingEvent_MaximumPrevalence)(c.n, c.population, c.sensitivity, c.level,
                                                        c.p, out);
}

MaximumPrevalence Computed(const Call& c) {
  MaximumPrevalence out{};
  EXPECT_EQ(CallExport(c, &out), rc::Success) << Describe(c);
  return out;
}

struct Worked {
  Call call;
  std::int32_t positives;
  float prevalence, confidence;  // to the digits given
  float tolerance;
};

// The first row is the worked example (d = 93.66); the others were
// evaluated separately from d = (1 - alpha^(1/n))(N - (n - 1) / 2) / Se and
// 1 - (1 - n / (N - (D - 1) / 2))^D.
const Worked kWorked[] = {
    {{30, 1000, 1.0f, 95, 0.05f}, 94, 0.0937f, 0.790f, 5e-4f},
    {{30, 1000, 0.8f, 99, 0.02f}, 176, 0.17530f, 0.38804f, 5e-5f},
    {{100, 100000, 0.9f, 90, 0.01f}, 2528, 0.025279f, 0.59526f, 5e-5f},
};

TEST(DetectionMaximumPrevalence, WorkedValues) {
  for (const Worked& w : kWorked) {
    const MaximumPrevalence out = Computed(w.call);
    EXPECT_EQ(out.positives, w.positives) << Describe(w.call);
    EXPECT_NEAR(out.prevalence, w.prevalence, w.tolerance) << Describe(w.call);
    EXPECT_NEAR(out.confidence, w.confidence, w.tolerance) << Describe(w.call);
  }
}

TEST(DetectionMaximumPrevalence, OneExpectedPositiveGivesTheSampledFraction) {
  // Se = 1 and p = 1 / N make D = 1, so r = n / N and the confidence is n / N.
  const struct {
    std::int32_t n, population;
    float p;
  } cases[] = {{30, 1000, 0.001f}, {1, 4, 0.25f}, {7, 8, 0.125f}, {250, 500, 0.002f}};
  for (const auto& c : cases) {
    const MaximumPrevalence out = Computed({c.n, c.population, 1.0f, 95, c.p});
    EXPECT_NEAR(out.confidence, static_cast<double>(c.n) / c.population, 1e-6) << c.n;
  }
}

TEST(DetectionMaximumPrevalence, MorePositivesThanTheUnsampledAnimalsAreCertainlyFound) {
  // n = N = 1000 with D = 500: r = 1000 / 750.5 is above 1. Every positive
  // is in the sample, so the confidence is 1 (not the power of a negative
  // base, which would be NaN or outside [0, 1]).
  for (float p : {0.5f, 0.5013f, 0.003f, 1.0f}) {
    const MaximumPrevalence out = Computed({1000, 1000, 1.0f, 95, p});
    EXPECT_EQ(out.confidence, 1.0f) << p;
  }
  const MaximumPrevalence most = Computed({999, 1000, 1.0f, 95, 0.01f});
  EXPECT_TRUE(std::isfinite(most.confidence));
  EXPECT_GT(most.confidence, 0.99f);
  EXPECT_LE(most.confidence, 1.0f);
}

TEST(DetectionMaximumPrevalence, LargestPopulations) {
  // n = 1 of 2^31 - 1 with a perfect test: d = 0.95 * 2^31, which still fits.
  const MaximumPrevalence out = Computed({1, kLargest, 1.0f, 95, 0.5f});
  EXPECT_EQ(out.positives, 2040109441);
  EXPECT_NEAR(out.prevalence, 0.95f, 1e-6f);
  EXPECT_GE(out.confidence, 0.0f);
  EXPECT_LE(out.confidence, 1.0f);
  const MaximumPrevalence whole = Computed({kLargest, kLargest, 1.0f, 99, 1e-6f * 1.0001f});
  EXPECT_GE(whole.positives, 1);
  EXPECT_TRUE(std::isfinite(whole.prevalence) && std::isfinite(whole.confidence));
}

// A poor sensitivity divides d beyond any count the caller can hold: the
// test is refused as too insensitive rather than a count wrapped round.
TEST(DetectionMaximumPrevalence, CountsBeyondAnInt32AreRefusedAsTooInsensitive) {
  for (float se : {0.5f, 0.01f, 1e-6f * 1.0001f}) {
    MaximumPrevalence out{-7, -7.0f, -7.0f};
    EXPECT_EQ(CallExport({1, kLargest, se, 95, 0.5f}, &out), rc::InvalidSensitivity) << se;
    EXPECT_EQ(out.positives, -7);
  }
  // The same test with a population that leaves d in range is accepted,
  // even where d exceeds N (a sensitivity below 1 inflates it).
  const MaximumPrevalence out = Computed({1, 1000, 0.01f, 95, 0.5f});
  EXPECT_GT(out.positives, 1000);
}

struct Rejected {
  Call call;
  ResultCode expected;
};

const Rejected kRejected[] = {
    {{0, 1000, 1.0f, 95, 0.05f}, rc::SizeBelowMinimum},
    {{-1, 0, 0.0f, 0, 0.0f}, rc::SizeBelowMinimum},  // n first
    {{10, 0, 1.0f, 95, 0.05f}, rc::InvalidPopulationSize},
    {{10, -3, 0.0f, 0, 0.0f}, rc::InvalidPopulationSize},  // N before n > N
    {{1001, 1000, 1.0f, 95, 0.05f}, rc::SampleExceedsPopulation},
    {{1001, 1000, 0.0f, 0, 0.0f}, rc::SampleExceedsPopulation},  // before Se is looked at
    {{30, 1000, 0.0f, 95, 0.05f}, rc::InvalidSensitivity},
    {{30, 1000, 1.5f, 95, 0.05f}, rc::InvalidSensitivity},
    {{30, 1000, kNaN, 95, 0.05f}, rc::InvalidSensitivity},
    {{30, 1000, 0.0f, 0, 0.0f}, rc::InvalidSensitivity},  // Se before the level
    {{30, 1000, 1.0f, 89, 0.05f}, rc::InvalidConfidenceLevel},
    {{30, 1000, 1.0f, 100, 0.0f}, rc::InvalidConfidenceLevel},  // level before p
    {{30, 1000, 1.0f, 95, 0.0f}, rc::InvalidPrevalence},
    {{30, 1000, 1.0f, 95, 9.9e-7f}, rc::InvalidPrevalence},
    {{30, 1000, 1.0f, 95, 1.01f}, rc::InvalidPrevalence},
    {{30, 1000, 1.0f, 95, kNaN}, rc::InvalidPrevalence},
};

TEST(DetectionMaximumPrevalence, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    MaximumPrevalence out{-7, -7.0f, -7.0f};
    EXPECT_EQ(CallExport(r.call, &out), r.expected) << Describe(r.call);
    EXPECT_EQ(out.positives, -7) << Describe(r.call);
    EXPECT_EQ(out.prevalence, -7.0f) << Describe(r.call);
    EXPECT_EQ(out.confidence, -7.0f) << Describe(r.call);
  }
}

TEST(DetectionMaximumPrevalence, TheWholePopulationMayBeSampled) {
  const MaximumPrevalence out = Computed({1000, 1000, 1.0f, 95, 0.05f});
  // (1 - alpha^(1/1000)) (1000 - 499.5) = 1.497: at most 2 positives left.
  EXPECT_EQ(out.positives, 2);
  EXPECT_EQ(out.confidence, 1.0f);
}
}  // namespace
