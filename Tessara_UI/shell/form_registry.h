// The registry of the FormKinds: for each of the sixteen calculator forms
// and the main window, its title, the library export its run binds, its help
// topic and its two operations that the child windows call. A form that is
// not built yet has no operations: its window opens empty and the main
// window's button for it is disabled.
#pragma once

#include <windows.h>

// Creates the form's controls; returns the control that takes the focus first.
using BuildOperation = HWND (*)(HWND form);
// Handles a command of the form; false when the form does not take it.
using CommandHandler = bool (*)(HWND form, WORD command, WORD notification);

struct TableForm;

struct FormEntry {
  int title_id;             // StringId 11001 + FormKind
  const char* export_name;  // bound by name at every run; null for the main window
  int help_topic;
  const TableForm* form;           // a calculator form; null while it is not built
  BuildOperation build;            // the main window's own operations
  CommandHandler handle_command;
};

inline constexpr int kFormKindCount = 17;

// The entry of a FormKind; any FormKind outside 0 to 15 is the main window.
const FormEntry& FormEntryOf(int form_kind);

// True when the form has its operations.
bool IsFormBuilt(int form_kind);

// The push button that Enter presses in the form window; 0 when it has none.
int DefaultButtonOf(int form_kind, HWND window);
