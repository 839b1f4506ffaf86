#include "library_binding.h"

#include "program_state.h"

FARPROC FindExport(const char* name) {
  HMODULE library = Program().library;
  if (library == nullptr) return nullptr;
  return GetProcAddress(library, name);
}
