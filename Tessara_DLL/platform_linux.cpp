// Load-time glue of the native shared object: there is no user default
// locale identifier here, so the primary language is read from the POSIX
// locale variables in the order the C library gives them precedence.
#include <cstdlib>
#include <initializer_list>

#include "list_separator.h"
#include "locale_language.h"

namespace {
const char* UserLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return "";
}

__attribute__((constructor)) void OnLibraryLoad() {
  ChooseListSeparator(PrimaryLanguageOfLocaleName(UserLocaleName()));
}
}  // namespace
