// The shuffle of the simple random selection and the compact line store.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "random_source.h"
#include "selection_line_store.h"
#include "selection_shuffle.h"

namespace {
std::vector<std::int32_t> Identity(std::size_t n) {
  std::vector<std::int32_t> indices(n);
  std::iota(indices.begin(), indices.end(), 0);
  return indices;
}

TEST(Shuffle, WorkedOrdersFromAFreshThread) {
  // Draws 41, 18467, 6334, 26500: exchanges (1,1) (2,2) (3,2) (4,0).
  std::thread([] {
    std::vector<std::int32_t> five = Identity(5);
    ShuffleIndices(five);
    EXPECT_EQ(five, (std::vector<std::int32_t>{4, 1, 3, 2, 0}));
    // Then 19169, 15724, 11478, 29358: exchanges (1,1) (2,1) (3,2) (4,3).
    std::vector<std::int32_t> again = Identity(5);
    ShuffleIndices(again);
    EXPECT_EQ(again, (std::vector<std::int32_t>{0, 2, 3, 4, 1}));
  }).join();
}

TEST(Shuffle, EmptyAndSingleListsDrawNothing) {
  std::thread([] {
    std::vector<std::int32_t> none;
    ShuffleIndices(none);
    std::vector<std::int32_t> one = Identity(1);
    ShuffleIndices(one);
    EXPECT_EQ(one, Identity(1));
    EXPECT_EQ(NextRandom(), 41u);  // still the first value
  }).join();
}

TEST(Shuffle, PositionsFrom32767OnTakeTwoDraws) {
  std::thread([] {
    std::vector<std::int32_t> indices = Identity(40000);
    ShuffleIndices(indices);
    // 32766 single draws, then 40000 - 32767 double ones.
    const int draws = 32766 + 2 * (40000 - 32767);
    std::uint32_t state = 1;
    for (int i = 0; i <= draws; ++i) state = state * 214013u + 2531011u;
    EXPECT_EQ(NextRandom(), (state >> 16) & 0x7FFF);
    std::vector<std::int32_t> sorted = indices;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, Identity(40000));  // a permutation
  }).join();
}

TEST(LineStore, KeepsEveryLineAcrossBlocks) {
  LineStore store;
  store.Reserve(10);
  std::vector<std::string> lines;
  for (int i = 0; i < 20000; ++i) {  // about 2.5 MiB: three blocks
    lines.push_back(std::string(static_cast<std::size_t>(i % 256), static_cast<char>(i % 251)));
    store.Add(lines.back());
  }
  ASSERT_EQ(store.Size(), lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(store[i], lines[i]) << i;
  EXPECT_THROW(store.Add(std::string(256, 'x')), std::length_error);
}
}  // namespace
