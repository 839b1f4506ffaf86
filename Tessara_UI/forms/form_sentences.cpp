#include "form_sentences.h"

#include <vector>

#include "catalogue.h"
#include "number_text.h"
#include "placeholder.h"

std::wstring FilledSentence(int string_id, int capacity,
                            std::initializer_list<std::wstring> values) {
  std::vector<wchar_t> text(static_cast<std::size_t>(capacity), L'\0');
  LoadText(string_id, text.data(), capacity);
  int number = 1;
  for (const std::wstring& value : values) {
    const std::wstring token = L"{" + std::to_wstring(number++) + L"}";
    ReplacePlaceholder(text.data(), token.c_str(), value.c_str(), capacity);
  }
  return text.data();
}

std::wstring TrimmedNumber(double value, int width, int decimals) {
  wchar_t text[kNumberTextCapacity];
  FormatNumber(value, text, kNumberTextCapacity, width, decimals);
  TrimTrailing(text, L"0");
  return text;
}

std::wstring WholeNumber(long long value) {
  wchar_t text[kNumberTextCapacity];
  FormatInteger(value, text, kNumberTextCapacity);
  return text;
}
