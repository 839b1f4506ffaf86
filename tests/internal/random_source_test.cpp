// The random source: the runtime generator from the state 1, per thread.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "random_source.h"

namespace {
// The generator's well-known first values from the state 1.
const std::vector<std::uint32_t> kFirstValues = {41,    18467, 6334,  26500, 19169, 15724,
                                                 11478, 29358, 26962, 24464, 5705,  28145};

std::vector<std::uint32_t> DrawInNewThread(std::size_t count) {
  std::vector<std::uint32_t> values;
  std::thread([&] {
    for (std::size_t i = 0; i < count; ++i) values.push_back(NextRandom());
  }).join();
  return values;
}

TEST(RandomSource, EveryThreadStartsFromStateOne) {
  EXPECT_EQ(DrawInNewThread(kFirstValues.size()), kFirstValues);
  EXPECT_EQ(DrawInNewThread(kFirstValues.size()), kFirstValues);
}

TEST(RandomSource, ASequenceGoesOnAndStaysInFifteenBits) {
  std::thread([] {
    for (std::uint32_t expected : kFirstValues) EXPECT_EQ(NextRandom(), expected);
    std::uint32_t largest = 0;
    for (int i = 0; i < 200000; ++i) largest = std::max(largest, NextRandom());
    EXPECT_EQ(largest, kRandomMaximum);
  }).join();
}

TEST(RandomSource, ThreadsDoNotShareState) {
  std::vector<std::uint32_t> first, second;
  std::thread a([&] {
    for (int i = 0; i < 6; ++i) first.push_back(NextRandom());
  });
  a.join();
  std::thread b([&] {
    for (int i = 0; i < 6; ++i) second.push_back(NextRandom());
  });
  b.join();
  EXPECT_EQ(first, second);
}
}  // namespace
