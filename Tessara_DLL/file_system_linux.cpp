// File-system glue of the native shared object: POSIX calls on UTF-8 paths.
// POSIX has no share modes, so every open file is shared as the readers
// require; the output is written beside its target and renamed over it.
// Only regular files are read, and only a writable regular file (or none)
// is replaced.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <string>

#include "file_system.h"

namespace {
constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUtf8(char32_t code, std::string& out) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacementCharacter;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The kernel's form of a wide path. wchar_t holds whole code points here;
// one that is not a Unicode scalar value becomes U+FFFD (and so names a
// file that is not there, rather than another file).
std::string Utf8Path(const std::wstring& path) {
  std::string bytes;
  bytes.reserve(path.size());
  for (wchar_t character : path) AppendUtf8(static_cast<char32_t>(character), bytes);
  return bytes;
}

std::string Utf8Path(const wchar_t* path) { return Utf8Path(std::wstring(path)); }

// Decodes one UTF-8 sequence starting at text[i]; advances i. A malformed
// sequence gives U+FFFD for its first byte.
char32_t NextCodePoint(const unsigned char* text, std::size_t& i) {
  const unsigned char lead = text[i++];
  if (lead < 0x80) return lead;
  int continuation = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    continuation = 1, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    continuation = 2, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    continuation = 3, code = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacementCharacter;
  }
  std::size_t j = i;
  for (int k = 0; k < continuation; ++k, ++j) {
    if ((text[j] & 0xC0) != 0x80) return kReplacementCharacter;  // also stops at the zero
    code = (code << 6) | (text[j] & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return kReplacementCharacter;
  }
  i = j;
  return code;
}

class DescriptorSource final : public ByteSource {
 public:
  explicit DescriptorSource(int descriptor) : descriptor_(descriptor) {}
  ~DescriptorSource() override { ::close(descriptor_); }
  DescriptorSource(const DescriptorSource&) = delete;
  DescriptorSource& operator=(const DescriptorSource&) = delete;

  std::size_t Read(char* buffer, std::size_t capacity) override {
    for (;;) {
      const ssize_t got = ::read(descriptor_, buffer, capacity);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw ReadFailure();
    }
  }

 private:
  int descriptor_;
};

// What stands at the output path, seen without following a symbolic link.
enum class Target { Absent, Replaceable, Refused };

// Only a regular file that can be written is replaced. A symbolic link, a
// FIFO, a device or a folder would be swapped for a regular file by the
// move, and a read-only file would lose its protection: both are refused.
// Root may write any file, so a file without any write permission counts as
// read-only whoever calls, as it does for Windows and for Wine.
Target InspectTarget(const std::string& path, struct stat* status) {
  if (::lstat(path.c_str(), status) != 0) return errno == ENOENT ? Target::Absent : Target::Refused;
  if (!S_ISREG(status->st_mode)) return Target::Refused;
  if ((status->st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return Target::Refused;
  return Target::Replaceable;
}

// The folder part of a path, with its final slash; empty for a bare name.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'/');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::atomic<unsigned> g_temporary_counter{0};
}  // namespace

bool PathExists(const wchar_t* path) {
  if (path == nullptr) return false;
  struct stat status;
  return ::stat(Utf8Path(path).c_str(), &status) == 0;
}

std::unique_ptr<ByteSource> OpenSharedForReading(const wchar_t* path) {
  if (path == nullptr) return nullptr;
  // Opened without blocking, so that a FIFO with no writer does not hold
  // the call; only a regular file is read (a FIFO, a device such as
  // /dev/zero or a folder could block or never end), then in blocking mode.
  const int descriptor = ::open(Utf8Path(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return nullptr;
  struct stat status;
  const int flags = ::fcntl(descriptor, F_GETFL);
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
      ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(descriptor);
    return nullptr;
  }
  return std::make_unique<DescriptorSource>(descriptor);
}

std::wstring WidePathFromNarrow(const char* path) {
  std::wstring wide;
  if (path == nullptr) return wide;
  const unsigned char* text = reinterpret_cast<const unsigned char*>(path);
  for (std::size_t i = 0; text[i] != 0;) wide += static_cast<wchar_t>(NextCodePoint(text, i));
  return wide;
}

void ShowMissingFileMessage(const wchar_t*) {}

ReplacingOutputFile::ReplacingOutputFile(const wchar_t* target) {
  if (target == nullptr || target[0] == L'\0') return;
  target_ = target;
  struct stat existing;
  const Target kind = InspectTarget(Utf8Path(target_), &existing);
  if (kind == Target::Refused) return;
  // The new file is created with its final permissions, never wider: those
  // of the file it replaces, or for a new name the usual ones (0666 less
  // the user's mask). The mask can only narrow the first; they are then
  // restored exactly.
  const mode_t mode = kind == Target::Replaceable ? (existing.st_mode & 07777) : 0666;
  const std::wstring folder = FolderOf(target_);
  for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
    temporary_ = folder + L".tessara-" + std::to_wstring(::getpid()) + L"-" +
                 std::to_wstring(g_temporary_counter++) + L".tmp";
    descriptor_ =
        ::open(Utf8Path(temporary_).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (descriptor_ < 0 && errno != EEXIST) break;
  }
  if (descriptor_ < 0) {
    temporary_.clear();
    return;
  }
  struct stat created;
  if (kind == Target::Replaceable &&
      (::fstat(descriptor_, &created) != 0 || (created.st_mode & 07777) != mode) &&
      ::fchmod(descriptor_, mode) != 0) {
    Discard();
  }
}

ReplacingOutputFile::~ReplacingOutputFile() { Discard(); }

bool ReplacingOutputFile::IsOpen() const { return descriptor_ >= 0; }

bool ReplacingOutputFile::Write(const char* bytes, std::size_t count) {
  if (descriptor_ < 0 || failed_) return false;
  while (count > 0) {
    const ssize_t written = ::write(descriptor_, bytes, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

bool ReplacingOutputFile::Commit() {
  if (descriptor_ < 0 || failed_) return false;
  const bool synced = ::fsync(descriptor_) == 0;
  const bool closed = ::close(descriptor_) == 0;
  descriptor_ = -1;
  // The target is looked at again just before the move: it may have been
  // replaced or protected while the output was written.
  struct stat existing;
  const std::string target = Utf8Path(target_);
  if (!synced || !closed || InspectTarget(target, &existing) == Target::Refused ||
      ::rename(Utf8Path(temporary_).c_str(), target.c_str()) != 0) {
    failed_ = true;
    Discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void ReplacingOutputFile::Discard() {
  if (descriptor_ >= 0) ::close(descriptor_);
  descriptor_ = -1;
  if (!temporary_.empty()) ::unlink(Utf8Path(temporary_).c_str());
  temporary_.clear();
}
