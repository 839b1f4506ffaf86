#include "child_window.h"

#include <cwchar>

#include "catalogue.h"
#include "form_colours.h"
#include "form_dispatch.h"
#include "form_registry.h"
#include "program_state.h"
#include "string_ids.h"

namespace {

constexpr int kFormWidth = 745;
constexpr int kFormHeight = 460;
constexpr int kMainWindowWidth = 820;
constexpr int kMainWindowHeight = 580;

// The control a form's build returned: focused at the child's first
// activation, then forgotten.
HWND g_pending_focus = nullptr;

bool IsChildOfOurClass(HWND window) {
  wchar_t class_name[kNameCapacity] = L"";
  GetClassNameW(window, class_name, kNameCapacity);
  return wcscmp(class_name, Program().child_class) == 0;
}

HWND ChildTitled(const wchar_t* title) {
  for (HWND child = GetWindow(Program().mdi_client, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsChildOfOurClass(child)) continue;
    wchar_t text[kShortTextCapacity] = L"";
    GetWindowTextW(child, text, kShortTextCapacity);
    if (wcscmp(text, title) == 0) return child;
  }
  return nullptr;
}

void BringForward(HWND child) {
  if (IsIconic(child)) {
    SendMessageW(Program().mdi_client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  } else {
    SendMessageW(Program().mdi_client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
  }
}

FormState* StateOf(HWND child) {
  return reinterpret_cast<FormState*>(GetWindowLongPtrW(child, kFormStateOffset));
}

// The main window lives as long as the frame: it has no Close in its system
// menu, and Escape or Ctrl+F4 leave it open.
bool IsMainWindow(HWND child) {
  const FormState* state = StateOf(child);
  return state != nullptr && !IsCalculatorForm(state->form_kind);
}

void OnActivation(HWND window, HWND activated) {
  if (activated != window) return;
  if (const FormState* state = StateOf(window)) Program().current_form_kind = state->form_kind;
  SetFocus(window);
  if (g_pending_focus != nullptr) {
    SetFocus(g_pending_focus);
    g_pending_focus = nullptr;
  }
}

LRESULT OnCommand(HWND window, WPARAM wparam, LPARAM lparam) {
  const int form_kind = Program().current_form_kind;
  FindForm(form_kind);
  const WORD command = LOWORD(wparam);
  const WORD notification = HIWORD(wparam);
  if (command == IDCANCEL) {
    // Escape, through the dialog keyboard handling: a form goes away; the
    // main window stays, since nothing could bring it back.
    if (IsMainWindow(window)) return 0;
    FreeFormState(window);
    SendMessageW(Program().mdi_client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
    return 0;
  }
  if (DispatchFormCommand(window, form_kind, command, notification)) return 0;
  if (DispatchFormCommand(window, kMainWindowFormKind, command, notification)) return 0;
  return DefMDIChildProcW(window, WM_COMMAND, wparam, lparam);
}

}  // namespace

void FreeFormState(HWND child) {
  HGLOBAL state = reinterpret_cast<HGLOBAL>(GetWindowLongPtrW(child, kFormStateOffset));
  if (state == nullptr) return;
  SetWindowLongPtrW(child, kFormStateOffset, 0);
  GlobalFree(state);
}

HWND FindForm(int form_kind) {
  wchar_t title[kShortTextCapacity];
  LoadText(IDS_FORM_TITLE_FIRST + form_kind, title, kShortTextCapacity);
  HWND child = ChildTitled(title);
  if (child != nullptr) BringForward(child);
  return child;
}

HWND OpenForm(int form_kind) {
  ProgramState& program = Program();
  program.current_form_kind = form_kind;
  wchar_t title[kShortTextCapacity];
  LoadText(IDS_FORM_TITLE_FIRST + form_kind, title, kShortTextCapacity);
  if (HWND open = ChildTitled(title)) {
    BringForward(open);
    return open;
  }
  const bool main_window = !IsCalculatorForm(form_kind);
  MDICREATESTRUCTW creation = {};
  creation.szClass = program.child_class;
  creation.szTitle = title;
  creation.hOwner = program.instance;
  creation.x = main_window ? 0 : CW_USEDEFAULT;
  creation.y = main_window ? 0 : CW_USEDEFAULT;
  creation.cx = main_window ? kMainWindowWidth : kFormWidth;
  creation.cy = main_window ? kMainWindowHeight : kFormHeight;
  HWND child = reinterpret_cast<HWND>(
      SendMessageW(program.mdi_client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&creation)));
  if (child == nullptr) return nullptr;
  auto* state = static_cast<FormState*>(GlobalAlloc(GPTR, sizeof(FormState)));
  if (state != nullptr) state->form_kind = form_kind;
  SetWindowLongPtrW(child, kFormStateOffset, reinterpret_cast<LONG_PTR>(state));
  SetWindowLongPtrW(child, kChildHandleOffset, reinterpret_cast<LONG_PTR>(child));
  return child;
}

LRESULT CALLBACK ChildWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      g_pending_focus = BuildForm(window, Program().current_form_kind);
      break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_SYSCOMMAND:
      // Ctrl+F4 asks the active child to close.
      if ((wparam & 0xFFF0) == SC_CLOSE && IsMainWindow(window)) return 0;
      break;
    case WM_CLOSE:
      if (IsMainWindow(window)) return 0;
      FreeFormState(window);
      break;
    case WM_COMMAND:
      return OnCommand(window, wparam, lparam);
    case DM_GETDEFID: {
      // Asked by the dialog keyboard handling when the user presses Enter.
      const int run_button = DefaultButtonOf(Program().current_form_kind, window);
      if (run_button != 0) return MAKELRESULT(run_button, DC_HASDEFID);
      break;
    }
    case WM_MDIACTIVATE:
      OnActivation(window, reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(AnswerColourRequest(message, reinterpret_cast<HDC>(wparam)));
    default:
      break;
  }
  return DefMDIChildProcW(window, message, wparam, lparam);
}
