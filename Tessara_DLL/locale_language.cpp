#include "locale_language.h"

#include <cctype>
#include <cstring>

#include "list_separator.h"

std::uint16_t PrimaryLanguageOfLocaleName(const char* locale_name) {
  if (locale_name == nullptr) return 0;
  // The language is the letters before any territory, code set or modifier.
  std::size_t length = 0;
  while (std::isalpha(static_cast<unsigned char>(locale_name[length]))) ++length;
  if (length == 2 && std::tolower(static_cast<unsigned char>(locale_name[0])) == 'e' &&
      std::tolower(static_cast<unsigned char>(locale_name[1])) == 's') {
    return kPrimaryLanguageSpanish;
  }
  return 0;
}
