// File-system glue of Tessara.dll: Win32 calls on UTF-16 paths. Input files
// are opened with every share mode; the output is written, unshared, beside
// its target and moved over it once complete.
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
  if (!flushed || !closed ||
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
