#include "control_layout.h"

#include <vector>

#include "catalogue.h"
#include "program_state.h"
#include "string_ids.h"

namespace {

HWND CreateControl(HWND form, int id, const wchar_t* control_class, const wchar_t* text,
                   DWORD style, ControlRect rect) {
  return CreateWindowExW(0, control_class, text, WS_CHILD | WS_VISIBLE | style, rect.x, rect.y,
                         rect.width, rect.height, form,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Program().instance,
                         nullptr);
}

DWORD AlignmentStyle(LabelAlignment alignment) {
  switch (alignment) {
    case LabelAlignment::Centre: return SS_CENTER;
    case LabelAlignment::Right: return SS_RIGHT;
    case LabelAlignment::Left: break;
  }
  return SS_LEFT;
}

}  // namespace

HWND CreateLabel(HWND form, int id, const wchar_t* text, ControlRect rect,
                 LabelAlignment alignment) {
  return CreateControl(form, id, L"static", text, AlignmentStyle(alignment), rect);
}

HWND CreateCatalogueLabel(HWND form, int id, int string_id, ControlRect rect,
                          LabelAlignment alignment, int capacity) {
  // Descriptions are loaded with up to 2048 characters.
  std::vector<wchar_t> text(capacity > 0 ? capacity : 1, L'\0');
  LoadText(string_id, text.data(), static_cast<int>(text.size()));
  return CreateLabel(form, id, text.data(), rect, alignment);
}

HWND CreateSeparatorLine(HWND form, int id, ControlRect rect) {
  return CreateControl(form, id, L"static", L"", WS_BORDER, rect);
}

HWND CreateInputEdit(HWND form, int id, ControlRect rect) {
  return CreateControl(form, id, L"edit", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, rect);
}

HWND CreateResultEdit(HWND form, int id, ControlRect rect) {
  return CreateControl(form, id, L"edit", L"", ES_READONLY | ES_CENTER, rect);
}

HWND CreateDropDownList(HWND form, int id, ControlRect rect) {
  return CreateControl(form, id, L"combobox", L"", WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                       rect);
}

HWND CreateGroupBox(HWND form, int id, int string_id, ControlRect rect) {
  wchar_t caption[kShortTextCapacity];
  LoadText(string_id, caption, kShortTextCapacity);
  return CreateControl(form, id, L"BUTTON", caption, BS_GROUPBOX, rect);
}

HWND CreatePushButton(HWND form, int id, int string_id, ControlRect rect) {
  wchar_t caption[kShortTextCapacity];
  LoadText(string_id, caption, kShortTextCapacity);
  return CreateControl(form, id, L"BUTTON", caption, WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER, rect);
}

void SetFontOn(HWND form, int id, HFONT font) {
  HWND control = GetDlgItem(form, id);
  if (control != nullptr && font != nullptr)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void SetFontOnRange(HWND form, int first_id, int last_id, HFONT font) {
  for (int id = first_id; id <= last_id; ++id) SetFontOn(form, id, font);
}

void TrimSystemMenu(HWND window) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (menu == nullptr) return;
  DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
  DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
}

RECT PrepareFormWindow(HWND form) {
  const LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
  SetWindowLongPtrW(form, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_THICKFRAME | WS_MAXIMIZEBOX));
  TrimSystemMenu(form);
  RECT client = {};
  GetClientRect(form, &client);
  return client;
}
