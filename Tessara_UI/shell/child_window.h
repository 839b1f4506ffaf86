// The MDI children: every calculator form and the main window are windows of
// the one child class, told apart by the FormKind in their FormState.
#pragma once

#include <windows.h>

// The child's extra window bytes: three pointer-sized slots. On 32-bit
// Windows that is the classic 12 bytes (offsets 0, 4, 8); on 64-bit Windows
// a slot must hold a 64-bit address, so the slots are 8 bytes wide there.
constexpr int kChildHandleOffset = 0;                    // the child itself
constexpr int kFormStateOffset = sizeof(LONG_PTR);       // its FormState, or 0
constexpr int kUnusedSlotOffset = 2 * sizeof(LONG_PTR);  // always 0
constexpr int kChildExtraBytes = 3 * sizeof(LONG_PTR);

// A child's record of its FormKind, allocated zero-filled from the global
// heap when the child opens and freed when it goes away.
struct FormState {
  int form_kind;
};

LRESULT CALLBACK ChildWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Opens the form of a FormKind, or brings it forward (restoring it when
// minimized) when it is already open; returns its window (null when it
// could not be created).
HWND OpenForm(int form_kind);

// The open window of a FormKind, restored or activated; null when that form
// is not open.
HWND FindForm(int form_kind);

// Frees a child's FormState, once: the slot is cleared.
void FreeFormState(HWND child);
