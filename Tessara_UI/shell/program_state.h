// The process-wide values of the program, set during start-up and read by
// the frame, the forms and the help: one program, one thread, one copy.
#pragma once

#include <windows.h>

#include "number_text.h"

// Capacities in characters, terminating zero included.
constexpr int kNameCapacity = 256;          // title, class names, help file name
constexpr int kListSeparatorCapacity = 33;  // at most 32 characters

// FormKind of the main window (the calculator forms are 0 to 15).
constexpr int kMainWindowFormKind = 16;

struct ProgramState {
  HINSTANCE instance = nullptr;
  wchar_t help_file[kNameCapacity] = L"";
  wchar_t list_separator[kListSeparatorCapacity] = L",";
  // How typed numbers write their decimals: with a comma too under Spanish.
  DecimalStyle decimal_style = DecimalStyle::PointOnly;
  wchar_t window_title[kNameCapacity] = L"";
  wchar_t frame_class[kNameCapacity] = L"";
  wchar_t child_class[kNameCapacity] = L"";
  HMODULE library = nullptr;
  HWND frame = nullptr;
  HWND mdi_client = nullptr;
  // FormKind of the active child; 0 until the main window opens.
  int current_form_kind = 0;
};

ProgramState& Program();

// True for the FormKinds of the calculator forms (0 to 15).
inline bool IsCalculatorForm(int form_kind) { return form_kind >= 0 && form_kind < kMainWindowFormKind; }
