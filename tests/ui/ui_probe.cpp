// The probe that the GUI tests hook into the program's interface thread
// (a WH_GETMESSAGE hook, loaded into the program by the system). It answers
// the requests of probe_protocol.h from inside the program, then turns the
// request into a null message so the program never sees it.
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "probe_protocol.h"

namespace {

std::wstring MenuCaption(HMENU menu, UINT position) {
  wchar_t caption[512] = L"";
  GetMenuStringW(menu, position, caption, 512, MF_BYPOSITION);
  return caption;
}

std::wstring DescribeMenu(HWND window) {
  std::wstring reply;
  HMENU bar = GetMenu(window);
  const int drop_downs = bar != nullptr ? GetMenuItemCount(bar) : 0;
  for (int d = 0; d < drop_downs; ++d) {
    HMENU drop_down = GetSubMenu(bar, d);
    reply += std::to_wstring(d) + L"\t-1\t" + std::to_wstring(GetMenuItemID(bar, d)) + L"\t" +
             std::to_wstring(GetMenuState(bar, static_cast<UINT>(d), MF_BYPOSITION)) + L"\t" +
             MenuCaption(bar, d) + L"\n";
    const int items = drop_down != nullptr ? GetMenuItemCount(drop_down) : 0;
    for (int i = 0; i < items; ++i) {
      reply += std::to_wstring(d) + L"\t" + std::to_wstring(i) + L"\t" +
               std::to_wstring(GetMenuItemID(drop_down, i)) + L"\t" +
               std::to_wstring(GetMenuState(drop_down, static_cast<UINT>(i), MF_BYPOSITION)) +
               L"\t" + MenuCaption(drop_down, i) + L"\n";
    }
  }
  return reply;
}

std::wstring DescribeFont(HWND control) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  LOGFONTW description = {};
  if (font == nullptr || GetObjectW(font, sizeof(description), &description) == 0) return L"";
  return std::wstring(description.lfFaceName) + L"\t" + std::to_wstring(description.lfHeight) +
         L"\t" + std::to_wstring(description.lfWeight) + L"\t" +
         std::to_wstring(description.lfItalic) + L"\t" + std::to_wstring(description.lfCharSet);
}

std::wstring DescribeIcon(HWND control) {
  HICON icon = reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0));
  if (icon == nullptr || !IsWindowVisible(control)) return L"none";
  const struct {
    const wchar_t* resource;
    const wchar_t* name;
  } kinds[] = {{IDI_ERROR, L"error"},
               {IDI_WARNING, L"warning"},
               {IDI_INFORMATION, L"information"},
               {IDI_QUESTION, L"question"}};
  for (const auto& kind : kinds) {
    if (LoadIconW(nullptr, kind.resource) == icon) return kind.name;
  }
  return L"other";
}

// --- Text fit ---------------------------------------------------------------

BOOL CALLBACK CollectDescendant(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring Escaped(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    if (c == L'\t') escaped += L"\\t";
    else if (c == L'\n') escaped += L"\\n";
    else if (c == L'\r') escaped += L"\\r";
    else escaped += c;
  }
  return escaped;
}

// How a control draws its text: the kind reported, the DrawText wrapping
// and the room inside the control, as Wine's and Windows' controls lay
// them out. False for controls that show no text of their own.
struct TextRoom {
  const wchar_t* kind;
  UINT format;
  RECT room;
};

