// Exponential, logarithm and power built from + - * / and exact bit
// operations only. The C libraries' own exp, log and pow differ in their last
// bits between glibc and the MinGW runtime; these give the same bits on every
// build, and are accurate to within about one unit in the last place.
//
// Special values follow the C library's conventions: PortableLog(0) is -inf,
// the logarithm of a negative number is NaN, PortableExp overflows to +inf and
// underflows to 0, and PortablePow follows the C rules for zeros, infinities,
// negative bases (integer exponents only) and the exponent 0.
#pragma once

double PortableExp(double x);
double PortableLog(double x);
double PortablePow(double x, double y);

// static_cast<float>(PortableExp(x)), bit for bit, in about half the time:
// for sums over many terms that each round an exponential to single
// precision.
float PortableExpRoundedToFloat(float x);
