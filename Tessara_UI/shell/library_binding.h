// How a form's run reaches the library: the export is looked up by name in
// Tessara.dll at every run, called with the form's inputs, and its
// ResultCode either lets the form show its results or becomes the error
// report. Any exception on the way is reported as an unexpected failure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "error_report.h"
#include "form_registry.h"
#include "table_form.h"

// The library's answer to one call: its ResultCode and, for the file-based
// exports, the row and item of a bad line (-1 when they do not apply).
struct LibraryAnswer {
  std::uint32_t code;
  std::int32_t row = -1;
  std::int32_t item = -1;
};

inline constexpr std::uint32_t kUnexpectedFailureCode = 0x60000000;

// The export of the loaded library with that plain name, as a function of
// type Export; null when the library has no such entry.
FARPROC FindExport(const char* name);

template <typename Export>
Export BindExport(const char* name) {
  // Through void* so that the conversion between function types is explicit.
  return reinterpret_cast<Export>(reinterpret_cast<void*>(FindExport(name)));
}

// The wait cursor for as long as it lives: the interface is blocked while
// the library computes.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

// The run of a form, the library side. Export is the type of the export's
// prototype in tessara.h (decltype(&::Name)), so the call is checked
// against the library's own declaration. call(entry) makes the call and
// returns the LibraryAnswer; show() writes the results and runs only for
// code 0. A missing export ends the run silently, leaving the results as
// they were.
template <typename Export, typename Call, typename Show>
void RunExport(int form_kind, const char* export_name, Call&& call, Show&& show) {
  LibraryAnswer answer{0};
  try {
    const Export entry = BindExport<Export>(export_name);
    if (entry == nullptr) return;
    WaitCursor waiting;
    answer = call(entry);
  } catch (...) {
    answer = LibraryAnswer{kUnexpectedFailureCode};
  }
  if (answer.code == 0) {
    show();
    NoteResultsShown();
  } else {
    ShowErrorReport(form_kind, answer.code, answer.row, answer.item);
  }
}

// The same with the export that the form registry names for the form.
template <typename Export, typename Call, typename Show>
void RunExport(int form_kind, Call&& call, Show&& show) {
  RunExport<Export>(form_kind, FormEntryOf(form_kind).export_name, std::forward<Call>(call),
                    std::forward<Show>(show));
}
