// Systematic selection along cumulated sizes: a pointer starts at S and
// steps by the interval I through the total; each unit is selected as many
// times as the pointer falls within its share (previous cumulative size,
// its own cumulative size]. Units are visited once each, in file order.
//
// The sizes are summed in 64 bits: a list whose total leaves the int32
// range still walks correctly, and no step can overflow.
#pragma once
#include <cstdint>

class SystematicWalk {
 public:
  SystematicWalk(std::int64_t start, std::int64_t interval, std::int32_t units)
      : pointer_(start), interval_(interval), units_(units) {}

  // The times the next unit, of the given size, is selected. Once the
  // pointer lies in a unit, that unit takes at most units + 1 selections
  // and the pointer is left where it stands.
  std::int64_t Visit(std::int32_t size);

 private:
  std::int64_t pointer_;
  std::int64_t interval_;
  std::int32_t units_;
  std::int64_t lower_ = 0;  // the cumulative size of the units visited so far
};

// The interval I = T / units, truncated toward zero.
inline std::int64_t SelectionInterval(std::int64_t total, std::int32_t units) {
  return total / units;
}

// The start S = trunc(v / 32768 * I) + 1 for a draw v of 0 .. 32767,
// computed in double precision: between 1 and I when I >= 1.
std::int64_t SelectionStart(std::uint32_t draw, std::int64_t interval);
