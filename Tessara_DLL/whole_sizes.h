// Turning a computed sample size into the whole number an int32 element of
// an out-array holds, without a conversion that overflows.
#pragma once
#include <cstdint>

// Sizes are made whole by truncating toward zero and adding one, so a size
// that is already whole is raised too. The result is an int32 only for sizes
// above -1 and below 2^31 - 1; NaN is never one.
inline bool TruncatedPlusOneFits(double size) { return size > -1.0 && size < 2147483647.0; }

// Call only when TruncatedPlusOneFits(size).
inline std::int32_t TruncatedPlusOne(double size) { return static_cast<std::int32_t>(size) + 1; }
