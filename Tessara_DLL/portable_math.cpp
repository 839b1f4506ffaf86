// Exponential, logarithm and power in plain double arithmetic.
//
// Both functions reduce their argument by powers of two and evaluate a short
// series on the remainder. The power needs the logarithm to about 64 bits
// (an error in log x is multiplied by y), so the logarithm is carried as an
// unevaluated sum of two doubles, and the exponential accepts such a sum.
// The two-double steps use the classic error-free transformations (Knuth's
// two-sum, Dekker's product with Veltkamp's split), which need no fused
// multiply-add: every build compiles without contraction, so each operation
// rounds once, identically everywhere.
#include "portable_math.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {
// A value carried as hi + lo, with |lo| no more than about an ulp of hi.
struct DoubleDouble {
  double hi;
  double lo;
};

// a + b == s + e exactly, whatever the magnitudes.
DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double b_part = s - a;
  const double e = (a - (s - b_part)) + (b - b_part);
  return {s, e};
}

// a + b == s + e exactly, for |a| >= |b| (or a == 0).
DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a == hi + lo with hi holding the upper 26 bits of the significand, so that
// products of the halves are exact. |a| must stay below about 2^996.
void Split(double a, double* hi, double* lo) {
  const double scaled = 134217729.0 * a;  // 2^27 + 1
  *hi = scaled - (scaled - a);
  *lo = a - *hi;
}

// a * b == p + e exactly (barring overflow and underflow).
DoubleDouble TwoProduct(double a, double b) {
  const double p = a * b;
  double a_hi, a_lo, b_hi, b_lo;
  Split(a, &a_hi, &a_lo);
  Split(b, &b_hi, &b_lo);
  const double e = ((a_hi * b_hi - p) + a_hi * b_lo + a_lo * b_hi) + a_lo * b_lo;
  return {p, e};
}

