#include "selection_systematic_walk.h"

#include <cmath>

std::int64_t SystematicWalk::Visit(std::int32_t size) {
  const std::int64_t upper = lower_ + size;
  std::int64_t times = 0;
  if (pointer_ > lower_ && pointer_ <= upper) {
    times = 1;
    pointer_ += interval_;
    for (std::int32_t extra = 0; extra < units_ && pointer_ <= upper; ++extra) {
      ++times;
      pointer_ += interval_;
    }
  }
  lower_ = upper;
  return times;
}

std::int64_t SelectionStart(std::uint32_t draw, std::int64_t interval) {
  const double offset = static_cast<double>(draw) * (1.0 / 32768.0) * static_cast<double>(interval);
  return static_cast<std::int64_t>(std::trunc(offset)) + 1;
}
