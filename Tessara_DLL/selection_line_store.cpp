#include "selection_line_store.h"

#include <cstring>
#include <stdexcept>

#include "delimited_text_reader.h"

static_assert(kLineCharacters <= 255, "a line length fits a byte");

void LineStore::Reserve(std::size_t lines) {
  starts_.reserve(lines);
  lengths_.reserve(lines);
}

void LineStore::Add(std::string_view line) {
  if (line.size() > kLineCharacters) throw std::length_error("line longer than a record");
  if (kBlockBytes - used_ < line.size()) {
    // 4096 blocks of 1 MiB: the 32-bit starts address 4 GiB of characters.
    if (blocks_.size() == (std::uint64_t{1} << 32) / kBlockBytes) {
      throw std::length_error("list too large");
    }
    blocks_.emplace_back(new char[kBlockBytes]);
    used_ = 0;
  }
  const std::size_t block = blocks_.size() - 1;
  if (!line.empty()) std::memcpy(blocks_[block].get() + used_, line.data(), line.size());
  starts_.push_back(static_cast<std::uint32_t>(block * kBlockBytes + used_));
  lengths_.push_back(static_cast<std::uint8_t>(line.size()));
  used_ += line.size();
}

std::string_view LineStore::operator[](std::size_t index) const {
  const std::uint32_t start = starts_[index];
  return std::string_view(blocks_[start / kBlockBytes].get() + start % kBlockBytes,
                          lengths_[index]);
}
