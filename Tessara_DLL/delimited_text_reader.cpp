#include "delimited_text_reader.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "list_separator.h"

namespace {
constexpr std::size_t kBufferBytes = 64 * 1024;

// The characters that the number rule skips before a number: the white
// space of the C locale, the same on every build.
bool IsWhiteSpace(char character) {
  return character == ' ' || (character >= '\t' && character <= '\r');
}

bool IsDigit(char character) { return character >= '0' && character <= '9'; }
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

Separators::Separators(const wchar_t* list_separator) {
  for (const wchar_t* c = list_separator; c != nullptr && *c != L'\0'; ++c) {
    const auto code = static_cast<std::uint32_t>(*c);
    if (code < 256) is_separator_[code] = true;
  }
}

Separators Separators::OfLibrary() { return Separators(ListSeparator()); }

std::int32_t FieldCount(std::string_view line, const Separators& separators) {
  std::int32_t count = 1;
  for (std::size_t i = 1; i < line.size(); ++i) count += separators.Contains(line[i]) ? 1 : 0;
  return count;
}

bool GetField(std::string_view line, std::int32_t n, const Separators& separators,
              std::string_view* field) {
  std::size_t i = 0;
  for (std::int32_t segment = 1; n >= 1; ++segment) {
    while (i < line.size() && separators.Contains(line[i])) ++i;
    if (i == line.size()) return false;
    const std::size_t begin = i;
    while (i < line.size() && !separators.Contains(line[i])) ++i;
    if (segment == n) {
      *field = line.substr(begin, i - begin);
      return true;
    }
  }
  return false;
}

FieldNumber NumberOfField(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && IsWhiteSpace(field[i])) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  // Accumulate the magnitude, stopping once it is beyond any int32 so that
  // however many digits follow nothing overflows.
  constexpr std::int64_t kBeyond = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    if (magnitude <= kBeyond) magnitude = magnitude * 10 + (field[i] - '0');
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max() ||
      value < std::numeric_limits<std::int32_t>::min()) {
    return {0, false};
  }
  return {static_cast<std::int32_t>(value), true};
}

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
