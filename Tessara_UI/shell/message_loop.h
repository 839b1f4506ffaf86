// The program's one message loop: MDI system keys, the frame's
// accelerators, then the dialog keyboard handling (Tab, arrows, Enter,
// Escape) of the form under the focus, then plain dispatch.
#pragma once

#include <windows.h>

// Runs until the quit message; returns its exit code.
int RunMessageLoop(HACCEL accelerators);
