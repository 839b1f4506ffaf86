#include "message_loop.h"

#include <cwchar>

#include "child_window.h"
#include "program_state.h"

namespace {

bool IsOurChild(HWND window) {
  wchar_t class_name[kNameCapacity] = L"";
  GetClassNameW(window, class_name, kNameCapacity);
  return wcscmp(class_name, Program().child_class) == 0;
}

// Gives the message to the dialog keyboard handling of the child it is
// meant for (a child only takes the messages of itself and its controls).
bool TakenByChildDialogKeys(MSG& message) {
  HWND mdi_client = Program().mdi_client;
  if (mdi_client == nullptr || !IsWindow(mdi_client)) return false;
  for (HWND child = GetWindow(mdi_client, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsOurChild(child)) continue;
    HWND dialog = reinterpret_cast<HWND>(GetWindowLongPtrW(child, kChildHandleOffset));
    if (dialog != nullptr && IsDialogMessageW(dialog, &message)) return true;
  }
  return false;
}

}  // namespace

int RunMessageLoop(HACCEL accelerators) {
  MSG message = {};
  // GetMessage gives -1 on an invalid call: treated as the end, not a message.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const ProgramState& program = Program();
    if (program.mdi_client != nullptr && TranslateMDISysAccel(program.mdi_client, &message)) continue;
    if (accelerators != nullptr && TranslateAcceleratorW(program.frame, accelerators, &message)) continue;
    if (TakenByChildDialogKeys(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
