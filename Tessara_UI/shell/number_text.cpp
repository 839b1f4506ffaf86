#include "number_text.h"

#include <cstdio>
#include <cwchar>
#include <limits>
#include <string>

namespace {
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The first 31 characters of text: what a 32-character read of an edit gets.
std::wstring ReadableText(const wchar_t* text) {
  std::wstring kept(text);
  if (kept.size() > kNumberTextCapacity - 1) kept.resize(kNumberTextCapacity - 1);
  return kept;
}

// Copies narrow ASCII into a wide buffer, cut to capacity - 1.
void CopyAscii(const char* from, wchar_t* to, int capacity) {
  if (capacity <= 0) return;
  int i = 0;
  for (; from[i] != '\0' && i < capacity - 1; ++i) to[i] = static_cast<wchar_t>(from[i]);
  to[i] = L'\0';
}
}  // namespace

bool PassesNumberCheck(const wchar_t* text) {
  if (text == nullptr || text[0] == L'\0') return false;
  const wchar_t first = text[0];
  if (!IsDigit(first) && first != L'-' && first != L'+' && first != L'.' && first != L',')
    return false;
  for (const wchar_t* c = text + 1; *c != L'\0'; ++c) {
    if (!IsDigit(*c) && *c != L'.' && *c != L',') return false;
  }
  return true;
}

bool ReadRealNumberText(const wchar_t* text, double* value) {
  const std::wstring kept = ReadableText(text);
  if (!PassesNumberCheck(kept.c_str())) return false;
  // The number check admits only digits, signs, points and commas, so the
  // conversion cannot meet an exponent, "inf" or "nan"; the point is the
  // decimal separator whatever the user's locale.
  *value = std::wcstod(kept.c_str(), nullptr);
  return true;
}

bool ReadIntegerText(const wchar_t* text, std::int32_t* value) {
  const std::wstring kept = ReadableText(text);
  if (!PassesNumberCheck(kept.c_str())) return false;
  const long long wide = std::wcstoll(kept.c_str(), nullptr, 10);
  constexpr long long kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr long long kHighest = std::numeric_limits<std::int32_t>::max();
  *value = static_cast<std::int32_t>(wide < kLowest ? kLowest : wide > kHighest ? kHighest : wide);
  return true;
}

void FormatNumber(double value, wchar_t* buffer, int capacity, int width, int decimals) {
  char format[32];
  std::snprintf(format, sizeof format, "%%%d.%df", width, decimals);
  // Large enough for any double in fixed point with the forms' decimals.
  char printed[512];
  std::snprintf(printed, sizeof printed, format, value);
  CopyAscii(printed, buffer, capacity);
}

void FormatInteger(std::int64_t value, wchar_t* buffer, int capacity) {
  char printed[32];
  std::snprintf(printed, sizeof printed, "%lld", static_cast<long long>(value));
  CopyAscii(printed, buffer, capacity);
}

void TrimTrailing(wchar_t* text, const wchar_t* set) {
  if (text == nullptr || set == nullptr) return;
  std::size_t length = std::wcslen(text);
  while (length > 0 && std::wcschr(set, text[length - 1]) != nullptr && text[length - 1] != L'\0')
    text[--length] = L'\0';
}
