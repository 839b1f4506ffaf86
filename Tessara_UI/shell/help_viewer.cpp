#include "help_viewer.h"

#include <windows.h>

#include "program_state.h"

namespace {

// The wide-character help entry of the HTML Help control (its export 15).
using HtmlHelpEntry = HWND(WINAPI*)(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data);

constexpr wchar_t kControlServerKey[] =
    L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr wchar_t kControlFileName[] = L"hhctrl.ocx";
constexpr WORD kHtmlHelpEntryOrdinal = 15;
constexpr UINT kHelpContextCommand = 15;  // HH_HELP_CONTEXT
constexpr DWORD kRegisteredPathBytes = 260;

struct Viewer {
  HMODULE module = nullptr;
  HtmlHelpEntry entry = nullptr;
  bool unavailable = false;
};

Viewer& TheViewer() {
  static Viewer viewer;
  return viewer;
}

// The control's registered file, or null when it is not registered.
HMODULE LoadRegisteredControl() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kControlServerKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return nullptr;
  }
  // One character more than the value may fill, so the path always ends.
  wchar_t path[kRegisteredPathBytes / sizeof(wchar_t) + 1] = L"";
  DWORD bytes = kRegisteredPathBytes;
  DWORD type = 0;
  const LONG status =
      RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return nullptr;
  path[bytes / sizeof(wchar_t)] = L'\0';
  return path[0] != L'\0' ? LoadLibraryW(path) : nullptr;
}

bool LocateViewer(Viewer& viewer) {
  if (viewer.entry != nullptr) return true;
  if (viewer.module == nullptr) viewer.module = LoadRegisteredControl();
  if (viewer.module == nullptr) viewer.module = LoadLibraryW(kControlFileName);
  if (viewer.module == nullptr) {
    viewer.unavailable = true;
    return false;
  }
  viewer.entry = reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(
      GetProcAddress(viewer.module, MAKEINTRESOURCEA(kHtmlHelpEntryOrdinal))));
  if (viewer.entry == nullptr) {
    viewer.unavailable = true;
    return false;
  }
  return true;
}

}  // namespace

void ShowHelp(int topic) {
  Viewer& viewer = TheViewer();
  if (viewer.unavailable || !LocateViewer(viewer)) return;
  viewer.entry(GetDesktopWindow(), Program().help_file, kHelpContextCommand,
               static_cast<DWORD_PTR>(topic));
}
