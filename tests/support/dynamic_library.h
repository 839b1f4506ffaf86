// Loads the built library by file name and binds its exports by name, the
// way the program and outside callers do: LoadLibraryW and GetProcAddress on
// Windows, dlopen and dlsym natively.
#pragma once
#include <stdexcept>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

class DynamicLibrary {
 public:
  explicit DynamicLibrary(const std::string& path);
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // The address of an export, or nullptr when the name is not exported.
  void* Find(const char* name) const;

  template <class Function>
  Function* Bind(const char* name) const {
    void* address = Find(name);
    if (address == nullptr) throw std::runtime_error(std::string("export not found: ") + name);
    return reinterpret_cast<Function*>(address);
  }

 private:
#if defined(_WIN32)
  HMODULE handle_ = nullptr;
#else
  void* handle_ = nullptr;
#endif
};

// The library under test, loaded once per test process: TESSARA_LIBRARY
// names it, else the build's own copy ("Tessara.dll" beside the test program
// on Windows, libTessara.so natively).
const DynamicLibrary& TessaraLibrary();

// Binds an export by its plain name with the type declared in tessara.h.
#define TESSARA_BIND(name) (TessaraLibrary().Bind<decltype(name)>(#name))
