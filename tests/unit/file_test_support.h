// What the tests of the file-based exports share: a temporary folder whose
// name holds non-ASCII characters (removed with everything in it), files
// written and read as exact bytes, paths as the exports take them, a fresh
// thread (whose random state starts anew), and on Windows the watcher that
// reads and closes the library's message box.
#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace file_test {

#if defined(_WIN32)
inline std::wstring Widen(const std::string& utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(static_cast<std::size_t>(length > 0 ? length : 1));
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
  return wide.data();
}

inline std::filesystem::path FsPath(const std::wstring& path) { return std::filesystem::path(path); }

inline std::wstring WidePath(const std::filesystem::path& path) { return path.wstring(); }

// The path in the ANSI code page, as a caller of the _A exports holds it;
// nothing when the code page cannot spell it.
inline std::optional<std::string> NarrowPath(const std::wstring& path) {
  BOOL lossy = FALSE;
  const int length =
      WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy) return std::nullopt;
  std::vector<char> narrow(static_cast<std::size_t>(length));
  WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, narrow.data(), length, nullptr, nullptr);
  return std::string(narrow.data());
}
#else
// wchar_t holds code points natively; file names are UTF-8 bytes.
inline std::wstring Widen(const std::string& utf8) {
  std::wstring wide;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) code = (code << 6) | (utf8[i + k] & 0x3F);
    wide += static_cast<wchar_t>(code);
    i += 1 + extra;
  }
  return wide;
}

inline std::string Utf8(const std::wstring& wide) {
  std::string bytes;
  for (wchar_t character : wide) {
    const auto code = static_cast<std::uint32_t>(character);
    if (code < 0x80) {
      bytes += static_cast<char>(code);
    } else if (code < 0x800) {
      bytes += static_cast<char>(0xC0 | (code >> 6));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      bytes += static_cast<char>(0xE0 | (code >> 12));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (code >> 18));
      bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return bytes;
}

inline std::filesystem::path FsPath(const std::wstring& path) {
  return std::filesystem::path(Utf8(path));
}

inline std::wstring WidePath(const std::filesystem::path& path) { return Widen(path.string()); }

inline std::optional<std::string> NarrowPath(const std::wstring& path) { return Utf8(path); }
#endif

// A folder of its own under the system's temporary folder, removed with
// its contents when the test ends.
class TempFolder {
 public:
  // The default name mixes Latin and Thai letters with a blank.
  explicit TempFolder(const std::string& utf8_name = "Tessara prueba \xC3\xB1" "and\xC3\xBA "
                                                     "\xE0\xB9\x84\xE0\xB8\x97\xE0\xB8\xA2") {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 1000; ++attempt) {
      std::ostringstream unique;
      unique << utf8_name << " " << stamp % 1000000007 << "-" << counter++;
      const std::filesystem::path candidate =
          std::filesystem::temp_directory_path() / FsPath(Widen(unique.str()));
      if (std::filesystem::create_directory(candidate)) {
        folder_ = candidate;
        return;
      }
    }
    throw std::runtime_error("no temporary folder");
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The wide path of a file in the folder (its name in UTF-8).
  std::wstring File(const std::string& utf8_name) const {
    return WidePath(folder_ / FsPath(Widen(utf8_name)));
  }
  std::wstring Path() const { return WidePath(folder_); }
  // The names of everything in the folder, to see that nothing was left.
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                  std::filesystem::directory_iterator()));
  }

 private:
  std::filesystem::path folder_;
};

inline void WriteBytes(const std::wstring& path, std::string_view bytes) {
  std::ofstream file(FsPath(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write a test file");
}

inline std::string ReadBytes(const std::wstring& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(FsPath(path), error)) return "<absent>";
  std::ifstream file(FsPath(path), std::ios::binary);
  if (!file) return "<absent>";
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline bool Exists(const std::wstring& path) { return std::filesystem::exists(FsPath(path)); }

// The separator the library splits fields at: "," unless the test run says
// the user locale is Spanish (TESSARA_EXPECT_SEPARATOR=semicolon).
inline char ActiveSeparator() {
  const char* expected = std::getenv("TESSARA_EXPECT_SEPARATOR");
  return expected != nullptr && std::string(expected) == "semicolon" ? ';' : ',';
}
inline char OtherSeparator() { return ActiveSeparator() == ',' ? ';' : ','; }

// A list file's text with every '|' standing for the active separator.
inline std::string ListText(std::string text) {
  for (char& c : text) {
    if (c == '|') c = ActiveSeparator();
  }
  return text;
}

// Runs a call on a new thread, whose random state starts at 1 as a new
// process's does, and returns its result.
template <class Call>
auto InFreshThread(Call call) {
  decltype(call()) result{};
  std::thread thread([&] { result = call(); });
  thread.join();
  return result;
}

#if defined(_WIN32)
// Closes the first message box titled `title` that appears within a few
// seconds, after reading the texts of its static controls.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(const wchar_t* title) : title_(title), thread_([this] { Watch(); }) {}
  ~MessageBoxWatcher() {
    if (thread_.joinable()) thread_.join();
  }
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

  // Waits until the box was closed (or the watch gave up) and returns the
  // texts it showed; empty when no box appeared.
  std::vector<std::wstring> Texts() {
    if (thread_.joinable()) thread_.join();
    return texts_;
  }

 private:
  static BOOL CALLBACK CollectText(HWND child, LPARAM context) {
    wchar_t class_name[32] = {};
    GetClassNameW(child, class_name, 32);
    if (lstrcmpiW(class_name, L"Static") == 0) {
      wchar_t text[1024] = {};
      GetWindowTextW(child, text, 1024);
      reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(text);
    }
    return TRUE;
  }
  void Watch() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
      HWND box = FindWindowW(L"#32770", title_);
      if (box != nullptr && IsWindowVisible(box)) {
        EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts_));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  const wchar_t* title_;
  std::vector<std::wstring> texts_;
  std::thread thread_;
};
#endif
}  // namespace file_test
