#include "frame_window.h"

#include <cwchar>

#include "about_box.h"
#include "catalogue.h"
#include "child_window.h"
#include "form_dispatch.h"
#include "form_fonts.h"
#include "help_viewer.h"
#include "program_state.h"
#include "report_commands.h"
#include "resource.h"
#include "string_ids.h"

namespace {

void SetMenuCaption(HMENU menu, UINT item, bool by_position, int string_id) {
  wchar_t caption[kShortTextCapacity];
  LoadText(string_id, caption, kShortTextCapacity);
  MENUITEMINFOW info = {};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STRING;
  info.dwTypeData = caption;
  SetMenuItemInfoW(menu, item, by_position ? TRUE : FALSE, &info);
}

// Only the captions change: the drop-downs keep their items and commands,
// and the first keeps the MDI window list.
void SetMenuCaptions(HWND frame) {
  HMENU menu = GetMenu(frame);
  if (menu == nullptr) return;
  SetMenuCaption(menu, 0, true, IDS_MENU_FILE);
  SetMenuCaption(menu, 1, true, IDS_HELP);
  SetMenuCaption(menu, IDM_COPY_RESULTS, false, IDS_MENU_COPY_RESULTS);
  SetMenuCaption(menu, IDM_SAVE_RESULTS, false, IDS_MENU_SAVE_RESULTS);
  SetMenuCaption(menu, IDM_PRINT_RESULTS, false, IDS_MENU_PRINT_RESULTS);
  SetMenuCaption(menu, IDM_EXIT, false, IDS_MENU_EXIT);
  SetMenuCaption(menu, IDM_HELP_GENERAL, false, IDS_HELP);
  SetMenuCaption(menu, IDM_ABOUT, false, IDS_ABOUT_CAPTION);
  DrawMenuBar(frame);
}

HWND CreateMdiClient(HWND frame) {
  CLIENTCREATESTRUCT client = {};
  client.hWindowMenu = GetSubMenu(GetMenu(frame), 0);
  client.idFirstChild = kFirstChildId;
  HWND mdi_client = CreateWindowExW(
      0, L"mdiclient", nullptr, WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
      frame, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMdiClientId)), Program().instance,
      &client);
  if (mdi_client != nullptr) ShowWindow(mdi_client, SW_SHOW);
  return mdi_client;
}

void OnCreate(HWND frame) {
  ProgramState& program = Program();
  program.frame = frame;
  CreateFormFonts(FontCharacterSet(GetLanguageOffset()));
  program.mdi_client = CreateMdiClient(frame);
  SetMenuCaptions(frame);
}

// A choice from the first drop-down (the MDI window list, or Exit) makes
// the form whose title its caption shows the current FormKind.
void FollowWindowListChoice(HWND frame, WORD command) {
  HMENU file_menu = GetSubMenu(GetMenu(frame), 0);
  if (file_menu == nullptr) return;
  const int count = GetMenuItemCount(file_menu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(file_menu, position) != command) continue;
    wchar_t caption[kShortTextCapacity] = L"";
    GetMenuStringW(file_menu, position, caption, kShortTextCapacity, MF_BYPOSITION);
    for (int form_kind = 0; form_kind <= kMainWindowFormKind; ++form_kind) {
      wchar_t title[kShortTextCapacity];
      LoadText(IDS_FORM_TITLE_FIRST + form_kind, title, kShortTextCapacity);
      // An empty title would occur in every caption.
      if (title[0] != L'\0' && wcsstr(caption, title) != nullptr) {
        Program().current_form_kind = form_kind;
        return;
      }
    }
    return;
  }
}

void RunCurrentForm() {
  const int form_kind = Program().current_form_kind;
  if (!IsCalculatorForm(form_kind)) return;
  if (HWND form = FindForm(form_kind)) DispatchFormCommand(form, form_kind, IDM_RUN_FORM, 0);
}

LRESULT OnCommand(HWND frame, WPARAM wparam, LPARAM lparam) {
  const WORD command = LOWORD(wparam);
  FollowWindowListChoice(frame, command);
  switch (command) {
    case IDM_HELP_GENERAL:
      ShowHelp(kGeneralHelpTopic);
      return 0;
    case IDM_ABOUT:
      ShowAboutBox(frame);
      return 0;
    case IDM_EXIT:
      DestroyWindow(frame);
      return 0;
    case IDM_RUN_FORM:
      RunCurrentForm();
      return 0;
    case IDM_COPY_RESULTS:
      if (HWND form = FormWithCurrentResults()) CopyResults(form);
      return 0;
    case IDM_SAVE_RESULTS:
      if (HWND form = FormWithCurrentResults()) SaveResults(form);
      return 0;
    case IDM_PRINT_RESULTS:
      if (HWND form = FormWithCurrentResults()) PrintResults(form);
      return 0;
    default:
      return DefFrameProcW(frame, Program().mdi_client, WM_COMMAND, wparam, lparam);
  }
}

void OnHelpRequest() {
  const int form_kind = Program().current_form_kind;
  if (IsCalculatorForm(form_kind)) {
    DispatchFormCommand(FindForm(form_kind), form_kind, kFormHelpCommand, 0);
  } else {
    ShowHelp(kGeneralHelpTopic);
  }
}

void OnClose(HWND frame) {
  ProgramState& program = Program();
  for (HWND child = GetWindow(program.mdi_client, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindow(child, GW_OWNER) == nullptr) FreeFormState(child);
  }
  if (program.library != nullptr) FreeLibrary(program.library);
  program.library = nullptr;
  DeleteFormFonts();
  DestroyWindow(frame);
}

}  // namespace

LRESULT CALLBACK FrameWindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_COMMAND:
      return OnCommand(window, wparam, lparam);
    case WM_INITMENUPOPUP:
      // The report commands act on the active form's current results only.
      EnableReportCommands(GetMenu(window));
      return DefFrameProcW(window, Program().mdi_client, message, wparam, lparam);
    case WM_HELP:
      OnHelpRequest();
      return TRUE;
    case WM_CLOSE:
      OnClose(window);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefFrameProcW(window, Program().mdi_client, message, wparam, lparam);
  }
}
