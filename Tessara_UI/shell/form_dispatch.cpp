#include "form_dispatch.h"

// The calculator forms and the main window's controls plug in here as they
// are built: until then every child opens empty and leaves its commands to
// the default processing (Escape still closes it, in the child window
// procedure).

HWND BuildForm(HWND, int) { return nullptr; }

bool DispatchFormCommand(HWND, int, WORD, WORD) { return false; }
