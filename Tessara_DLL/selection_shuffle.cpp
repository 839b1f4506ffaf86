#include "selection_shuffle.h"

#include <utility>

#include "random_source.h"

void ShuffleIndices(std::vector<std::int32_t>& indices) {
  for (std::size_t p = 1; p < indices.size(); ++p) {
    const auto k = static_cast<std::uint32_t>(p + 1);
    std::uint32_t r = NextRandom() & kRandomMaximum;
    std::uint32_t m = kRandomMaximum;
    // Unsigned shifts: bits shifted out are lost, as the widening intends.
    while (m < k && m != 0xFFFFFFFFu) {
      r = (r << 15) | (NextRandom() & kRandomMaximum);
      m = (m << 15) | kRandomMaximum;
    }
    std::swap(indices[p], indices[r % k]);
  }
}