std::uint64_t BitsOf(double x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

double FromBits(std::uint64_t bits) {
  double x;
  std::memcpy(&x, &bits, sizeof x);
  return x;
}

// 2^k for a normal exponent, -1022 <= k <= 1023.
double PowerOfTwo(int k) { return FromBits(static_cast<std::uint64_t>(k + 1023) << 52); }

// x * 2^k for x near 1 and |k| below 2000: one exact step brings k into the
// normal range, and the last multiplication rounds at most once (into the
// subnormal range, or to infinity).
double ScaleByPowerOfTwo(double x, int k) {
  if (k > 1000) {
    x *= 0x1p1000;
    k -= 1000;
  } else if (k < -1000) {
    x *= 0x1p-1000;
    k += 1000;
  }
  return x * PowerOfTwo(k);
}

// ln 2 split so that k * kLn2High is exact for |k| < 2^20; kLn2Low holds the
// rest. 1 / ln 2 rounded.
constexpr double kLn2High = 0x1.62e42feep-1;
constexpr double kLn2Low = 0x1.a39ef35793c76p-33;
constexpr double kInverseLn2 = 0x1.71547652b82fep+0;
constexpr double kSqrt2 = 0x1.6a09e667f3bcdp+0;

// Beyond these, exp overflows to infinity or rounds to zero (ln of the
// largest double is 709.78, of half the smallest subnormal -745.13).
constexpr double kExpOverflowsAbove = 709.8;
constexpr double kExpVanishesBelow = -745.2;

// x rounded to the nearest integer (ties to even), for |x| < 2^51: adding
// and removing 1.5 * 2^52 leaves no fraction bits. Exact, and cheaper than
// floor, which is a library call on the baseline instruction sets.
double NearestInteger(double x) {
  constexpr double kShift = 0x1.8p52;
  return (x + kShift) - kShift;
}

// expm1(r) - r = r^2/2! + r^3/3! + ... for |r| <= ln2 / 2: the Taylor series
// to r^14 / 14! leaves less than 2^-57.
double ExpSeriesTail(double r) {
  double sum = 1.0 / 87178291200.0;  // 1/14!
  sum = sum * r + 1.0 / 6227020800.0;
  sum = sum * r + 1.0 / 479001600.0;
  sum = sum * r + 1.0 / 39916800.0;
  sum = sum * r + 1.0 / 3628800.0;
  sum = sum * r + 1.0 / 362880.0;
  sum = sum * r + 1.0 / 40320.0;
  sum = sum * r + 1.0 / 5040.0;
  sum = sum * r + 1.0 / 720.0;
  sum = sum * r + 1.0 / 120.0;
  sum = sum * r + 1.0 / 24.0;
  sum = sum * r + 1.0 / 6.0;
  sum = sum * r + 0.5;
  return r * r * sum;
}

// exp(r) for |r| <= ln2 / 2 by its Taylor series to r^11 / 11!: within
// 2^-46 relative, which is all a result rounded to single precision needs.
double ShortExpSeries(double r) {
  double sum = 1.0 / 39916800.0;  // 1/11!
  sum = sum * r + 1.0 / 3628800.0;
  sum = sum * r + 1.0 / 362880.0;
  sum = sum * r + 1.0 / 40320.0;
  sum = sum * r + 1.0 / 5040.0;
  sum = sum * r + 1.0 / 720.0;
  sum = sum * r + 1.0 / 120.0;
  sum = sum * r + 1.0 / 24.0;
  sum = sum * r + 1.0 / 6.0;
  sum = sum * r + 0.5;
  sum = sum * r + 1.0;
  return sum * r + 1.0;
}

// exp(hi + lo) for a finite hi and |lo| about an ulp of hi at most.
double ExpOfSum(double hi, double lo) {
  if (hi > kExpOverflowsAbove) return std::numeric_limits<double>::infinity();
  if (hi < kExpVanishesBelow) return 0.0;
  // hi + lo = k ln2 + r with |r| <= about ln2 / 2. k * kLn2High is exact and
  // so is its difference from hi (the two are within a factor of two).
  const double k = NearestInteger(hi * kInverseLn2);
  const DoubleDouble r = TwoSum(hi - k * kLn2High, lo - k * kLn2Low);
  // exp(r.hi + r.lo) = (1 + r.hi + tail) * (1 + r.lo) to within r.lo^2.
  const DoubleDouble one_plus_r = FastTwoSum(1.0, r.hi);
  const double tail = ExpSeriesTail(r.hi);
  const double low = one_plus_r.lo + tail + one_plus_r.hi * r.lo;
  return ScaleByPowerOfTwo(one_plus_r.hi + low, static_cast<int>(k));
}

// 2/3 as a two-double constant: the cube term of the logarithm series is
// large enough to need it.
constexpr double kTwoThirdsHigh = 0x1.5555555555555p-1;
constexpr double kTwoThirdsLow = 0x1.5555555555555p-55;

// The logarithm series past its cube term: log m = 2s + (2/3)s^3 + s^5 * this,
// with z = s^2 <= 0.0295; the terms to 2 s^23 / 23 leave less than 2^-64.
double LogSeriesTail(double z) {
  double sum = 2.0 / 23.0;
  sum = sum * z + 2.0 / 21.0;
  sum = sum * z + 2.0 / 19.0;
  sum = sum * z + 2.0 / 17.0;
  sum = sum * z + 2.0 / 15.0;
  sum = sum * z + 2.0 / 13.0;
  sum = sum * z + 2.0 / 11.0;
  sum = sum * z + 2.0 / 9.0;
  sum = sum * z + 2.0 / 7.0;
  sum = sum * z + 2.0 / 5.0;
  return sum;
}

// log x as a two-double sum, for a finite x > 0, to about 2^-64 relative.
DoubleDouble LogAsSum(double x) {
  int exponent = 0;
  if (x < 0x1p-1022) {  // subnormal: scale into the normal range first
    x *= 0x1p54;
    exponent = -54;
  }
  // x = 2^e * m with m in [1, 2), then m in (sqrt(1/2), sqrt(2)].
  const std::uint64_t bits = BitsOf(x);
  exponent += static_cast<int>((bits >> 52) & 0x7ff) - 1023;
  double m = FromBits((bits & 0x000fffffffffffffULL) | (1023ULL << 52));
  if (m > kSqrt2) {
    m *= 0.5;
    exponent += 1;
  }
  // log m = 2 atanh(s) with s = f / (2 + f), f = m - 1 (exact), |s| <= 0.1716.
  const double f = m - 1.0;
  const DoubleDouble denominator = FastTwoSum(2.0, f);
  const double s = f / denominator.hi;
  const DoubleDouble s_times_hi = TwoProduct(s, denominator.hi);
  const double s_low = (((f - s_times_hi.hi) - s_times_hi.lo) - s * denominator.lo) / denominator.hi;

  // (2/3) s^3 in two doubles.
  const DoubleDouble square = TwoProduct(s, s);
  const DoubleDouble cube = TwoProduct(s, square.hi);
  const double cube_low = cube.lo + s * square.lo + 3.0 * square.hi * s_low;
  const DoubleDouble cube_term = TwoProduct(cube.hi, kTwoThirdsHigh);
  const double cube_term_low =
      cube_term.lo + cube.hi * kTwoThirdsLow + cube_low * kTwoThirdsHigh;
  const double rest = s * square.hi * square.hi * LogSeriesTail(square.hi);

  DoubleDouble log_m = FastTwoSum(2.0 * s, cube_term.hi);
  log_m.lo += 2.0 * s_low + cube_term_low + rest;

  // Add e ln2: |e ln2| >= ln2 exceeds |log m| <= ln2 / 2 whenever e != 0.
  DoubleDouble sum = FastTwoSum(exponent * kLn2High, log_m.hi);
  sum.lo += log_m.lo + exponent * kLn2Low;
  return FastTwoSum(sum.hi, sum.lo);
}

bool IsOddInteger(double y) {
  if (std::floor(y) != y) return false;
  if (std::fabs(y) >= 0x1p53) return false;  // every double this large is even
  return std::floor(y * 0.5) * 2.0 != y;
}

// x^y for a finite x > 0 and a finite y.
double PowerOfPositive(double x, double y) {
  const DoubleDouble log_x = LogAsSum(x);
  const double z = y * log_x.hi;
  // Decide overflow and underflow before splitting y: |log x| >= 2^-53 for
  // x != 1, so y is then small enough to split.
  if (z > kExpOverflowsAbove) return std::numeric_limits<double>::infinity();
  if (z < kExpVanishesBelow) return 0.0;
  const DoubleDouble product = TwoProduct(y, log_x.hi);
  return ExpOfSum(product.hi, product.lo + y * log_x.lo);
}
}  // namespace

