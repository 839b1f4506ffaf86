#include "startup.h"

#include "catalogue.h"
#include "child_window.h"
#include "frame_window.h"
#include "language_choice.h"
#include "message_loop.h"
#include "program_state.h"
#include "resource.h"
#include "splash_screen.h"
#include "string_ids.h"

namespace {

constexpr wchar_t kLibraryFileName[] = L"Tessara.dll";
constexpr wchar_t kStartingStatus[] = L"Starting application...";
constexpr UINT kSplashDisplayMs = 5000;
constexpr int kFrameWidth = 950;
constexpr int kFrameHeight = 700;

// Fixed texts: they must be shown even when nothing else works.
int FailStartup() {
  MessageBoxW(nullptr, L"ERROR Initializing Application!", L"Tessara Error", MB_OK | MB_ICONERROR);
  return 0;
}

void ChooseLanguageFromUserLocale() {
  const LanguageChoice choice = ChooseLanguage(PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())));
  ProgramState& program = Program();
  SetLanguageOffset(choice.language_offset);
  lstrcpynW(program.help_file, choice.help_file, kNameCapacity);
  lstrcpynW(program.list_separator, choice.list_separator, kListSeparatorCapacity);
  // The locales whose list separator is ";" are those that write a decimal comma.
  program.decimal_style =
      lstrcmpW(choice.list_separator, L";") == 0 ? DecimalStyle::CommaToo : DecimalStyle::PointOnly;
}

// A copy already running is brought forward instead of a second one.
bool BroughtForwardRunningCopy() {
  HWND running = FindWindowW(Program().frame_class, nullptr);
  if (running == nullptr) return false;
  if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
  SetForegroundWindow(running);
  return true;
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure, int extra_bytes,
                         const wchar_t* menu, const wchar_t* name) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = procedure;
  window_class.cbWndExtra = extra_bytes;
  window_class.hInstance = instance;
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TESSARA));
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszMenuName = menu;
  window_class.lpszClassName = name;
  return RegisterClassW(&window_class) != 0;
}

}  // namespace

int RunProgram(HINSTANCE instance, int show_state) {
  CSplashScreen::Show(nullptr, kStartingStatus, kSplashDisplayMs);
  ProgramState& program = Program();
  LoadText(instance, IDS_WINDOW_TITLE, program.window_title, kNameCapacity);
  LoadText(instance, IDS_FRAME_CLASS, program.frame_class, kNameCapacity);
  LoadText(instance, IDS_CHILD_CLASS, program.child_class, kNameCapacity);
  ChooseLanguageFromUserLocale();
  if (BroughtForwardRunningCopy()) return FailStartup();

  if (!RegisterWindowClass(instance, FrameWindowProcedure, 0,
                           MAKEINTRESOURCEW(IDR_FRAME_MENU), program.frame_class) ||
      !RegisterWindowClass(instance, ChildWindowProcedure, kChildExtraBytes, nullptr,
                           program.child_class)) {
    return FailStartup();
  }
  program.instance = instance;
  program.library = LoadLibraryW(kLibraryFileName);
  if (program.library == nullptr) return FailStartup();

  HWND frame = CreateWindowExW(0, program.frame_class, program.window_title, WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, CW_USEDEFAULT, kFrameWidth, kFrameHeight, nullptr,
                               nullptr, instance, nullptr);
  if (frame == nullptr || program.mdi_client == nullptr) return FailStartup();
  ShowWindow(frame, show_state);
  UpdateWindow(frame);
  OpenForm(kMainWindowFormKind);
  return RunMessageLoop(LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_FRAME_ACCELERATORS)));
}
