#include "about_box.h"

#include <string>

#include "catalogue.h"
#include "form_fonts.h"
#include "program_state.h"
#include "resource.h"
#include "string_ids.h"
#include "version_info.h"

namespace {

struct LabelText {
  int control;
  int string_id;
};

// Each label and the catalogue text it shows.
constexpr LabelText kLabelTexts[] = {
    {IDC_ABOUT_FULL_TITLE, IDS_ABOUT_FULL_TITLE},  {IDC_ABOUT_PURPOSE, IDS_ABOUT_PURPOSE},
    {IDC_ABOUT_DEVELOPED_BY, IDS_ABOUT_DEVELOPED_BY}, {IDC_ABOUT_AUTHORS, IDS_ABOUT_AUTHORS},
    {IDC_ABOUT_SUGGESTIONS, IDS_ABOUT_SUGGESTIONS}, {IDC_ABOUT_CONTACT, IDS_ABOUT_CONTACT},
    {IDC_ABOUT_COPYRIGHT, IDS_ABOUT_COPYRIGHT},
};

constexpr int kRegularFontControls[] = {IDOK, IDC_ABOUT_PURPOSE, IDC_ABOUT_DEVELOPED_BY,
                                        IDC_ABOUT_AUTHORS, IDC_ABOUT_SUGGESTIONS,
                                        IDC_ABOUT_CONTACT, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT};

// The control of the box with an identifier. The template stores each as
// 16 bits, so the title line's -1 reads back as 0xFFFF and the system's own
// lookup by identifier would not find it.
HWND ControlOf(HWND dialog, int control) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (LOWORD(GetDlgCtrlID(child)) == LOWORD(control)) return child;
  }
  return nullptr;
}

void SetText(HWND dialog, int control, const wchar_t* text) {
  if (HWND child = ControlOf(dialog, control)) SetWindowTextW(child, text);
}

void SetFont(HWND dialog, int control, HFONT font) {
  HWND child = ControlOf(dialog, control);
  if (child != nullptr && font != nullptr) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
}

void SetTexts(HWND dialog) {
  wchar_t text[kLongTextCapacity];
  LoadText(IDS_ABOUT_CAPTION, text, kLongTextCapacity);
  SetWindowTextW(dialog, text);
  for (const LabelText& label : kLabelTexts) {
    LoadText(label.string_id, text, kLongTextCapacity);
    SetText(dialog, label.control, text);
  }
  wchar_t version[kShortTextCapacity] = L"";
  ReadVersionText(version, kShortTextCapacity);
  LoadText(IDS_ABOUT_VERSION, text, kLongTextCapacity);
  const std::wstring version_line = std::wstring(text) + L" " + version;
  SetText(dialog, IDC_ABOUT_VERSION, version_line.c_str());
}

void SetFonts(HWND dialog) {
  const FormFonts& fonts = Fonts();
  SetFont(dialog, IDC_ABOUT_PRODUCT, fonts.large_bold);
  SetFont(dialog, IDC_ABOUT_FULL_TITLE, fonts.large);
  for (int control : kRegularFontControls) SetFont(dialog, control, fonts.regular);
}

void CreateSeparator(HWND dialog) {
  RECT client = {};
  GetClientRect(dialog, &client);
  CreateWindowExW(0, L"static", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 55,
                  client.right - 20, 2, dialog,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_SEPARATOR)),
                  Program().instance, nullptr);
}

// White box and labels: the window-colour brush with a white, transparent
// text background.
INT_PTR WhiteBackground(HDC context) {
  SetBkColor(context, RGB(255, 255, 255));
  SetBkMode(context, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      SetTexts(dialog);
      SetFonts(dialog);
      CreateSeparator(dialog);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wparam));
        return TRUE;
      }
      return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      return WhiteBackground(reinterpret_cast<HDC>(wparam));
    default:
      (void)lparam;
      return FALSE;
  }
}

}  // namespace

void ShowAboutBox(HWND owner) {
  DialogBoxParamW(Program().instance, MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, AboutProcedure, 0);
}
