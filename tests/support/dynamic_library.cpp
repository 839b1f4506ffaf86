#include "dynamic_library.h"

#include <cstdlib>
#include <vector>

#if defined(_WIN32)
namespace {
std::wstring Widen(const std::string& text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::vector<wchar_t> wide(length > 0 ? length : 1);
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, wide.data(), length);
  return wide.data();
}
}  // namespace

DynamicLibrary::DynamicLibrary(const std::string& path) {
  handle_ = LoadLibraryW(Widen(path).c_str());
  if (handle_ == nullptr) throw std::runtime_error("cannot load " + path);
}
DynamicLibrary::~DynamicLibrary() { FreeLibrary(handle_); }
void* DynamicLibrary::Find(const char* name) const {
  return reinterpret_cast<void*>(GetProcAddress(handle_, name));
}
#else
DynamicLibrary::DynamicLibrary(const std::string& path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) throw std::runtime_error("cannot load " + path + ": " + dlerror());
}
DynamicLibrary::~DynamicLibrary() { dlclose(handle_); }
void* DynamicLibrary::Find(const char* name) const { return dlsym(handle_, name); }
#endif

const DynamicLibrary& TessaraLibrary() {
  static const DynamicLibrary library([] {
    const char* chosen = std::getenv("TESSARA_LIBRARY");
    return std::string(chosen != nullptr && chosen[0] != '\0' ? chosen : TESSARA_DEFAULT_LIBRARY);
  }());
  return library;
}