bool RoomOfControl(HWND control, TextRoom& text_room) {
  const std::wstring class_name = ClassOf(control);
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  RECT client = {};
  GetClientRect(control, &client);
  text_room.room = client;
  if (_wcsicmp(class_name.c_str(), L"Static") == 0) {
    const DWORD type = style & SS_TYPEMASK;
    const UINT prefix = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
    text_room.kind = L"label";
    if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
      text_room.format = DT_WORDBREAK | DT_EXPANDTABS | prefix;
      return true;
    }
    if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP) {
      text_room.format = DT_SINGLELINE | DT_EXPANDTABS | prefix;
      return true;
    }
    return false;  // icons, bitmaps, frames and lines
  }
  if (_wcsicmp(class_name.c_str(), L"Button") == 0) {
    const DWORD type = style & BS_TYPEMASK;
    const UINT wrapping = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    switch (type) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON:
        // Across: the raised edge (2 pixels) and the focus rectangle's gap
        // (1) on each side; the text's line may use the whole height.
        text_room.kind = L"button";
        text_room.format = wrapping;
        InflateRect(&text_room.room, -3, 0);
        return true;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON:
        // The 13-pixel box or circle and the gap after it.
        text_room.kind = L"check";
        text_room.format = wrapping;
        text_room.room.left += 13 + 4;
        return true;
      case BS_GROUPBOX:
        // The caption sits on the frame line, indented past its corner on
        // both sides.
        text_room.kind = L"group";
        text_room.format = DT_SINGLELINE;
        InflateRect(&text_room.room, -8, 0);
        return true;
      default: return false;  // owner-drawn and user buttons
    }
  }
  if (_wcsicmp(class_name.c_str(), L"Edit") == 0 && (style & ES_READONLY)) {
    text_room.kind = L"result";
    text_room.format = (style & ES_MULTILINE) ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text_room.room));
    return true;
  }
  return false;
}

std::wstring MeasureTexts(HWND window) {
  std::vector<HWND> controls;
  EnumChildWindows(window, CollectDescendant, reinterpret_cast<LPARAM>(&controls));
  std::wstring reply;
  HDC screen = GetDC(window);
  for (HWND control : controls) {
    TextRoom text_room = {};
    if (!RoomOfControl(control, text_room)) continue;
    const std::wstring text = TextOf(control);
    if (text.empty()) continue;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(screen, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    const LONG room_width = text_room.room.right - text_room.room.left;
    const LONG room_height = text_room.room.bottom - text_room.room.top;
    RECT needed = {0, 0, room_width, 0};
    std::wstring drawn = text;
    DrawTextW(screen, drawn.data(), static_cast<int>(drawn.size()), &needed,
              text_room.format | DT_CALCRECT);
    SelectObject(screen, previous);
    reply += std::to_wstring(static_cast<short>(GetDlgCtrlID(control))) + L"\t" + text_room.kind +
             L"\t" + std::to_wstring(needed.right - needed.left) + L"\t" +
             std::to_wstring(needed.bottom - needed.top) + L"\t" + std::to_wstring(room_width) +
             L"\t" + std::to_wstring(room_height) + L"\t" + Escaped(text) + L"\n";
  }
  ReleaseDC(window, screen);
  return reply;
}

void Answer(WPARAM request, HWND window) {
  std::wstring reply;
  switch (request) {
    case probe::kReadMenu: reply = DescribeMenu(window); break;
    case probe::kReadFont: reply = DescribeFont(window); break;
    case probe::kReadIcon: reply = DescribeIcon(window); break;
    case probe::kMeasureTexts: reply = MeasureTexts(window); break;
    default: break;
  }
  const DWORD process = GetCurrentProcessId();
  HANDLE block = OpenFileMappingW(FILE_MAP_WRITE, FALSE, probe::ReplyBlockName(process).c_str());
  HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, probe::ReplyEventName(process).c_str());
  if (block != nullptr && done != nullptr) {
    if (auto* view = static_cast<probe::ReplyBlock*>(
            MapViewOfFile(block, FILE_MAP_WRITE, 0, 0, sizeof(probe::ReplyBlock)))) {
      lstrcpynW(view->text, reply.c_str(), probe::kReplyCapacity);
      UnmapViewOfFile(view);
      SetEvent(done);
    }
  }
  if (done != nullptr) CloseHandle(done);
  if (block != nullptr) CloseHandle(block);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK TessaraUiProbeHook(int code, WPARAM removal,
                                                                      LPARAM message_address) {
  static const UINT request_message = RegisterWindowMessageW(probe::kRequestMessageName);
  auto* message = reinterpret_cast<MSG*>(message_address);
  if (code == HC_ACTION && removal == PM_REMOVE && message->message == request_message) {
    Answer(message->wParam, reinterpret_cast<HWND>(message->lParam));
    message->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removal, message_address);
}
