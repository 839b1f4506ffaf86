// The few file-system services the file-based exports need, implemented
// once per target (file_system_windows.cpp, file_system_linux.cpp). Paths
// arrive as wide text: UTF-16 on Windows, and on Linux wchar_t code points
// that are turned into the UTF-8 bytes the kernel takes.
#pragma once
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

// A read that the system reports as failed (not the end of the file).
class ReadFailure : public std::runtime_error {
 public:
  ReadFailure() : std::runtime_error("the file could not be read") {}
};

// The bytes of an open input file, read from its start; the readers of
// delimited files take them from here (the tests give bytes in memory).
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Copies up to `capacity` next bytes into `buffer` and returns how many;
  // 0 only at the end. Throws ReadFailure when the read fails.
  virtual std::size_t Read(char* buffer, std::size_t capacity) = 0;
};

// True when the system can read the attributes of the path (a file or a
// folder is there).
bool PathExists(const wchar_t* path);

// Opens a file for reading bytes, shared: other programs may read, write,
// rename or delete it meanwhile. nullptr when it cannot be opened.
std::unique_ptr<ByteSource> OpenSharedForReading(const wchar_t* path);

// The wide form of a path given as 8-bit text: the ANSI code page on
// Windows, UTF-8 (the file-name encoding) on Linux. The whole path is
// converted; nothing is cut.
std::wstring WidePathFromNarrow(const char* path);

// Tells the user that an input file does not exist: a message box without
// owner titled "ERROR" with the path as its text, on Windows. A shared
// object has no user interface of its own, so this shows nothing on Linux.
void ShowMissingFileMessage(const wchar_t* path);

// An output file that replaces the file at its path only once it is
// complete. The bytes go to a new file beside the target (same folder, so
// the final move is a rename), opened with no sharing; Commit moves it over
// the target. Whatever goes wrong before that, the file that was at the
// path stays whole, and the temporary file is removed.
class ReplacingOutputFile {
 public:
  explicit ReplacingOutputFile(const wchar_t* target);
  ~ReplacingOutputFile();
  ReplacingOutputFile(const ReplacingOutputFile&) = delete;
  ReplacingOutputFile& operator=(const ReplacingOutputFile&) = delete;

  // False when the temporary file could not be created.
  bool IsOpen() const;
  // Writes all the bytes or fails; after a failure every call fails.
  bool Write(const char* bytes, std::size_t count);
  // Flushes the bytes to the disk, closes the file and moves it over the
  // target. False when any step fails; the target is then untouched.
  bool Commit();

 private:
  void Discard();

  std::wstring target_;
  std::wstring temporary_;
#if defined(_WIN32)
  void* handle_ = nullptr;  // HANDLE, INVALID_HANDLE_VALUE kept as nullptr
#else
  int descriptor_ = -1;
#endif
  bool failed_ = false;
};
