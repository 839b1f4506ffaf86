#include "placeholder.h"

#include <cwchar>
#include <string>

namespace {
bool IsRefused(const wchar_t* text, const wchar_t* token, const wchar_t* replacement,
               int capacity) {
  if (text == nullptr || token == nullptr || replacement == nullptr || capacity <= 0) return true;
  const std::size_t text_length = std::wcslen(text);
  const std::size_t token_length = std::wcslen(token);
  const std::size_t replacement_length = std::wcslen(replacement);
  const std::size_t room = static_cast<std::size_t>(capacity);
  return text_length == 0 || token_length == 0 || token_length > text_length ||
         replacement_length > text_length || text_length + token_length > room ||
         text_length + replacement_length > room || std::wcspbrk(text, token) == nullptr;
}
}  // namespace

void ReplacePlaceholder(wchar_t* text, const wchar_t* token, const wchar_t* replacement,
                        int capacity) {
  if (IsRefused(text, token, replacement, capacity)) return;
  std::wstring result(text);
  const std::wstring wanted(token);
  const std::wstring substitute(replacement);
  for (std::size_t at = result.find(wanted); at != std::wstring::npos;
       at = result.find(wanted, at + substitute.size())) {
    result.replace(at, wanted.size(), substitute);
  }
  if (result.size() > static_cast<std::size_t>(capacity - 1)) result.resize(capacity - 1);
  std::wmemcpy(text, result.c_str(), result.size() + 1);
}
