// The probe that the GUI tests hook into the program's interface thread
// (a WH_GETMESSAGE hook, loaded into the program by the system). It answers
// the requests of probe_protocol.h from inside the program, then turns the
// request into a null message so the program never sees it.
#include <windows.h>

#include <cwchar>
#include <string>

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

void Answer(WPARAM request, HWND window) {
  std::wstring reply;
  switch (request) {
    case probe::kReadMenu: reply = DescribeMenu(window); break;
    case probe::kReadFont: reply = DescribeFont(window); break;
    case probe::kReadIcon: reply = DescribeIcon(window); break;
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
