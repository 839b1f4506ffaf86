// What every export of the library shares: its linkage, its calling
// convention and the catch-all that keeps exceptions inside the library.
#pragma once
#include "result_codes.h"

#if defined(_WIN32)
// stdcall on 32-bit Windows (arguments right to left, callee pops); the
// x86_64 ABI has one convention and the keyword is ignored there. The export
// names come from the module-definition file, not from dllexport.
#define TESSARA_CALL __stdcall
#define TESSARA_EXPORT extern "C"
#else
#define TESSARA_CALL
#define TESSARA_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Runs the body of an export that reads files or allocates working memory:
// any exception raised inside becomes UnexpectedFailure, so none leaves the
// library.
template <class Body>
ResultCode CatchAll(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return rc::UnexpectedFailure;
  }
}
