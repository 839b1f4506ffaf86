// The MDI frame window: its fonts, MDI client and menu captions at
// creation, its commands, the F1 help request and closing.
#pragma once

#include <windows.h>

LRESULT CALLBACK FrameWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Identifier of the MDI client and of the first child in its window list.
constexpr int kMdiClientId = 3244;
constexpr int kFirstChildId = 3000;
// Sent to a form's command handler by F1: open the form's own help topic.
constexpr WORD kFormHelpCommand = 1025;
