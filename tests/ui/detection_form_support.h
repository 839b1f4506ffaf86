// What the tests of the detection forms share: the library called from the
// test itself for the figures a run must show, the placeholders filled as
// the user must read them, the fit of the filled texts, and the report a
// run leaves on the clipboard.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "clipboard_text.h"
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

// Every text of the form fits its control as the form shows it now
// (sentences included, once filled), measured inside the program with the
// faces Wine draws them with.
inline void ExpectTextsFit(HWND form) {
  const std::optional<std::vector<ui::TextMeasure>> measures = ui::MeasureTexts(form);
  ASSERT_TRUE(measures.has_value()) << "the probe measured nothing";
  for (const ui::TextMeasure& measure : *measures) {
    EXPECT_TRUE(measure.Fits()) << "control " << measure.control << " needs " << measure.needed.cx
                                << "x" << measure.needed.cy << " pixels, has " << measure.room.cx
                                << "x" << measure.room.cy << " for "
                                << ::testing::PrintToString(measure.text);
  }
}

// The report that File > Copy results (Ctrl+Shift+C) puts on the
// clipboard for the active form, as its lines; empty when nothing came.
inline std::vector<std::wstring> CopiedReport(HWND frame) {
  const std::wstring sentinel = L"nothing copied yet";
  if (!ui::PutOnClipboard(sentinel) || !ui::BringToForeground(frame) ||
      !ui::PressKeys({VK_CONTROL, VK_SHIFT, 'C'}) ||
      !ui::WaitUntil([&] { return ui::ClipboardText() != sentinel; }))
    return {};
  return ui::ReportLines(ui::ClipboardText());
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
