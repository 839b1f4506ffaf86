// The GUI test driver: starts the real Tessara.exe and works it from
// outside as a user would, through its windows, controls and keyboard.
//
// Every wait has a timeout, so a program that hangs fails its test instead
// of stalling the run. Commands and button presses are posted, never sent,
// so that a modal box opened by them cannot block the driver; reading a
// window's text is a message sent with a timeout.
//
// Typical use:
//   ui::TessaraProcess program;                  // starts Tessara.exe
//   HWND frame = program.WaitForStartedFrame();  // frame up, splash gone
//   ui::PostCommand(frame, 104);                 // About
//   HWND about = program.WaitForDialog(L"About");
//   EXPECT_EQ(ui::WindowText(ui::Control(about, 1006)), L"Version: 1.0.0.0");
//   ui::PressButton(ui::Control(about, IDOK));
//   EXPECT_EQ(program.CloseAll(), 0u);
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

using Milliseconds = std::chrono::milliseconds;

// Generous: a cold Wine start of the program can take several seconds.
inline constexpr Milliseconds kWaitTimeout{20000};
// How long a window must stay absent to count as "did not appear".
inline constexpr Milliseconds kQuietPeriod{1500};

// Polls condition until it holds (true) or the timeout passes (false).
bool WaitUntil(const std::function<bool()>& condition, Milliseconds timeout = kWaitTimeout);

// Windows paths of the program under test and of the files beside the test
// program (the probe and the fake help viewer).
std::wstring ProgramPath();
std::wstring BesideTestProgram(const std::wstring& file_name);

// --- The program's process ---------------------------------------------------

struct StartOptions {
  std::wstring program = ProgramPath();
  // Empty: the program's own folder.
  std::wstring working_directory;
};

