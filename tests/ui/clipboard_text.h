// The clipboard as a test reads and primes it: Unicode text only.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

inline bool PutOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  CopyMemory(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  const bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return ok;
}

inline std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// A report's lines, split at CR LF.
inline std::vector<std::wstring> ReportLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A label as a report writes it: on one line, without its accelerator mark.
inline std::wstring OneLineLabel(const std::wstring& text) {
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\r' || c == L'&') continue;
    line.push_back(c == L'\n' ? L' ' : c);
  }
  while (!line.empty() && line.back() == L' ') line.pop_back();
  return line;
}

}  // namespace ui
