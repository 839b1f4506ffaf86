// What the tests of the detection forms share: the library called from the
// test itself for the figures a run must show, the placeholders filled as
// the user must read them, and the room a control's text takes when drawn
// with the control's own font.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "form_table.h"
#include "harness.h"
#include "string_ids.h"
#include "tessara.h"

namespace detection_test {

// An export of the Tessara.dll beside the program under test, by the type
// of its prototype in tessara.h; null when it cannot be found.
template <typename Export>
Export LibraryExport(const char* name) {
  static HMODULE library = [] {
    std::wstring path = ui::ProgramPath();
    path = path.substr(0, path.find_last_of(L"\\/") + 1) + L"Tessara.dll";
    return LoadLibraryW(path.c_str());
  }();
  if (library == nullptr) return nullptr;
  return reinterpret_cast<Export>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// "%.<decimals>f", as the forms write reals.
inline std::wstring Fixed(double value, int decimals) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.*f", decimals, value);
  return text;
}

// The same with the trailing zeros trimmed: 0.05 is "0.05", 1 is "1.".
inline std::wstring Trimmed(double value, int decimals) {
  std::wstring text = Fixed(value, decimals);
  while (!text.empty() && text.back() == L'0') text.pop_back();
  return text;
}

// text with "{1}", "{2}", ... replaced by values in order.
inline std::wstring Filled(std::wstring text, std::initializer_list<std::wstring> values) {
  int number = 1;
  for (const std::wstring& value : values) {
    const std::wstring token = L"{" + std::to_wstring(number++) + L"}";
    for (std::size_t at = text.find(token); at != std::wstring::npos;
         at = text.find(token, at + value.size()))
      text.replace(at, token.size(), value);
  }
  return text;
}

// A text a user must never read in a result: no number, a negative count,
// or a placeholder left unfilled.
inline bool LooksBroken(const std::wstring& text) {
  return text.find(L"inf") != std::wstring::npos || text.find(L"nan") != std::wstring::npos ||
         text.find(L"-") != std::wstring::npos || text.find(L"{") != std::wstring::npos;
}

// The face whose glyph widths the forms' layouts were drawn for. The
// forms ask for "Arial Unicode MS", whose Latin letters are Arial's: Latin
// texts are measured with Arial (a metric-compatible face under Wine).
// Thai is measured with the face Wine draws it with: Wine maps the face
// through its Replacements, which this process read before the test set
// them, so the mapping is looked up here by name.
inline std::wstring MeasuredFace(const ui::FontDescription& font) {
  if (font.character_set != THAI_CHARSET && font.face == L"Arial Unicode MS") return L"Arial";
  wchar_t replacement[LF_FACESIZE] = L"";
  DWORD size = sizeof replacement;
  if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", font.face.c_str(),
                   RRF_RT_REG_SZ, nullptr, replacement, &size) == ERROR_SUCCESS &&
      replacement[0] != L'\0')
    return replacement;
  return font.face;
}

// How the control's text lies when drawn with the control's own font (a
// control without one draws with the system font): its widest line and
// its number of lines, broken at spaces within the width as a static
// control breaks them (wrap), or on one line.
struct TextLayout {
  int width = 0;
  int lines = 0;
};

inline TextLayout LayOut(HWND control, int width, bool wrap) {
  std::optional<ui::FontDescription> font = ui::ReadFont(control);
  if (font) font->face = MeasuredFace(*font);
  const std::wstring text = ui::WindowText(control);
  HDC dc = GetDC(nullptr);
  HFONT measured =
      font ? CreateFontW(font->height, 0, 0, 0, font->weight, font->italic, FALSE, FALSE,
                         static_cast<BYTE>(font->character_set), OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font->face.c_str())
           : nullptr;
  HGDIOBJ previous = SelectObject(dc, measured != nullptr ? measured : GetStockObject(SYSTEM_FONT));
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  RECT needed = {0, 0, width, 0};
  DrawTextW(dc, text.c_str(), -1, &needed,
            DT_CALCRECT | DT_EXPANDTABS | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, previous);
  if (measured != nullptr) DeleteObject(measured);
  ReleaseDC(nullptr, dc);
  const int line = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
  return {needed.right, (needed.bottom + line - 1) / line};
}

// The lines a label was drawn to hold: the forms' layouts give a text line
// 15 pixels (20 for one line, 40 for two, 60 for four). Counting lines,
// not pixels, keeps the check to the layout and the glyphs' widths: the
// face Wine draws with under test has a taller line than the one the
// layouts were drawn for.
constexpr int kLayoutLinePixels = 15;

// Whether the text of a label (in as many lines as it was drawn for), a
// group box caption or a button caption (one line, with room for the
// frame) fits its control.
inline ::testing::AssertionResult TextFits(HWND control) {
  RECT client = {};
  GetClientRect(control, &client);
  const std::wstring kind = ui::ClassName(control);
  const bool label = _wcsicmp(kind.c_str(), L"static") == 0;
  // A caption has the frame of its button, or the rule of its group box
  // on both sides.
  const bool group = !label && (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
  const int margin = label ? 0 : group ? 16 : 8;
  const int room_lines =
      label ? std::max(1, static_cast<int>(client.bottom) / kLayoutLinePixels) : 1;
  const TextLayout text = LayOut(control, client.right, label);
  if (text.width + margin <= client.right && text.lines <= room_lines)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << GetDlgCtrlID(control) << " needs " << text.width + margin << " pixels and "
         << text.lines << " lines in " << client.right << "x" << client.bottom << " (" << room_lines
         << " lines) for " << ::testing::PrintToString(ui::WindowText(control));
}

// Every label, group box and button of the form's table fits its text as
// the form shows it now (sentences included, once filled).
inline void ExpectTextsFit(HWND form, const FormTable& table) {
  RECT client = {};
  GetClientRect(form, &client);
  for (const PlacedControl& c : PlaceControls(table, client.right, client.bottom)) {
    if (c.kind != ControlKind::Label && c.kind != ControlKind::GroupBox &&
        c.kind != ControlKind::PushButton && c.kind != ControlKind::DefaultButton)
      continue;
    EXPECT_TRUE(TextFits(ui::Control(form, c.id)));
  }
}

// With TESSARA_FORM_SCREENSHOTS naming a folder, saves what the screen
// shows of the window as name.bmp there, to be looked at by a person (the
// forms in each language); does nothing otherwise.
inline void SaveScreenshot(HWND window, const std::wstring& name) {
  wchar_t folder[MAX_PATH] = L"";
  if (GetEnvironmentVariableW(L"TESSARA_FORM_SCREENSHOTS", folder, MAX_PATH) == 0) return;
  RECT area = {};
  GetWindowRect(window, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
  std::vector<BYTE> pixels(static_cast<std::size_t>(row) * height);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  const std::wstring path = std::wstring(folder) + L"\\" + name + L".bmp";
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, &file, sizeof file, &written, nullptr);
  WriteFile(out, &header, sizeof header, &written, nullptr);
  WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
  CloseHandle(out);
}

// The language of the run, for the names of screenshots.
inline std::wstring LanguageName(int language_offset) {
  if (language_offset == kLanguageOffsetSpanish) return L"es";
  if (language_offset == kLanguageOffsetThai) return L"th";
  return L"en";
}

}  // namespace detection_test
