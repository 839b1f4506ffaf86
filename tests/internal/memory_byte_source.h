// Bytes in memory as a ByteSource, handed out in pieces of a chosen size
// so that lines cross the reader's buffer at every place; optionally
// failing after a number of bytes, as a disk that breaks down.
#pragma once
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "file_system.h"

class MemoryByteSource final : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes, std::size_t piece = 1 << 20,
                            std::size_t fail_after = std::string::npos)
      : bytes_(bytes), piece_(piece), fail_after_(fail_after) {}

  std::size_t Read(char* buffer, std::size_t capacity) override {
    if (position_ >= fail_after_) throw ReadFailure();
    std::size_t count = std::min({capacity, piece_, bytes_.size() - position_});
    if (fail_after_ != std::string::npos) count = std::min(count, fail_after_ - position_);
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
  }

 private:
  std::string bytes_;
  std::size_t piece_;
  std::size_t fail_after_;
  std::size_t position_ = 0;
};
