#include "file_dialogs.h"

#include <commdlg.h>

#include <string>

#include "path_text.h"

namespace {

// Pairs of display name and pattern, ended by an empty pair.
constexpr wchar_t kFilters[] = L"All\0*.*\0Text\0*.TXT\0";
constexpr DWORD kTextFilterIndex = 2;  // 1-based

std::wstring& TheLastDirectory() {
  static std::wstring directory;
  return directory;
}

using DialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

bool ChooseFile(HWND owner, wchar_t* path, DialogFunction dialog, DWORD flags) {
  wchar_t chosen[kPathCapacity] = L"";
  OPENFILENAMEW request = {};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.lpstrFilter = kFilters;
  request.nFilterIndex = kTextFilterIndex;
  request.lpstrFile = chosen;
  request.nMaxFile = kPathCapacity;
  const std::wstring& last = TheLastDirectory();
  request.lpstrInitialDir = last.empty() ? nullptr : last.c_str();
  request.Flags = flags;
  if (!dialog(&request) || chosen[0] == L'\0') return false;
  lstrcpynW(path, chosen, kPathCapacity);
  TheLastDirectory() = DirectoryOfPath(chosen);
  return true;
}

}  // namespace

bool ChooseFileToOpen(HWND owner, wchar_t* path) {
  return ChooseFile(owner, path, GetOpenFileNameW, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
}

bool ChooseFileToSave(HWND owner, wchar_t* path) {
  return ChooseFile(owner, path, GetSaveFileNameW, OFN_OVERWRITEPROMPT | OFN_SHOWHELP);
}

const wchar_t* LastDirectory() { return TheLastDirectory().c_str(); }

bool ChooseReportFile(HWND owner, const wchar_t* text_files, const wchar_t* csv_files,
                      std::wstring* path, bool* csv) {
  // Pairs of display name and pattern, ended by an empty pair.
  std::wstring filters = std::wstring(text_files) + L'\0' + L"*.txt" + L'\0' + csv_files + L'\0' +
                         L"*.csv" + L'\0' + L'\0';
  wchar_t chosen[kPathCapacity] = L"";
  OPENFILENAMEW request = {};
  request.lStructSize = sizeof(request);
  request.hwndOwner = owner;
  request.lpstrFilter = filters.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = chosen;
  request.nMaxFile = kPathCapacity;
  const std::wstring& last = TheLastDirectory();
  request.lpstrInitialDir = last.empty() ? nullptr : last.c_str();
  request.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&request) || chosen[0] == L'\0') return false;
  *path = chosen;
  const std::size_t name = path->find_last_of(L"\\/");
  const std::size_t dot = path->find_last_of(L'.');
  const bool has_extension = dot != std::wstring::npos && (name == std::wstring::npos || dot > name);
  if (!has_extension) *path += request.nFilterIndex == 2 ? L".csv" : L".txt";
  *csv = lstrcmpiW(path->substr(path->find_last_of(L'.') + 1).c_str(), L"csv") == 0;
  TheLastDirectory() = DirectoryOfPath(chosen);
  return true;
}
