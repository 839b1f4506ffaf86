// The plain-double exponential, logarithm and power: accuracy against
// correctly rounded values (computed independently at 60 decimal digits),
// against the C library natively, and their special values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "portable_math.h"

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Doubles mapped onto integers in their order, so that the distance of two
// values is their distance in units of the last place.
std::int64_t OrderedBits(double x) {
  std::int64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

std::int64_t UlpDistance(double a, double b) {
  const std::int64_t distance = OrderedBits(a) - OrderedBits(b);
  return distance < 0 ? -distance : distance;
}

bool SameBits(double a, double b) { return OrderedBits(a) == OrderedBits(b); }

struct OneArgument {
  double x, correctly_rounded;
};

// exp(x) rounded to nearest from a 60-digit evaluation.
const OneArgument kExpReferences[] = {
    {0x1.0000000000000p+0, 0x1.5bf0a8b145769p+1},
    {-0x1.0000000000000p+0, 0x1.78b56362cef38p-2},
    {0x1.0000000000000p-1, 0x1.a61298e1e069cp+0},
    {0x1.b7cdfd9d7bdbbp-34, 0x1.000000006df38p+0},     // 1e-10
    {-0x1.b7cdfd9d7bdbbp-34, 0x1.ffffffff24190p-1},    // -1e-10
    {0x1.62e42fefa39efp-1, 0x1.0000000000000p+1},      // ln 2
    {0x1.4000000000000p+3, 0x1.5829dcf950560p+14},     // 10
    {-0x1.4000000000000p+3, 0x1.7cd79b5647c9bp-15},    // -10
    {0x1.9000000000000p+6, 0x1.3494a9b171bf5p+144},    // 100
    {-0x1.9000000000000p+6, 0x1.a8c1f14e2af5dp-145},   // -100
    {0x1.5e00000000000p+9, 0x1.d945df4f8ec8ep+1009},   // 700
    {-0x1.5e00000000000p+9, 0x1.14f2b0fb9307fp-1010},  // -700
    {-0x1.6240000000000p+9, 0x0.e6cf6d08897acp-1022},  // -708.5, subnormal
    {-0x1.7200000000000p+9, 0x0.0000000000055p-1022},  // -740, deep subnormal
    {0x1.62d999999999ap+9, 0x1.d75ae7a50ee14p+1023},   // 709.7, near overflow
    {-0x1.9fe147ae147aep+6, 0x1.008843e713351p-150},   // -103.97, float underflow edge
    {-0x1.7f7427b73e391p+1, 0x1.999999999999bp-5},     // ln 0.05
    {0x1.999999999999ap-4, 0x1.1aec7b35a00d4p+0},      // 0.1
    {-0x1.999999999999ap-5, 0x1.e7078b0a726a6p-1},     // -0.05
    {-0x1.be66660000000p+3, 0x1.d54ff2bf4d704p-21},    // -13.95f
    {-0x1.e000000000000p+4, 0x1.a56e0c2ac7f75p-44},    // -30
    {0x1.9800000000000p+4, 0x1.ba4068aac2b6ep+36},     // 25.5
};

// log(x) rounded to nearest from a 60-digit evaluation.
const OneArgument kLogReferences[] = {
    {0x1.0000000000000p+1, 0x1.62e42fefa39efp-1},
    {0x1.0000000000000p-1, -0x1.62e42fefa39efp-1},
    {0x1.4000000000000p+3, 0x1.26bb1bbb55516p+1},
    {0x1.999999999999ap-4, -0x1.26bb1bbb55515p+1},
    {0x1.0000000000001p+0, 0x1.fffffffffffffp-53},    // next double above 1
    {0x1.fffffffffffffp-1, -0x1.0000000000000p-53},   // next double below 1
    {0x1.56e1fc2f8f359p-997, -0x1.5963447f87fb5p+9},  // 1e-300
    {0x0.0000000000001p-1022, -0x1.74385446d71c3p+9}, // smallest subnormal
    {0x1.fffffffffffffp+1023, 0x1.62e42fefa39efp+9},  // largest double
    {0x1.8000000000000p+1, 0x1.193ea7aad030bp+0},
    {0x1.6a09e667f3bcdp-1, -0x1.62e42fefa39eep-2},    // sqrt(1/2), the reduction edge
    {0x1.6a09e667f3bcdp+0, 0x1.62e42fefa39f0p-2},     // sqrt(2)
    {0x1.34a456d5cfaadp+10, 0x1.c7951d51791d7p+2},
    {0x1.999999999999ap-5, -0x1.7f7427b73e391p+1},    // 0.05
    {0x1.e666666666666p-1, -0x1.a431d5bcc193ep-5},    // 0.95
    {0x1.0c6f7a0b5ed8dp-20, -0x1.ba18a998fffa0p+3},   // 1e-6
};

struct TwoArguments {
  double x, y, correctly_rounded;
};

// x^y rounded to nearest from a 60-digit evaluation; the first rows are the
// kinds of power the detection formulas take (a failure probability raised
// to a single-precision reciprocal, a specificity to a whole exponent).
const TwoArguments kPowReferences[] = {
    {0x1.999999999999ap-5, 0x1.c71c720000000p-4, 0x1.6f09bcae21da3p-1},
    {0x1.999999999999ap-5, 0x1.58ed240000000p-5, 0x1.c3534b8b94315p-1},
    {0x1.999999999999ap-5, 0x1.1111120000000p-5, 0x1.cf57b8e3765e5p-1},
    {0x1.47ae147ae147bp-7, 0x1.99999a0000000p-4, 0x1.430cd72a3bfe4p-1},
    {0x1.e666660000000p-1, 0x1.9000000000000p+6, 0x1.8401df77c3bbdp-8},
    {0x1.f5c2900000000p-1, 0x1.7000000000000p+4, 0x1.41b6c596e272bp-1},
    {0x1.0000000000000p-1, -0x1.c000000000000p+1, 0x1.6a09e667f3bcdp+3},
    {0x1.4000000000000p+3, -0x1.0000000000000p+1, 0x1.47ae147ae147bp-7},
    {0x1.0000000000000p+1, 0x1.0000000000000p-1, 0x1.6a09e667f3bcdp+0},
    {0x1.f041240000000p-1, 0x1.9000000000000p+5, 0x1.ad96b581f2976p-3},
    {0x1.4f8b588e368f1p-17, 0x1.e000000000000p+4, 0x1.a2fe76a3f9487p-499},
    {0x1.ff7ced916872bp-1, 0x1.86a0000000000p+16, 0x1.940747bb85395p-145},
    {0x1.c000000000000p+2, 0x1.2c00000000000p+8, 0x1.2763cf89c12d4p+842},
    {0x1.3333333333333p-2, 0x1.2c00000000000p+9, 0x0.00000e212a1dap-1022},  // subnormal
};

TEST(PortableMath, WithinOneUlpOfCorrectlyRoundedValues) {
  for (const OneArgument& r : kExpReferences)
    EXPECT_LE(UlpDistance(PortableExp(r.x), r.correctly_rounded), 1) << "exp " << r.x;
  for (const OneArgument& r : kLogReferences)
    EXPECT_LE(UlpDistance(PortableLog(r.x), r.correctly_rounded), 1) << "log " << r.x;
  for (const TwoArguments& r : kPowReferences)
    EXPECT_LE(UlpDistance(PortablePow(r.x, r.y), r.correctly_rounded), 1)
        << "pow " << r.x << " " << r.y;
}

// glibc's functions are within an ulp of the true values; ours agree with
// them to one ulp over the whole range. (The MinGW runtime is not held to
// that bound, so the comparison runs natively only.)
#if !defined(_WIN32)
TEST(PortableMath, AgreesWithTheCLibraryToOneUlp) {
  std::mt19937_64 random(20240601);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::int64_t worst_exp = 0, worst_log = 0, worst_pow = 0;
  for (int i = 0; i < 200000; ++i) {
    const double x = -745.0 + 1454.7 * unit(random);
    worst_exp = std::max(worst_exp, UlpDistance(PortableExp(x), std::exp(x)));
    const double tiny = (unit(random) - 0.5) * std::ldexp(1.0, -static_cast<int>(random() % 60));
    worst_exp = std::max(worst_exp, UlpDistance(PortableExp(tiny), std::exp(tiny)));

    std::uint64_t bits = random() & 0x7fefffffffffffffULL;  // any positive finite double
    double any;
    std::memcpy(&any, &bits, sizeof any);
    worst_log = std::max(worst_log, UlpDistance(PortableLog(any), std::log(any)));
    const double near_one = 1.0 + (unit(random) - 0.5) * std::ldexp(1.0, -static_cast<int>(random() % 50));
    worst_log = std::max(worst_log, UlpDistance(PortableLog(near_one), std::log(near_one)));

    // Exponents up to |y log x| = 700, where an error in log x is magnified most.
    const double base = std::ldexp(0.5 + 0.5 * unit(random), static_cast<int>(random() % 40) - 20);
    const double exponent = (2.0 * unit(random) - 1.0) * 700.0 / std::fabs(std::log(base));
    const double expected = std::pow(base, exponent);
    if (expected > 1e-300) worst_pow = std::max(worst_pow, UlpDistance(PortablePow(base, exponent), expected));
    const double probability = unit(random);
    const float whole = static_cast<float>(std::floor(unit(random) * 171.0));
    worst_pow = std::max(worst_pow, UlpDistance(PortablePow(probability, whole), std::pow(probability, whole)));
  }
  EXPECT_LE(worst_exp, 1);
  EXPECT_LE(worst_log, 1);
  EXPECT_LE(worst_pow, 1);
}
#endif

TEST(PortableMath, ExactWherePowersAreRepresentable) {
  for (int k = -1074; k <= 1023; ++k) EXPECT_EQ(PortablePow(2.0, k), std::ldexp(1.0, k)) << k;
  double ten_to_k = 1.0;
  for (int k = 0; k <= 22; ++k, ten_to_k *= 10.0) EXPECT_EQ(PortablePow(10.0, k), ten_to_k) << k;
  EXPECT_EQ(PortablePow(0.25, 0.5), 0.5);
  EXPECT_EQ(PortableExp(0.0), 1.0);
  EXPECT_EQ(PortableLog(1.0), 0.0);
}

TEST(PortableMath, ExpSpecialValues) {
  EXPECT_EQ(PortableExp(kInfinity), kInfinity);
  EXPECT_EQ(PortableExp(-kInfinity), 0.0);
  EXPECT_TRUE(std::isnan(PortableExp(kNaN)));
  EXPECT_EQ(PortableExp(-0.0), 1.0);
  // Overflow just above ln(DBL_MAX) = 709.7827; underflow below
  // ln(2^-1075) = -745.1332, where exp is less than half the smallest subnormal.
  EXPECT_TRUE(std::isfinite(PortableExp(709.78)));
  EXPECT_EQ(PortableExp(709.79), kInfinity);
  EXPECT_EQ(PortableExp(1e300), kInfinity);
  EXPECT_EQ(PortableExp(-745.13), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(PortableExp(-745.14), 0.0);
  EXPECT_EQ(PortableExp(-1e300), 0.0);
}

TEST(PortableMath, LogSpecialValues) {
  EXPECT_EQ(PortableLog(0.0), -kInfinity);
  EXPECT_EQ(PortableLog(-0.0), -kInfinity);
  EXPECT_EQ(PortableLog(kInfinity), kInfinity);
  EXPECT_TRUE(std::isnan(PortableLog(-1.0)));
  EXPECT_TRUE(std::isnan(PortableLog(-kInfinity)));
  EXPECT_TRUE(std::isnan(PortableLog(kNaN)));
}

TEST(PortableMath, PowSpecialValuesFollowTheCRules) {
  struct Case {
    double x, y, expected;
  } cases[] = {
      {kNaN, 0.0, 1.0},          {1.0, kNaN, 1.0},           {0.3, -0.0, 1.0},
      {0.0, 2.0, 0.0},           {0.0, 0.5, 0.0},            {0.0, -1.0, kInfinity},
      {-0.0, 3.0, -0.0},         {-0.0, -3.0, -kInfinity},   {-0.0, 2.0, 0.0},
      {-2.0, 3.0, -8.0},         {-2.0, 2.0, 4.0},           {-2.0, -1.0, -0.5},
      {-1.0, kInfinity, 1.0},    {0.5, kInfinity, 0.0},      {0.5, -kInfinity, kInfinity},
      {2.0, kInfinity, kInfinity}, {2.0, -kInfinity, 0.0},   {kInfinity, -1.0, 0.0},
      {kInfinity, 0.5, kInfinity}, {-kInfinity, 3.0, -kInfinity}, {-kInfinity, -2.0, 0.0},
      {0.5, 1e10, 0.0},          {2.0, 1e10, kInfinity},     {1e-300, 2.0, 0.0},
      {-1e300, 1e20, kInfinity},  // a huge exponent is an even integer
  };
  for (const Case& c : cases)
    EXPECT_TRUE(SameBits(PortablePow(c.x, c.y), c.expected)) << c.x << "^" << c.y;
  EXPECT_TRUE(std::isnan(PortablePow(-2.0, 0.5)));
  EXPECT_TRUE(std::isnan(PortablePow(kNaN, 1.0)));
  EXPECT_TRUE(std::isnan(PortablePow(0.5, kNaN)));
}

// The false-positive walk skips the terms whose normal density rounds to a
// single-precision zero, which is sound only if exp, rounded to float, never
// decreases where that zero begins: every float exponent in [-110, -80].
TEST(PortableMath, FloatRoundedExpNeverDecreasesNearItsUnderflow) {
  float previous = 0.0f;
  int decreases = 0;
  for (float x = -110.0f; x <= -80.0f; x = std::nextafter(x, 0.0f)) {
    const float value = static_cast<float>(PortableExp(x));
    if (value < previous) ++decreases;
    previous = value;
  }
  EXPECT_EQ(decreases, 0);
  EXPECT_EQ(static_cast<float>(PortableExp(-110.0f)), 0.0f);
  EXPECT_GT(static_cast<float>(PortableExp(-100.0f)), 0.0f);
}
// The single-precision exponential must equal the rounded double one bit
// for bit: every 257th float from -110 to 100, both signs (which crosses
// the ends of its fast range at -87 and 88), and the special values.
float FloatFromBits(std::uint32_t bits) {
  float x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

TEST(PortableMath, FloatRoundedExpIsTheRoundedDoubleExp) {
  int differences = 0, values = 0;
  const std::uint32_t sign = 0x80000000u;
  const std::uint32_t ends[2] = {0x42c80000u /* 100 */, 0x42dc0000u /* 110 */};
  for (int negative = 0; negative < 2; ++negative) {
    for (std::uint32_t magnitude = 0; magnitude <= ends[negative]; magnitude += 257) {
      const float x = FloatFromBits(negative ? (sign | magnitude) : magnitude);
      const float fast = PortableExpRoundedToFloat(x);
      const float rounded = static_cast<float>(PortableExp(x));
      if (std::memcmp(&fast, &rounded, sizeof fast) != 0) ++differences;
      ++values;
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_GT(values, 8000000);
  EXPECT_EQ(PortableExpRoundedToFloat(0.0f), 1.0f);
  EXPECT_EQ(PortableExpRoundedToFloat(-200.0f), 0.0f);
  EXPECT_EQ(PortableExpRoundedToFloat(100.0f), std::numeric_limits<float>::infinity());
  EXPECT_EQ(PortableExpRoundedToFloat(-std::numeric_limits<float>::infinity()), 0.0f);
  EXPECT_TRUE(std::isnan(PortableExpRoundedToFloat(std::numeric_limits<float>::quiet_NaN())));
}
}  // namespace
