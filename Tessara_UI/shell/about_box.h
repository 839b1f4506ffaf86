// The About box: the program's description, credits, version and copyright
// in the chosen language, in a modal dialog (resource 103) owned by the frame.
#pragma once

#include <windows.h>

// Returns when the user presses OK, Enter or Escape, or closes the box.
void ShowAboutBox(HWND owner);
