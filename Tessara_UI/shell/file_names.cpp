#include "file_names.h"

#include <cwchar>
#include <cwctype>

bool HasExtension(const wchar_t* path, const wchar_t* extension) {
  if (path == nullptr || extension == nullptr) return false;
  const wchar_t* dot = std::wcsrchr(path, L'.');
  if (dot == nullptr) return false;
  const wchar_t* after = dot + 1;
  const std::size_t length = std::wcslen(after);
  if (std::wcslen(extension) < length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (std::towlower(after[i]) != std::towlower(extension[i])) return false;
  }
  return true;
}
