// A calculator form as the framework sees it: its control table and what is
// particular to it (reading its inputs and running them, and any commands
// of its own, such as browse buttons). Building, Run and Ctrl+R, Help and
// F1 are the same for every form and live here once.
#pragma once

#include <windows.h>

#include "form_table.h"

struct TableForm {
  int form_kind;
  const FormTable* table;
  // Reads the inputs and, when they pass, runs the calculation.
  void (*read_and_run)(HWND form);
  // Commands of the form's own (browse buttons, ...); may be null.
  bool (*more_commands)(HWND form, WORD command, WORD notification);
  // The button Enter presses where that depends on the field the user is
  // typing in (two calculators side by side); null: the table's Run button.
  int (*enter_button)(HWND form) = nullptr;
};

// Creates every control of the table in order and returns the control that
// takes the focus first.
HWND BuildTableForm(HWND form, const TableForm& definition);

// Called by a run when it has shown its results: the form's report
// commands then apply to them.
void NoteResultsShown();

// Run button or Ctrl+R: read and run; Help button or F1: the form's help
// topic; then the form's own commands. False for anything else.
bool HandleTableFormCommand(HWND form, const TableForm& definition, WORD command,
                            WORD notification);
