// The start of the program: splash screen, language, refusal of a second
// copy, window classes, the library, the frame and the main window, then
// the message loop.
#pragma once

#include <windows.h>

// Returns the exit code of the message loop, or 0 when start-up fails.
int RunProgram(HINSTANCE instance, int show_state);
