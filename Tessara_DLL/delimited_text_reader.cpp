#include "delimited_text_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "list_separator.h"

namespace {
constexpr std::size_t kBufferBytes = 64 * 1024;
}  // namespace

LineReader::LineReader(ByteSource& source)
    : source_(source), buffer_(new char[kBufferBytes]) {}

bool LineReader::Refill() {
  if (at_end_) return false;
  position_ = 0;
  end_ = source_.Read(buffer_.get(), kBufferBytes);
  if (end_ == 0) at_end_ = true;
  return end_ > 0;
}

bool LineReader::Next() {
  // The bytes of the line are either one stretch of the buffer or, when the
  // line crosses the end of the buffer, gathered in spill_, which keeps no
  // more than kSpillBytes: enough to see a CR before the line feed of a
  // line that still fits, and to tell a line that does not.
  constexpr std::size_t kSpillBytes = kLineCharacters + 2;
  spill_.clear();
  const char* start = nullptr;
  std::size_t length = 0;  // bytes before the line feed
  bool spilled = false;
  bool ended_by_feed = false;
  for (;;) {
    if (position_ == end_ && !Refill()) {
      if (!spilled) return false;  // nothing after the last line end
      break;                       // the last line, without a line end
    }
    const char* from = buffer_.get() + position_;
    const std::size_t available = end_ - position_;
    const char* feed = static_cast<const char*>(std::memchr(from, '\n', available));
    const std::size_t taken = feed != nullptr ? static_cast<std::size_t>(feed - from) : available;
    position_ += taken + (feed != nullptr ? 1 : 0);
    ended_by_feed = feed != nullptr;
    if (ended_by_feed && !spilled) {
      start = from;
      length = taken;
      break;
    }
    spilled = true;
    spill_.append(from, std::min(taken, kSpillBytes - std::min(spill_.size(), kSpillBytes)));
    length += taken;
    if (ended_by_feed) break;
  }
  if (spilled) start = spill_.data();
  const std::size_t held = spilled ? spill_.size() : length;
  std::size_t characters = length;
  if (ended_by_feed && length > 0 && held == length && start[length - 1] == '\r') --characters;
  line_.too_long = characters > kLineCharacters;
  const std::size_t kept = std::min(characters, kLineCharacters);
  const void* zero = std::memchr(start, '\0', kept);
  line_.text = std::string_view(
      start, zero != nullptr ? static_cast<std::size_t>(static_cast<const char*>(zero) - start) : kept);
  return true;
}

Separators LibrarySeparators() { return Separators(ListSeparator()); }

std::int32_t CountRecords(ByteSource& source) {
  try {
    LineReader lines(source);
    std::int32_t count = 0;
    while (count < std::numeric_limits<std::int32_t>::max() && lines.Next() &&
           !lines.Current().IsEmpty()) {
      ++count;
    }
    return count;
  } catch (...) {
    return 0;
  }
}

std::int32_t CountRecords(const wchar_t* path) {
  try {
    const std::unique_ptr<ByteSource> file = OpenSharedForReading(path);
    return file != nullptr ? CountRecords(*file) : 0;
  } catch (...) {
    return 0;
  }
}
