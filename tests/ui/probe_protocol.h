// What the GUI tests ask the probe that they hook into the program's
// interface thread: the things a user sees but another process cannot read
// on every platform (menus, the font of a control, the icon of a message
// box). The test posts the registered message to a window of the thread,
// with the request in wParam and its window in lParam; the probe answers in
// a named shared block and signals a named event.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

inline constexpr wchar_t kRequestMessageName[] = L"Tessara.UiProbe.Request";
inline constexpr char kHookProcedureName[] = "TessaraUiProbeHook";

enum Request : WPARAM {
  // Menu of the window: one line per drop-down "d\t-1\tcommand\tstate\tcaption"
  // and per item "d\ti\tcommand\tstate\tcaption" (state as GetMenuState gives
  // it; an empty caption for a separator; a caption may hold a tab).
  kReadMenu = 1,
  // Font of the control: "face\theight\tweight\titalic\tcharset", or empty.
  kReadFont = 2,
  // Icon of a static control: "none", "error", "warning", "information",
  // "question" or "other".
  kReadIcon = 3,
  // Every text a control of the window shows, measured with the control's
  // own font and wrapping against the room the control gives it: one line
  // per control "id\tkind\tneeded width\tneeded height\troom width\t
  // room height\ttext", the text with tabs and line breaks written \t,
  // \n and \r. Kinds: "label", "button", "check", "group", "result".
  kMeasureTexts = 4,
};

inline constexpr int kReplyCapacity = 65536;

struct ReplyBlock {
  wchar_t text[kReplyCapacity];
};

inline std::wstring ReplyBlockName(DWORD process_id) {
  return L"Local\\TessaraUiProbeReply-" + std::to_wstring(process_id);
}

inline std::wstring ReplyEventName(DWORD process_id) {
  return L"Local\\TessaraUiProbeDone-" + std::to_wstring(process_id);
}

}  // namespace probe