double PortableExp(double x) {
  if (x != x) return x;  // NaN
  return ExpOfSum(x, 0.0);
}

float PortableExpRoundedToFloat(float x) {
  const double wide = x;
  // Where exp(x) is a normal float (and for NaN), the full function decides.
  if (!(wide > -87.0 && wide < 88.0)) return static_cast<float>(PortableExp(wide));
  const double k = NearestInteger(wide * kInverseLn2);
  const double estimate = ShortExpSeries((wide - k * kLn2High) - k * kLn2Low) *
                          PowerOfTwo(static_cast<int>(k));
  // The estimate and PortableExp are within 2^7 double ulps of each other;
  // both round to the same float unless a midpoint between two floats lies
  // near them, that is unless the 29 bits that rounding drops are within
  // 2^10 of one half. That happens once in 2^18: the full function decides.
  const std::uint64_t dropped = BitsOf(estimate) & ((1ULL << 29) - 1);
  const std::uint64_t half = 1ULL << 28;
  const std::uint64_t distance = dropped > half ? dropped - half : half - dropped;
  if (distance <= (1ULL << 10)) return static_cast<float>(PortableExp(wide));
  return static_cast<float>(estimate);
}

double PortableLog(double x) {
  if (x != x) return x;
  if (x < 0.0) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0.0) return -std::numeric_limits<double>::infinity();
  if (x == std::numeric_limits<double>::infinity()) return x;
  const DoubleDouble log_x = LogAsSum(x);
  return log_x.hi;
}

double PortablePow(double x, double y) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (y == 0.0) return 1.0;
  if (x == 1.0) return 1.0;
  if (x != x || y != y) return std::numeric_limits<double>::quiet_NaN();
  const double magnitude = std::fabs(x);
  if (std::fabs(y) == kInfinity) {
    if (magnitude == 1.0) return 1.0;
    return (magnitude < 1.0) == (y > 0.0) ? 0.0 : kInfinity;
  }
  // A negative base has a real power only for an integer exponent; the sign
  // of the result (and of a zero base) follows an odd exponent.
  const bool negative = std::signbit(x);
  if (negative && x != 0.0 && std::floor(y) != y) return std::numeric_limits<double>::quiet_NaN();
  const double sign = negative && IsOddInteger(y) ? -1.0 : 1.0;
  if (magnitude == 0.0) return sign * (y > 0.0 ? 0.0 : kInfinity);
  if (magnitude == kInfinity) return sign * (y > 0.0 ? kInfinity : 0.0);
  return sign * PowerOfPositive(magnitude, y);
}
