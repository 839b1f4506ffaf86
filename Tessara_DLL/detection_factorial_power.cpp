// Factorial and integer power of the false-positive counts.
#include "detection_factorial_power.h"

#include <array>
#include <limits>

namespace {
// k! = k * (k - 1)!, built upwards from 0! = 1: the same products, in the
// same order, as the recursive definition, without its depth of k calls.
std::array<double, kLargestFiniteFactorial + 1> FactorialTable() {
  std::array<double, kLargestFiniteFactorial + 1> table{};
  table[0] = 1.0;
  for (std::int32_t k = 1; k <= kLargestFiniteFactorial; ++k) table[k] = k * table[k - 1];
  return table;
}

std::uint32_t Magnitude(std::int32_t k) {
  return k < 0 ? 0u - static_cast<std::uint32_t>(k) : static_cast<std::uint32_t>(k);
}

template <class Real>
Real RepeatedSquaring(Real x, std::uint32_t remaining) {
  Real product = 1;
  while (remaining != 0) {
    if ((remaining & 1u) != 0) product *= x;
    x *= x;
    remaining >>= 1;
  }
  return product;
}

// 1 / power, with the reciprocal of a zero (a power that underflowed) taken
// as +infinity without dividing by zero.
template <class Real>
Real Reciprocal(Real power) {
  return power == 0 ? std::numeric_limits<Real>::infinity() : 1 / power;
}
}  // namespace

double Factorial(std::int32_t k) {
  static const std::array<double, kLargestFiniteFactorial + 1> table = FactorialTable();
  if (k < 0) return -1.0;
  if (k > kLargestFiniteFactorial) return std::numeric_limits<double>::infinity();
  return table[k];
}

float IntegerPower(float x, std::int32_t k) {
  const float power = RepeatedSquaring(x, Magnitude(k));
  return k < 0 ? Reciprocal(power) : power;
}

double WideIntegerPower(double x, std::int32_t k) {
  const double power = RepeatedSquaring(x, Magnitude(k));
  return k < 0 ? Reciprocal(power) : power;
}
