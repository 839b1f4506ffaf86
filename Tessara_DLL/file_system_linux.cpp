// File-system glue of the native shared object: POSIX calls on UTF-8 paths.
// POSIX has no share modes, so every open file is shared as the readers
// require; the output is written beside its target and renamed over it.
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
  const int descriptor = ::open(Utf8Path(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
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
  // The new file keeps the permissions of the one it replaces; a file made
  // for a new name gets the usual ones (0666 less the user's mask).
  struct stat existing;
  const bool replaces = ::stat(Utf8Path(target_).c_str(), &existing) == 0;
  const std::wstring folder = FolderOf(target_);
  for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
    temporary_ = folder + L".tessara-" + std::to_wstring(::getpid()) + L"-" +
                 std::to_wstring(g_temporary_counter++) + L".tmp";
    descriptor_ =
        ::open(Utf8Path(temporary_).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor_ < 0 && errno != EEXIST) break;
  }
  if (descriptor_ < 0) {
    temporary_.clear();
    return;
  }
  if (replaces && S_ISREG(existing.st_mode)) ::fchmod(descriptor_, existing.st_mode & 07777);
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
  if (!synced || !closed || ::rename(Utf8Path(temporary_).c_str(), Utf8Path(target_).c_str()) != 0) {
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
