// The main window (FormKind 16): the four families of calculations
// described on the left, one button per calculator form on the right.
#pragma once

#include <windows.h>

// Creates headings, descriptions, separators and the sixteen buttons; a
// button whose form is not built yet is disabled. Returns the first button.
HWND BuildMainWindow(HWND window);

// Buttons 3001 to 3016 open (or bring forward) their form; nothing else is
// taken.
bool HandleMainWindowCommand(HWND window, WORD command, WORD notification);
