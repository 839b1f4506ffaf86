#include "file_operations.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "path_text.h"

namespace {
constexpr DWORD kReadChunk = 64 * 1024;

// The whole content of a file opened for shared reading; false when it
// cannot be opened.
bool ReadWholeFile(const wchar_t* path, std::string* content) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char chunk[kReadChunk];
  DWORD read = 0;
  while (ReadFile(file, chunk, kReadChunk, &read, nullptr) && read > 0) content->append(chunk, read);
  CloseHandle(file);
  return true;
}
}  // namespace

bool FileExists(const wchar_t* path) {
  return path != nullptr && GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

int CountFileLines(const wchar_t* path) {
  std::string content;
  if (!ReadWholeFile(path, &content)) return -1;
  const int lines = CountLinesBeforeEmpty(content);
  return lines > 0 ? lines : -1;
}

bool GetSpecialFolder(int folder, wchar_t* buffer) {
  return SHGetSpecialFolderPathW(nullptr, buffer, folder, FALSE) != FALSE;
}

void OpenWithProgram(const wchar_t* program, const wchar_t* arguments) {
  MessageBeep(MB_OK);
  ShellExecuteW(nullptr, L"open", program, arguments, nullptr, SW_SHOWMAXIMIZED);
}

void ShowLastErrorMessage() {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, GetLastError(), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  MessageBoxW(nullptr, length > 0 && text != nullptr ? text : L"An unknown error ocurred!",
              L"Tessara Error", MB_OK | MB_ICONERROR);
  if (text != nullptr) LocalFree(text);
}
