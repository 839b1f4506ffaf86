// The two small functions of the false-positive counts: the factorial in
// double precision and the power of a single-precision base to a whole
// exponent by repeated squaring.
#pragma once
#include <cstdint>

// 170! is the largest factorial a double holds.
inline constexpr std::int32_t kLargestFiniteFactorial = 170;

// k! as a double: 1 for k = 0, +infinity above 170, and -1 for a negative k.
double Factorial(std::int32_t k);

// x^k by repeated squaring in single precision (the running product starts
// at 1 and takes x whenever the low bit of |k| is set; x is squared and |k|
// halved until |k| is 0); the reciprocal for a negative k.
float IntegerPower(float x, std::int32_t k);

// The same squaring carried out in double precision, for bases whose single-
// precision powers overflow.
double WideIntegerPower(double x, std::int32_t k);
