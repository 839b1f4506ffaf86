#include "strata_inputs.h"

#include <cwctype>

namespace {
constexpr int kFieldCapacity = 64;  // enough to tell blanks from anything else
}  // namespace

bool IsBlankEdit(HWND form, int edit) {
  wchar_t text[kFieldCapacity] = L"";
  GetDlgItemTextW(form, edit, text, kFieldCapacity);
  for (const wchar_t* c = text; *c != L'\0'; ++c) {
    if (!std::iswspace(static_cast<wint_t>(*c))) return false;
  }
  return true;
}

bool IsEmptyStratumRow(HWND form, const StrataGrid& grid, int row) {
  for (int field = 0; field < grid.fields; ++field) {
    if (!IsBlankEdit(form, StratumEdit(grid, row, field))) return false;
  }
  return true;
}
