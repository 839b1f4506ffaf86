#include "delimited_fields.h"

#include <limits>

namespace {
// The characters that the number rule skips before a number: the white
// space of the C locale, the same on every build.
bool IsWhiteSpace(char character) {
  return character == ' ' || (character >= '\t' && character <= '\r');
}

bool IsDigit(char character) { return character >= '0' && character <= '9'; }
}  // namespace

Separators::Separators(const wchar_t* list_separator) {
  for (const wchar_t* c = list_separator; c != nullptr && *c != L'\0'; ++c) {
    const auto code = static_cast<std::uint32_t>(*c);
    if (code < 256) is_separator_[code] = true;
  }
}

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
