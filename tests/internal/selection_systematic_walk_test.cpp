// The systematic walk of the selection proportional to size.
#include <gtest/gtest.h>

#include <vector>

#include "selection_systematic_walk.h"

namespace {
std::vector<std::int64_t> Walk(std::int64_t start, std::int64_t interval, std::int32_t units,
                               const std::vector<std::int32_t>& sizes) {
  SystematicWalk walk(start, interval, units);
  std::vector<std::int64_t> times;
  for (std::int32_t size : sizes) times.push_back(walk.Visit(size));
  return times;
}

TEST(SystematicWalk, SelectionsAtStartPlusMultiplesOfTheInterval) {
  const struct {
    const char* what;
    std::int64_t start, interval;
    std::int32_t units;
    std::vector<std::int32_t> sizes;
    std::vector<std::int64_t> times;
  } cases[] = {
      {"T 10, 3 units, S 1: 1 4 7 10", 1, 3, 3, {2, 3, 4, 1}, {1, 1, 1, 1}},
      {"T 10, 3 units, S 3: 3 6 9", 3, 3, 3, {2, 3, 4, 1}, {0, 1, 2, 0}},
      {"a large unit is hit several times", 2, 3, 3, {1, 9}, {0, 3}},
      {"size 0 is never hit", 1, 1, 3, {0, 1, 0, 1}, {0, 1, 0, 1}},
      {"I 0: units + 1 in the first unit reached", 1, 0, 3, {0, 1, 1}, {0, 4, 0}},
      {"a unit stops at units + 1 with P inside", 1, 1, 2, {5, 5}, {3, 0}},
      {"negative sizes make empty shares", 1, 5, 1, {-3, 8}, {0, 1}},
      {"shares beyond int32", 2502442, 2000000000, 2, {2000000000, 2000000000}, {1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(Walk(c.start, c.interval, c.units, c.sizes), c.times) << c.what;
}

TEST(SystematicWalk, IntervalAndStart) {
  EXPECT_EQ(SelectionInterval(10, 3), 3);
  EXPECT_EQ(SelectionInterval(2, 3), 0);
  EXPECT_EQ(SelectionInterval(-7, 2), -3);  // toward zero
  EXPECT_EQ(SelectionInterval(4000000000LL, 2), 2000000000);
  const struct {
    std::uint32_t draw;
    std::int64_t interval, start;
  } starts[] = {
      {0, 100, 1},         {41, 3, 1},          {18467, 10, 6},  // 5.63 -> 6
      {32767, 100, 100},   {16384, 2, 2},       {32767, 0, 1},
      {41, 2000000000, 2502442},  // 2502441.40625 -> 2502442
      {16384, -2, 0},                            // trunc(-1) + 1
  };
  for (const auto& s : starts) {
    EXPECT_EQ(SelectionStart(s.draw, s.interval), s.start) << s.draw << " " << s.interval;
  }
}
}  // namespace
