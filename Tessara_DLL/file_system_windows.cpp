// File-system glue of Tessara.dll: Win32 calls on UTF-16 paths. Input files
// are opened with every share mode; the output is written, unshared, beside
// its target and moved over it once complete. Only plain files on a disk
// are read, and only a plain file that is not read-only (or none) is
// replaced.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "file_system.h"

namespace {
class HandleSource final : public ByteSource {
 public:
  explicit HandleSource(HANDLE handle) : handle_(handle) {}
  ~HandleSource() override { CloseHandle(handle_); }
  HandleSource(const HandleSource&) = delete;
  HandleSource& operator=(const HandleSource&) = delete;

  std::size_t Read(char* buffer, std::size_t capacity) override {
    const DWORD asked = capacity > 0x10000000 ? 0x10000000 : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, asked, &got, nullptr)) throw ReadFailure();
    return got;
  }

 private:
  HANDLE handle_;
};

// The folder part of a path, with its final separator; empty for a bare
// name. "C:name" keeps its drive.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t end = path.find_last_of(L"\\/:");
  return end == std::wstring::npos ? std::wstring() : path.substr(0, end + 1);
}

std::atomic<unsigned> g_temporary_counter{0};

// A handle on a plain file: not a folder, a device or a link of any kind.
bool IsPlainFile(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION information;
  constexpr DWORD kNotPlain =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
  return GetFileInformationByHandle(handle, &information) &&
         (information.dwFileAttributes & kNotPlain) == 0;
}

// Only a plain file on a disk that is not read-only is replaced (or a path
// where nothing stands yet). A device, a pipe, a folder or a link would be
// swapped for a file by the move, and the move replaces a read-only file
// too under Wine: all are refused. The path is opened without any access
// to its contents, and without following a link.
bool IsReplaceableTarget(const std::wstring& path) {
  const HANDLE handle = CreateFileW(
      path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  BY_HANDLE_FILE_INFORMATION information;
  const bool replaceable = GetFileType(handle) == FILE_TYPE_DISK && IsPlainFile(handle) &&
                           GetFileInformationByHandle(handle, &information) &&
                           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
  CloseHandle(handle);
  return replaceable;
}
}  // namespace

bool PathExists(const wchar_t* path) {
  return path != nullptr && GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

std::unique_ptr<ByteSource> OpenSharedForReading(const wchar_t* path) {
  if (path == nullptr) return nullptr;
  const HANDLE handle =
      CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // Only a file on a disk is read: a pipe with no writer would block the
  // call, and a device such as a console has no end.
  if (GetFileType(handle) != FILE_TYPE_DISK || !IsPlainFile(handle)) {
    CloseHandle(handle);
    return nullptr;
  }
  return std::make_unique<HandleSource>(handle);
}

std::wstring WidePathFromNarrow(const char* path) {
  if (path == nullptr || path[0] == '\0') return std::wstring();
  const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> wide(static_cast<std::size_t>(length));
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
  return std::wstring(wide.data());
}

void ShowMissingFileMessage(const wchar_t* path) {
  MessageBoxW(nullptr, path != nullptr ? path : L"", L"ERROR", MB_OK);
}

ReplacingOutputFile::ReplacingOutputFile(const wchar_t* target) {
  if (target == nullptr || target[0] == L'\0') return;
  target_ = target;
  if (!IsReplaceableTarget(target_)) return;
  const std::wstring folder = FolderOf(target_);
  for (int attempt = 0; attempt < 100 && handle_ == nullptr; ++attempt) {
    temporary_ = folder + L"~tessara-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                 std::to_wstring(g_temporary_counter++) + L".tmp";
    const HANDLE handle = CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      handle_ = handle;
    } else if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) {
      break;
    }
  }
  if (handle_ == nullptr) temporary_.clear();
}

ReplacingOutputFile::~ReplacingOutputFile() { Discard(); }

bool ReplacingOutputFile::IsOpen() const { return handle_ != nullptr; }

bool ReplacingOutputFile::Write(const char* bytes, std::size_t count) {
  if (handle_ == nullptr || failed_) return false;
  while (count > 0) {
    const DWORD asked = count > 0x10000000 ? 0x10000000 : static_cast<DWORD>(count);
    DWORD written = 0;
    if (!WriteFile(static_cast<HANDLE>(handle_), bytes, asked, &written, nullptr) || written == 0) {
      failed_ = true;
      return false;
    }
    bytes += written;
    count -= written;
  }
  return true;
}

bool ReplacingOutputFile::Commit() {
  if (handle_ == nullptr || failed_) return false;
  const bool flushed = FlushFileBuffers(static_cast<HANDLE>(handle_)) != 0;
  const bool closed = CloseHandle(static_cast<HANDLE>(handle_)) != 0;
  handle_ = nullptr;
  // The target is looked at again just before the move: it may have been
  // replaced or protected while the output was written.
  if (!flushed || !closed || !IsReplaceableTarget(target_) ||
      !MoveFileExW(temporary_.c_str(), target_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    failed_ = true;
    Discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void ReplacingOutputFile::Discard() {
  if (handle_ != nullptr) CloseHandle(static_cast<HANDLE>(handle_));
  handle_ = nullptr;
  if (!temporary_.empty()) DeleteFileW(temporary_.c_str());
  temporary_.clear();
}
