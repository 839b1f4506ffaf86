#include "number_text.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <limits>
#include <string>

namespace {
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

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

namespace {
// The parts of a number text once its separators are understood: the sign,
// the digits of the whole part (grouping commas removed), and the digits
// after the decimal separator, if there is one.
struct NumberParts {
  bool negative = false;
  std::string whole;
  std::string fraction;
  bool has_separator = false;
};

// Thousands grouped by commas: a first group of one to three digits, then
// groups of exactly three.
bool UngroupThousands(const std::wstring& grouped, std::string* digits) {
  std::size_t group = 0;
  bool first_group = true;
  for (wchar_t c : grouped) {
    if (c == L',') {
      if (group == 0 || group > 3 || (!first_group && group != 3)) return false;
      first_group = false;
      group = 0;
    } else {
      digits->push_back(static_cast<char>(c));
      ++group;
    }
  }
  return first_group || group == 3;
}

bool SplitNumber(const wchar_t* text, DecimalStyle style, NumberParts* parts) {
  std::wstring body(text);
  if (body.empty() || body.size() > kLongestNumberText) return false;
  if (body[0] == L'+' || body[0] == L'-') {
    parts->negative = body[0] == L'-';
    body.erase(0, 1);
  }
  const bool comma_is_decimal = style == DecimalStyle::CommaToo;
  const std::wstring decimal_marks = comma_is_decimal ? L".," : L".";
  const std::size_t separator = body.find_first_of(decimal_marks);
  if (separator != std::wstring::npos &&
      body.find_first_of(decimal_marks, separator + 1) != std::wstring::npos)
    return false;
  parts->has_separator = separator != std::wstring::npos;
  const std::wstring whole = body.substr(0, separator);
  const std::wstring fraction = parts->has_separator ? body.substr(separator + 1) : L"";
  for (wchar_t c : whole) {
    if (!IsDigit(c) && (comma_is_decimal || c != L',')) return false;
  }
  for (wchar_t c : fraction) {
    if (!IsDigit(c)) return false;
  }
  if (!UngroupThousands(whole, &parts->whole)) return false;
  for (wchar_t c : fraction) parts->fraction.push_back(static_cast<char>(c));
  return !parts->whole.empty() || !parts->fraction.empty();
}
}  // namespace

bool ReadRealNumberText(const wchar_t* text, DecimalStyle style, double* value) {
  NumberParts parts;
  if (text == nullptr || !SplitNumber(text, style, &parts)) return false;
  // Rebuilt in the "C" locale's own spelling, so the conversion reads all of it.
  const std::string plain = (parts.negative ? "-" : "") + (parts.whole.empty() ? "0" : parts.whole) +
                            "." + (parts.fraction.empty() ? "0" : parts.fraction);
  *value = std::strtod(plain.c_str(), nullptr);
  return true;
}

bool ReadIntegerText(const wchar_t* text, DecimalStyle style, std::int32_t* value) {
  NumberParts parts;
  if (text == nullptr || !SplitNumber(text, style, &parts)) return false;
  if (parts.has_separator || parts.whole.empty()) return false;
  // More digits than any int32 has (leading zeros aside) cannot fit.
  const std::size_t first = parts.whole.find_first_not_of('0');
  if (first != std::string::npos && parts.whole.size() - first > 10) return false;
  long long magnitude = std::strtoll(parts.whole.c_str(), nullptr, 10);
  const long long signed_value = parts.negative ? -magnitude : magnitude;
  if (signed_value < std::numeric_limits<std::int32_t>::min() ||
      signed_value > std::numeric_limits<std::int32_t>::max())
    return false;
  *value = static_cast<std::int32_t>(signed_value);
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
