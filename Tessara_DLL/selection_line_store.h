// The lines of a unit list, held compactly: the characters of every line
// one after another in large blocks, and per line only where it starts and
// how long it is (5 bytes), instead of a fixed record of 255 characters.
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class LineStore {
 public:
  // Room for this many lines, taken at once (throws std::bad_alloc).
  void Reserve(std::size_t lines);
  // Keeps a copy of a line of at most 255 characters.
  void Add(std::string_view line);
  std::size_t Size() const { return lengths_.size(); }
  std::string_view operator[](std::size_t index) const;

 private:
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
  // A line never straddles two blocks, so a block is written to the end
  // only when the next line no longer fits.
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t used_ = kBlockBytes;  // bytes taken in the last block
  std::vector<std::uint32_t> starts_;  // block index * kBlockBytes + offset
  std::vector<std::uint8_t> lengths_;
};
