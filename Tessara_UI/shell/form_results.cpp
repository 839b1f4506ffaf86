#include "form_results.h"

#include <vector>

#include "catalogue.h"
#include "number_text.h"

void SetIntegerResult(HWND form, int id, std::int64_t value) {
  wchar_t text[kNumberTextCapacity];
  FormatInteger(value, text, kNumberTextCapacity);
  SetDlgItemTextW(form, id, text);
}

void SetRealResult(HWND form, int id, double value, int decimals) {
  wchar_t text[kNumberTextCapacity];
  FormatNumber(value, text, kNumberTextCapacity, 0, decimals);
  SetDlgItemTextW(form, id, text);
}

void SetTrimmedRealResult(HWND form, int id, double value, int decimals) {
  wchar_t text[kNumberTextCapacity];
  FormatNumber(value, text, kNumberTextCapacity, 0, decimals);
  TrimTrailing(text, L"0");
  SetDlgItemTextW(form, id, text);
}

void SetCatalogueResult(HWND form, int id, int string_id, int capacity) {
  std::vector<wchar_t> text(static_cast<std::size_t>(capacity > 0 ? capacity : 1));
  LoadText(string_id, text.data(), static_cast<int>(text.size()));
  SetDlgItemTextW(form, id, text.data());
}

void ClearResult(HWND form, int id) { SetDlgItemTextW(form, id, L""); }
