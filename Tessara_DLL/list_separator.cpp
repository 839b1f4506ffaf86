#include "list_separator.h"

#include <cwchar>

namespace {
wchar_t g_list_separator[33] = L",";
}

const wchar_t* ListSeparator() { return g_list_separator; }

void ChooseListSeparator(std::uint16_t primary_language) {
  const wchar_t* chosen = primary_language == kPrimaryLanguageSpanish ? L";" : L",";
  std::wcsncpy(g_list_separator, chosen, 32);
  g_list_separator[32] = L'\0';
}
