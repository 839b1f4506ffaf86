#include "random_source.h"

namespace {
thread_local std::uint32_t t_random_state = 1;
}

std::uint32_t NextRandom() {
  t_random_state = t_random_state * 214013u + 2531011u;  // unsigned: wraps modulo 2^32
  return (t_random_state >> 16) & kRandomMaximum;
}
