// A stand-in for the HTML Help control, registered in the test's own Wine
// prefix in place of the real one: its help entry (export 15) writes each
// call as one line "file|command|topic|owner" to the file
// fake_help_viewer.log beside itself, where the test reads it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring LogPath() {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<const wchar_t*>(&LogPath), &self);
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring log = path;
  const size_t dot = log.rfind(L'.');
  return (dot == std::wstring::npos ? log : log.substr(0, dot)) + L".log";
}

}  // namespace

extern "C" HWND WINAPI FakeHtmlHelp(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data) {
  if (FILE* log = _wfopen(LogPath().c_str(), L"a")) {
    const wchar_t* owner_kind = owner == GetDesktopWindow() ? L"desktop" : L"other";
    fwprintf(log, L"%ls|%u|%llu|%ls\n", file != nullptr ? file : L"(null)", command,
             static_cast<unsigned long long>(data), owner_kind);
    fclose(log);
  }
  return nullptr;
}
