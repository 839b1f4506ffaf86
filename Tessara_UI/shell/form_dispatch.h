// The two operations through which the child windows reach their form: the
// build that creates a form's controls and the handler of its commands.
// Every FormKind outside 0 to 15 is the main window.
#pragma once

#include <windows.h>

// Creates the controls of the FormKind in window; returns the control that
// takes the focus first (null when the form has none).
HWND BuildForm(HWND window, int form_kind);

// Passes a command to the FormKind's handler; true when it was handled.
bool DispatchFormCommand(HWND window, int form_kind, WORD command, WORD notification);
