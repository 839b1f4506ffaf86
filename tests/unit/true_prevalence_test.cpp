// True prevalence from an apparent prevalence and the test's sensitivity
// and specificity.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
ResultCode Calculate(float ap, float se, float sp, TruePrevalence* out) {
  return TESSARA_BIND(True_Prevelance)(ap, se, sp, out);
}

struct Worked {
  float ap, se, sp;
  double tp;
  std::uint8_t negative;
};

const Worked kWorked[] = {
    {0.3f, 0.9f, 0.95f, 0.25 / 0.85, 0},
    {0.02f, 0.9f, 0.95f, -0.03 / 0.85, 1},  // inconsistent inputs: flagged
    {0.98f, 0.9f, 0.95f, 0.93 / 0.85, 0},   // above 1, returned as computed
    {1.0f, 1.0f, 1.0f, 1.0, 0},
    {0.25f, 0.75f, 0.75f, 0.0, 0},  // AP = 1 - Sp: a true prevalence of exactly 0, not flagged
    // A test worse than chance (Se + Sp < 1) still has a quotient.
    {0.5f, 0.3f, 0.3f, -0.2 / -0.4, 0},
};

TEST(TruePrevalence, WorkedValues) {
  for (const Worked& w : kWorked) {
    TruePrevalence out{};
    ASSERT_EQ(Calculate(w.ap, w.se, w.sp, &out), rc::Success) << w.ap;
    EXPECT_NEAR(out.tp, w.tp, 1e-6) << w.ap;
    EXPECT_EQ(out.negative, w.negative) << w.ap;
  }
}

struct Rejected {
  float ap, se, sp;
  ResultCode expected;
};

const Rejected kRejected[] = {
    {0.0f, 0.0f, 0.0f, rc::InvalidPrevalence},  // the prevalence first
    {9e-7f, 0.9f, 0.95f, rc::InvalidPrevalence},
    {-0.3f, 0.9f, 0.95f, rc::InvalidPrevalence},
    {1.0000001f, 0.9f, 0.95f, rc::InvalidPrevalence},
    {0.3f, 0.0f, 0.0f, rc::InvalidSensitivity},
    {0.3f, -0.9f, 0.95f, rc::InvalidSensitivity},
    {0.3f, 1.5f, 0.95f, rc::InvalidSensitivity},
    {0.3f, 0.9f, 0.0f, rc::InvalidSpecificity},
    {0.3f, 0.9f, 1.01f, rc::InvalidSpecificity},
    {0.3f, 0.9f, -1e-6f, rc::InvalidSpecificity},
    // Se + Sp = 1: a test that tells nothing, and a quotient with a zero
    // divisor. 0.1 and 0.9 do not sum to exactly 1 in single precision.
    {0.3f, 0.5f, 0.5f, rc::InvalidSpecificity},
    {0.3f, 0.1f, 0.9f, rc::InvalidSpecificity},
    {0.3f, 0.25f, 0.75f, rc::InvalidSpecificity},
    {0.5f, 0.5f, 0.5f, rc::InvalidSpecificity},  // 0 / 0
    {0.3f, 0.6f, 0.4f, rc::InvalidSpecificity},  // 3e-8 off zero
};

TEST(TruePrevalence, ChecksInOrderAndWritesNothingOnFailure) {
  for (const Rejected& r : kRejected) {
    TruePrevalence out;
    out.tp = -7.0f;
    out.negative = 7;
    EXPECT_EQ(Calculate(r.ap, r.se, r.sp, &out), r.expected) << r.ap << " " << r.se << " " << r.sp;
    EXPECT_EQ(out.tp, -7.0f);
    EXPECT_EQ(out.negative, 7);
  }
}

TEST(TruePrevalence, OneIsAcceptedForEveryInput) {
  TruePrevalence out{};
  EXPECT_EQ(Calculate(1.0f, 0.9f, 0.95f, &out), rc::Success);
  EXPECT_EQ(Calculate(0.3f, 1.0f, 0.95f, &out), rc::Success);
  EXPECT_EQ(Calculate(0.3f, 0.9f, 1.0f, &out), rc::Success);
  EXPECT_EQ(Calculate(std::nextafter(1e-6f, 1.0f), 0.9f, 0.95f, &out), rc::Success);
}

TEST(TruePrevalence, NearlyUninformativeTestStillHasAFiniteQuotient) {
  // Se + Sp - 1 = 0.01: TP = (0.3 + 0.51 - 1) / 0.01 = -19.
  TruePrevalence out{};
  ASSERT_EQ(Calculate(0.3f, 0.5f, 0.51f, &out), rc::Success);
  EXPECT_NEAR(out.tp, -19.0, 1e-4);
  EXPECT_EQ(out.negative, 1);
}

// Around Se + Sp = 1 the divisor runs through the tolerance in single
// precision steps: every pair is either refused with the specificity's
// code or gives a finite true prevalence, never an infinite one.
TEST(TruePrevalence, NearlyUninformativeTestsGiveAFiniteQuotientOrARefusal) {
  int refused = 0;
  for (int i = 1; i < 1000; ++i) {
    const float se = i / 1000.0f;
    float sp = 1.0f - se;
    for (int k = 0; k < 40; ++k) sp = std::nextafter(sp, 0.0f);
    for (int step = 0; step < 80 && sp <= 1.0f; ++step, sp = std::nextafter(sp, 2.0f)) {
      for (float ap : {2e-6f, 0.5f, 1.0f}) {
        TruePrevalence out{};
        const ResultCode code = Calculate(ap, se, sp, &out);
        if (code == rc::Success) {
          EXPECT_TRUE(std::isfinite(out.tp)) << ap << " " << se << " " << sp;
        } else {
          EXPECT_EQ(code, rc::InvalidSpecificity) << ap << " " << se << " " << sp;
          ++refused;
        }
      }
    }
  }
  EXPECT_GT(refused, 0);
}

TEST(TruePrevalence, RecordIsAFloatAndAByteWithPaddingLeftAlone) {
  EXPECT_EQ(offsetof(TruePrevalence, tp), 0u);
  EXPECT_EQ(offsetof(TruePrevalence, negative), 4u);
  unsigned char bytes[sizeof(TruePrevalence)];
  std::memset(bytes, 0xA5, sizeof bytes);
  ASSERT_EQ(Calculate(0.02f, 0.9f, 0.95f, reinterpret_cast<TruePrevalence*>(bytes)), rc::Success);
  EXPECT_EQ(bytes[4], 1);
  for (std::size_t i = 5; i < sizeof bytes; ++i) EXPECT_EQ(bytes[i], 0xA5) << i;
}
}  // namespace