class TessaraProcess {
 public:
  explicit TessaraProcess(const StartOptions& options = {});
  // Ends a program still running: a close request first, then termination.
  ~TessaraProcess();
  TessaraProcess(const TessaraProcess&) = delete;
  TessaraProcess& operator=(const TessaraProcess&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  bool running() const;
  // The exit code, or nothing when the program is still running at the timeout.
  std::optional<DWORD> WaitForExit(Milliseconds timeout = kWaitTimeout);

  // A visible top-level window of this process by class (and title, when
  // given); null at the timeout.
  HWND WaitForWindow(const wchar_t* class_name, const wchar_t* title = nullptr,
                     Milliseconds timeout = kWaitTimeout) const;
  // The same, right now.
  HWND FindWindowOfClass(const wchar_t* class_name, const wchar_t* title = nullptr) const;
  HWND WaitForFrame(Milliseconds timeout = kWaitTimeout) const;
  HWND WaitForSplash(Milliseconds timeout = kWaitTimeout) const;
  // A dialog box (a message box, the About box) of this process by title.
  HWND WaitForDialog(const wchar_t* title, Milliseconds timeout = kWaitTimeout) const;
  // Clicks the splash screen away when it is shown; true once it is gone.
  bool DismissSplash(Milliseconds timeout = kWaitTimeout) const;
  // The frame once the start-up is over: main window open, splash dismissed.
  HWND WaitForStartedFrame(Milliseconds timeout = kWaitTimeout) const;

  // Asks the frame to close and returns the exit code (nothing at timeout).
  std::optional<DWORD> CloseAll(Milliseconds timeout = kWaitTimeout);

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// --- Windows and controls -----------------------------------------------------

std::wstring ClassName(HWND window);
// The window's text through WM_GETTEXT (works across processes).
std::wstring WindowText(HWND window);
DWORD WindowStyle(HWND window);
// Outer size of a window in pixels.
SIZE WindowSize(HWND window);
bool WaitForWindowGone(HWND window, Milliseconds timeout = kWaitTimeout);
// True when the window's thread answers a message within the timeout.
bool Responsive(HWND window, Milliseconds timeout = Milliseconds{3000});

// The descendant of parent with a control identifier (-1 included).
HWND Control(HWND parent, int id);
HWND WaitForControl(HWND parent, int id, Milliseconds timeout = kWaitTimeout);
std::vector<HWND> ChildWindows(HWND parent);

HWND MdiClient(HWND frame);
std::vector<HWND> MdiChildren(HWND frame);
HWND FindMdiChild(HWND frame, const std::wstring& title);
HWND WaitForMdiChild(HWND frame, const std::wstring& title, Milliseconds timeout = kWaitTimeout);

// Input. Posted, so that a box opened in response cannot block the driver.
void PostCommand(HWND window, WORD command);
void PressButton(HWND button);
bool SetEditText(HWND edit, const std::wstring& text);
// Types the characters one by one, as the keyboard would.
void TypeText(HWND edit, const std::wstring& text);
// Selects an item of a drop-down list and tells its parent, as a user's
// choice would.
bool ChooseListItem(HWND combo, int index);
int ListSelection(HWND combo);
std::wstring ListItemText(HWND combo, int index);

// The control with the keyboard focus in the window's thread.
HWND FocusedWindow(HWND window_of_thread);
HWND ActiveWindow(HWND window_of_thread);
// Makes a top-level window the foreground window (for real key presses).
bool BringToForeground(HWND top_level);
// Presses a chord of virtual keys through the system's input (modifiers
// first): e.g. PressKeys({VK_MENU, VK_OEM_2}) for Alt+/. The keys go to the
// foreground window, which BringToForeground chooses.
bool PressKeys(const std::vector<WORD>& keys);

// --- Message boxes --------------------------------------------------------------

enum class BoxIcon { kNone, kError, kWarning, kInformation, kQuestion, kOther, kUnreadable };

struct MessageBoxContent {
  std::wstring title;
  std::wstring text;
  BoxIcon icon = BoxIcon::kUnreadable;
};

MessageBoxContent ReadMessageBox(HWND box);
// Presses the box's OK button.
bool PressOk(HWND box);

// --- Inside the program: the probe ---------------------------------------------

// Hooks the probe into the interface thread of a window's process to read
// what another process cannot: menus, fonts and message box icons.
class Probe {
 public:
  explicit Probe(HWND window_of_thread);
  ~Probe();
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;
  bool ready() const { return hook_ != nullptr; }
  // The probe's answer to a request about a window of the hooked thread.
  std::optional<std::wstring> Ask(unsigned request, HWND window,
                                  Milliseconds timeout = Milliseconds{5000});

 private:
  HMODULE module_ = nullptr;
  HHOOK hook_ = nullptr;
  HANDLE block_ = nullptr;
  HANDLE done_ = nullptr;
};

struct MenuEntry {
  int drop_down = 0;
  int item = -1;  // -1: the drop-down's own caption on the menu bar
  UINT command = 0;
  UINT state = 0;  // MF_GRAYED, MF_CHECKED, ... as the menu holds them
  std::wstring caption;
};

std::vector<MenuEntry> ReadMenu(HWND frame);
// The caption of the menu item with a command, or of drop-down d (item -1).
std::optional<std::wstring> MenuCaptionOfCommand(const std::vector<MenuEntry>& menu, UINT command);
std::optional<std::wstring> DropDownCaption(const std::vector<MenuEntry>& menu, int drop_down);

struct FontDescription {
  std::wstring face;
  int height = 0;
  int weight = 0;
  bool italic = false;
  int character_set = 0;
};

std::optional<FontDescription> ReadFont(HWND control);

// A text a control shows, measured inside the program with the control's
// own font and wrapping, and the room the control gives it (pixels).
struct TextMeasure {
  int control = 0;
  std::wstring kind;  // "label", "button", "check", "group" or "result"
  SIZE needed = {};
  SIZE room = {};
  std::wstring text;
  bool Fits() const { return needed.cx <= room.cx && needed.cy <= room.cy; }
};

// Every text of the window's controls (descendants included); nothing when
// the probe could not answer.
std::optional<std::vector<TextMeasure>> MeasureTexts(HWND window);

// --- The program's texts ----------------------------------------------------------

// The string tables of the program's file, read as data: the texts the
// program must show, looked up independently of its own code.
class ProgramTexts {
 public:
  explicit ProgramTexts(const std::wstring& program = ProgramPath());
  ~ProgramTexts();
  ProgramTexts(const ProgramTexts&) = delete;
  ProgramTexts& operator=(const ProgramTexts&) = delete;
  std::wstring Text(int string_id, int language_offset) const;

 private:
  HMODULE module_ = nullptr;
};

// --- Help ------------------------------------------------------------------------

// One call of the HTML Help entry as the fake viewer recorded it.
struct HelpCall {
  std::wstring file;
  unsigned command = 0;
  unsigned long long topic = 0;
  bool owner_is_desktop = false;
};

// Registers the fake help viewer (fake_help_viewer.dll beside the test
// program) as the HTML Help control for as long as it lives, so that the
// help requests of a program started meanwhile can be read back. Restores
// the previous registration afterwards.
class FakeHelpViewer {
 public:
  FakeHelpViewer();
  ~FakeHelpViewer();
  FakeHelpViewer(const FakeHelpViewer&) = delete;
  FakeHelpViewer& operator=(const FakeHelpViewer&) = delete;
  bool registered() const { return registered_; }
  std::vector<HelpCall> Calls() const;
  // Waits until at least count calls were recorded.
  std::vector<HelpCall> WaitForCalls(size_t count, Milliseconds timeout = kWaitTimeout) const;

 private:
  bool registered_ = false;
  bool had_previous_ = false;
  std::wstring previous_;
  std::wstring log_path_;
};

// --- The test prefix --------------------------------------------------------------

// Prepares the Wine prefix the tests run in, for the programs they start
// from then on: the windows are left unmanaged (there is no window manager
// on the test display: Wine would wait two seconds for one at every
// top-level window that goes away). The faces come with the prefix's
// template (scripts/wine-template.sh).
void PrepareWinePrefix();

// Primary language of this process's user locale (the program's is the same:
// it inherits the Wine session's locale).
WORD UserPrimaryLanguage();

}  // namespace ui
