// The false-positive walk against a literal walk that visits every k from 0,
// and the factorial and integer power it is built on.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "detection_factorial_power.h"
#include "detection_false_positive_walk.h"
#include "portable_math.h"

namespace {
using Stop = std::optional<std::int64_t>;

double RecursiveFactorial(std::int64_t k) {
  if (k < 0) return -1.0;
  if (k == 0) return 1.0;
  // Past 170 the recursion only multiplies infinity further.
  if (k > 170) return std::numeric_limits<double>::infinity();
  return static_cast<double>(k) * RecursiveFactorial(k - 1);
}

// The walk by its definition: every k from 0 while k < m, each term formed
// afresh. With wide_poisson_powers the Poisson power that
// overflows single precision is taken in double, as the library does.
Stop LiteralWalk(std::int64_t m, float sp, float beta, BinomialPowers powers,
                 bool wide_poisson_powers = true) {
  const float q = static_cast<float>(1.0 - sp);
  const double lambda = static_cast<double>(m) * q;
  const double level = 1.0 - beta;
  float sum = 0.0f;
  for (std::int64_t k = 0; k < m; ++k) {
    double term;
    if (m < 171) {
      const double coefficient =
          RecursiveFactorial(m) / (RecursiveFactorial(m - k) * RecursiveFactorial(k));
      const std::int32_t rest = static_cast<std::int32_t>(m - k);
      const float sp_power = powers == BinomialPowers::IntegerForBoth
                                 ? IntegerPower(sp, rest)
                                 : static_cast<float>(PortablePow(sp, static_cast<float>(rest)));
      term = coefficient * IntegerPower(q, static_cast<std::int32_t>(k)) * sp_power;
    } else if (lambda <= 30.0) {
      const float base = static_cast<float>(lambda);
      const float e = static_cast<float>(PortableExp(static_cast<float>(-lambda)));
      const std::int32_t count = static_cast<std::int32_t>(k);  // k < m fits an int32
      double power = IntegerPower(base, count);
      if (wide_poisson_powers && std::isinf(power)) power = WideIntegerPower(base, count);
      term = power * e / RecursiveFactorial(k);
    } else {
      const float distance = static_cast<float>(static_cast<double>(k) - lambda);
      const float square = distance * distance;
      const float exponent = static_cast<float>(-static_cast<double>(square) /
                                                (2.0 * static_cast<double>(m) * q * sp));
      term = static_cast<float>(PortableExp(exponent)) /
             std::sqrt(6.283185308 * static_cast<double>(m) * q * sp);
    }
    sum = static_cast<float>(sum + term);
    if (sum >= level) return k;
  }
  return std::nullopt;
}

std::string Describe(std::int64_t m, float sp, float beta) {
  return "m=" + std::to_string(m) + " Sp=" + std::to_string(sp) + " beta=" + std::to_string(beta);
}

// Both kinds of binomial, the regime boundaries at m = 170/171 and at
// lambda = 30, and specificities from almost 0 to 1.
TEST(FalsePositiveWalk, StopsWhereTheLiteralWalkStops) {
  const std::int64_t samples[] = {0, 1, 2, 5, 24, 100, 170, 171, 172, 279, 600, 1000, 1531, 5000};
  const float specificities[] = {1e-6f, 0.3f, 0.5f, 0.9f, 0.95f, 0.97f, 0.98f, 0.999f, 0.999999f, 1.0f};
  const float betas[] = {1e-6f, 0.01f, 0.05f, 0.5f, 1.0f};
  int stops = 0, none = 0;
  for (std::int64_t m : samples)
    for (float sp : specificities)
      for (float beta : betas)
        for (BinomialPowers powers : {BinomialPowers::GeneralForSpecificity, BinomialPowers::IntegerForBoth}) {
          const Stop expected = LiteralWalk(m, sp, beta, powers);
          EXPECT_EQ(FalsePositiveWalk(m, sp, beta, powers), expected) << Describe(m, sp, beta);
          ++(expected ? stops : none);
        }
  // The table reaches both outcomes, not only one.
  EXPECT_GT(stops, 100);
  EXPECT_GT(none, 10);
}

// Large samples under the normal density, where the walk skips the leading
// and trailing terms that are zero in single precision.
TEST(FalsePositiveWalk, LargeSamplesStopWhereTheLiteralWalkStops) {
  struct Case {
    std::int64_t m;
    float sp, beta;
  } cases[] = {
      {200000, 0.5f, 0.05f},   {200000, 0.5f, 1e-6f},  {1000000, 0.9f, 0.05f},
      {1000000, 0.99f, 0.01f}, {300000, 1e-6f, 0.05f}, {2000000, 0.5f, 0.5f},
      {50000, 0.7f, 1e-6f},    {171, 0.5f, 1e-6f},     {40000, 0.999f, 0.2f},
      // The single-precision sum never reaches 1 - 1.0001e-6 here: the walk
      // ends once no later term can change it, the literal one at m.
      {300000, 0.5f, 1.0001e-6f}, {1000000, 0.9f, 1.0001e-6f}, {300000, 0.3f, 1.0001e-6f},
  };
  int none = 0;
  for (const Case& c : cases)
    for (BinomialPowers powers : {BinomialPowers::GeneralForSpecificity, BinomialPowers::IntegerForBoth}) {
      const Stop expected = LiteralWalk(c.m, c.sp, c.beta, powers);
      EXPECT_EQ(FalsePositiveWalk(c.m, c.sp, c.beta, powers), expected) << Describe(c.m, c.sp, c.beta);
      if (!expected) ++none;
    }
  EXPECT_GE(none, 6);  // the early end is exercised
}

TEST(FalsePositiveWalk, WorkedExamples) {
  // 279 uninfected animals with Sp 0.95 (Poisson, lambda 13.95): the sum
  // first reaches 0.95 at k = 20.
  EXPECT_EQ(FalsePositiveWalk(279, 0.95f, 0.05f, BinomialPowers::GeneralForSpecificity), Stop(20));
  // 24 animals of one herd, Sp 0.98 (exact binomial): passes 0.95 at k = 2.
  EXPECT_EQ(FalsePositiveWalk(24, 0.98f, 0.05f, BinomialPowers::IntegerForBoth), Stop(2));
  // 1531 animals with Sp 0.98 (lambda 30.62, normal density): k = 40.
  EXPECT_EQ(FalsePositiveWalk(1531, 0.98f, 0.05f, BinomialPowers::IntegerForBoth), Stop(40));
}

TEST(FalsePositiveWalk, EdgeCases) {
  for (BinomialPowers powers : {BinomialPowers::GeneralForSpecificity, BinomialPowers::IntegerForBoth}) {
    EXPECT_EQ(FalsePositiveWalk(0, 0.9f, 0.05f, powers), std::nullopt);  // nothing to walk
    EXPECT_EQ(FalsePositiveWalk(-3, 0.9f, 0.05f, powers), std::nullopt);
    // A perfect specificity puts all the probability on k = 0.
    for (std::int64_t m : {1, 170, 171, 100000, 2147483647})
      EXPECT_EQ(FalsePositiveWalk(m, 1.0f, 1e-6f, powers), Stop(0)) << m;
    // beta = 1 asks for a cumulative probability of 0: met at once, also
    // where the first terms are zero.
    for (std::int64_t m : {1, 5000, 2147483647})
      EXPECT_EQ(FalsePositiveWalk(m, 0.5f, 1.0f, powers), Stop(0)) << m;
  }
}

// lambda = 30 (1000 animals, Sp 0.97): lambda^k overflows single precision
// from k = 27, where the Poisson term is still about 0.065. Taken literally
// the infinite term would stop the walk there; the true 95% point is 39
// (the cumulative Poisson(30) probability first passes 0.95 at 39).
TEST(FalsePositiveWalk, PoissonPowersThatOverflowSinglePrecisionStayFinite) {
  EXPECT_TRUE(std::isinf(IntegerPower(static_cast<float>(1000 * (1.0 - 0.97f)), 27)));
  EXPECT_EQ(LiteralWalk(1000, 0.97f, 0.05f, BinomialPowers::GeneralForSpecificity, false), Stop(27));
  EXPECT_EQ(FalsePositiveWalk(1000, 0.97f, 0.05f, BinomialPowers::GeneralForSpecificity), Stop(39));
}

// The largest samples the exports admit end quickly, at a k near the mean.
TEST(FalsePositiveWalk, LargestSamplesEndNearTheirMean) {
  const std::int64_t m = 2147483647;
  for (float sp : {0.5f, 0.9f, 1e-6f, 0.999999f}) {
    const double q = static_cast<float>(1.0 - sp);
    const double mean = m * q, sd = std::sqrt(m * q * sp);
    const Stop stop = FalsePositiveWalk(m, sp, 0.05f, BinomialPowers::IntegerForBoth);
    if (stop) {
      EXPECT_GT(static_cast<double>(*stop), mean - 2.0) << sp;
      EXPECT_LT(static_cast<double>(*stop), mean + 6.0 * sd + 2.0) << sp;
    }
  }
  // Sp 0.5: the 95% point of the normal density, mean + 1.645 sd.
  const Stop half = FalsePositiveWalk(m, 0.5f, 0.05f, BinomialPowers::IntegerForBoth);
  ASSERT_TRUE(half.has_value());
  const double sd = std::sqrt(m * 0.25);
  EXPECT_NEAR(static_cast<double>(*half), m * 0.5 + 1.645 * sd, 0.02 * sd);
}

TEST(FalsePositivesForStop, OneLessThanTheStoppingCountAndNeverNegative) {
  EXPECT_EQ(FalsePositivesForStop(0), 0);
  EXPECT_EQ(FalsePositivesForStop(1), 0);
  EXPECT_EQ(FalsePositivesForStop(20), 19);
  EXPECT_EQ(FalsePositivesForStop(2147483647), 2147483646);
}

TEST(Factorial, ExactWhileTheProductsAreAndInfiniteBeyond170) {
  double product = 1.0;
  EXPECT_EQ(Factorial(0), 1.0);
  for (std::int32_t k = 1; k <= 22; ++k) {  // 22! still fits a double exactly
    product *= k;
    EXPECT_EQ(Factorial(k), product) << k;
  }
  for (std::int32_t k = 0; k <= 170; ++k) EXPECT_EQ(Factorial(k), RecursiveFactorial(k)) << k;
  EXPECT_TRUE(std::isfinite(Factorial(170)));
  EXPECT_GT(Factorial(170), 7.25e306);
  EXPECT_EQ(Factorial(171), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Factorial(std::numeric_limits<std::int32_t>::max()), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Factorial(-1), -1.0);
  EXPECT_EQ(Factorial(std::numeric_limits<std::int32_t>::min()), -1.0);
}

TEST(IntegerPower, RepeatedSquaringInSinglePrecision) {
  struct Case {
    float x;
    std::int32_t k;
    float expected;
  } cases[] = {
      {2.0f, 10, 1024.0f},  {0.5f, 149, 1.4e-45f},  {0.5f, 150, 0.0f}, {3.0f, -2, 1.0f / 9.0f},
      {0.0f, 0, 1.0f},      {0.0f, 3, 0.0f},        {-2.0f, 3, -8.0f}, {-2.0f, 4, 16.0f},
      {1.0f, std::numeric_limits<std::int32_t>::max(), 1.0f},
      {1.0f, std::numeric_limits<std::int32_t>::min(), 1.0f},
      {0.5f, -3, 8.0f},     {2.0f, 128, std::numeric_limits<float>::infinity()},
      {0.0f, -1, std::numeric_limits<float>::infinity()},  // reciprocal of a zero power
  };
  for (const Case& c : cases) EXPECT_EQ(IntegerPower(c.x, c.k), c.expected) << c.x << "^" << c.k;
  // Each squaring rounds to single precision: 1.1f^100 is a float
  // computation, a few float ulps from the exact power of 1.1f.
  const double exact = std::pow(static_cast<double>(1.1f), 100);
  EXPECT_NEAR(IntegerPower(1.1f, 100), exact, exact * 1e-5);
  EXPECT_NE(static_cast<double>(IntegerPower(1.1f, 100)), WideIntegerPower(1.1f, 100));
  EXPECT_NEAR(WideIntegerPower(1.1f, 100), exact, exact * 1e-13);
  EXPECT_EQ(WideIntegerPower(30.0, 2), 900.0);
  EXPECT_EQ(WideIntegerPower(2.0, -2), 0.25);
}
}  // namespace
