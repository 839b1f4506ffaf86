// Start-up and shutdown of the real program: splash, frame, main window,
// menu, the refusal of a second copy and of a start without the library.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "gui_test_support.h"

namespace {

using std::chrono::steady_clock;
using ui::Milliseconds;

constexpr wchar_t kFailureTitle[] = L"Tessara Error";
constexpr wchar_t kFailureText[] = L"ERROR Initializing Application!";

TEST(StartUp, ShowsTheSplashScreenBeforeTheFrame) {
  ui::TessaraProcess program;
  ASSERT_TRUE(program.started());
  HWND splash = program.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  // The picture's size, no caption text, kept above the other windows.
  const SIZE size = ui::WindowSize(splash);
  EXPECT_EQ(size.cx, 692);
  EXPECT_EQ(size.cy, 413);
  EXPECT_EQ(ui::WindowText(splash), L"");
  EXPECT_TRUE(GetWindowLongW(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(ui::WindowStyle(splash) & WS_POPUP);
  EXPECT_NE(program.WaitForStartedFrame(), nullptr);
  EXPECT_EQ(program.CloseAll(), std::optional<DWORD>(0));
}

TEST(StartUp, SplashScreenGoesAwayByItselfAfterFiveSeconds) {
  ui::TessaraProcess program;
  ASSERT_TRUE(program.started());
  HWND splash = program.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  const auto seen = steady_clock::now();
  ASSERT_TRUE(ui::WaitForWindowGone(splash, Milliseconds{15000}));
  const auto shown_for = std::chrono::duration_cast<Milliseconds>(steady_clock::now() - seen);
  // It was seen a little after it was created, so somewhat under 5 s.
  EXPECT_GE(shown_for.count(), 4000);
  EXPECT_LE(shown_for.count(), 8000);
  EXPECT_EQ(program.CloseAll(), std::optional<DWORD>(0));
}

TEST(StartUp, SplashScreenGoesAwayAtAClick) {
  ui::TessaraProcess program;
  ASSERT_TRUE(program.started());
  HWND splash = program.WaitForSplash();
  ASSERT_NE(splash, nullptr);
  ASSERT_NE(program.WaitForFrame(), nullptr);
  const auto clicked = steady_clock::now();
  PostMessageW(splash, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
  ASSERT_TRUE(ui::WaitForWindowGone(splash, Milliseconds{3000}));
  EXPECT_LT(steady_clock::now() - clicked, Milliseconds{3000});
  EXPECT_EQ(program.CloseAll(), std::optional<DWORD>(0));
}

class RunningProgram : public StartedProgram {};

TEST_F(RunningProgram, FrameHasItsClassTitleSizeAndMdiClient) {
  EXPECT_EQ(ui::ClassName(frame_), L"TESSARA");
  EXPECT_EQ(ui::WindowText(frame_), L"Tessara");
  const SIZE size = ui::WindowSize(frame_);
  EXPECT_EQ(size.cx, 950);
  EXPECT_EQ(size.cy, 700);
  EXPECT_EQ(ui::WindowStyle(frame_) & WS_OVERLAPPEDWINDOW, static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
  HWND client = ui::MdiClient(frame_);
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(GetDlgCtrlID(client), 3244);
  EXPECT_TRUE(ui::WindowStyle(client) & WS_CLIPSIBLINGS);
  ExpectCleanClose();
}

TEST_F(RunningProgram, OpensTheMainWindowAsAnMdiChildAtTheTopLeft) {
  HWND main_window = ui::WaitForMdiChild(frame_, L"Tessara - Main");
  ASSERT_NE(main_window, nullptr);
  EXPECT_EQ(ui::ClassName(main_window), L"TESSARACHILD");
  const SIZE size = ui::WindowSize(main_window);
  EXPECT_EQ(size.cx, 820);
  EXPECT_EQ(size.cy, 580);
  RECT placed = {};
  GetWindowRect(main_window, &placed);
  MapWindowPoints(HWND_DESKTOP, ui::MdiClient(frame_), reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 0);
  EXPECT_EQ(ui::MdiChildren(frame_).size(), 1u);
  ExpectCleanClose();
}

TEST_F(RunningProgram, MenuCaptionsComeFromTheCatalogue) {
  const std::vector<ui::MenuEntry> menu = ui::ReadMenu(frame_);
  ASSERT_FALSE(menu.empty()) << "the probe could not read the frame's menu";
  EXPECT_EQ(ui::DropDownCaption(menu, 0), L"&File");
  EXPECT_EQ(ui::DropDownCaption(menu, 1), L"&Help");
  EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_COPY_RESULTS), L"&Copy results\tCtrl+Shift+C");
  EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_SAVE_RESULTS), L"&Save results as...\tCtrl+Shift+S");
  EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_PRINT_RESULTS), L"&Print...\tCtrl+P");
  EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_EXIT), L"E&xit");
  EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_HELP_GENERAL), L"&Help");
  EXPECT_EQ(ui::MenuCaptionOfCommand(menu, IDM_ABOUT), L"About");
  // The Help drop-down keeps its separator between its two items.
  std::vector<UINT> help_items;
  for (const ui::MenuEntry& entry : menu) {
    if (entry.drop_down == 1 && entry.item >= 0) help_items.push_back(entry.command);
  }
  EXPECT_EQ(help_items, (std::vector<UINT>{IDM_HELP_GENERAL, 0, IDM_ABOUT}));
  ExpectCleanClose();
}

TEST_F(RunningProgram, WindowListOfTheFileMenuNamesTheMainWindow) {
  const std::vector<ui::MenuEntry> menu = ui::ReadMenu(frame_);
  bool listed = false;
  for (const ui::MenuEntry& entry : menu) {
    if (entry.drop_down == 0 && entry.command == 3000) {
      listed = entry.caption.find(L"Tessara - Main") != std::wstring::npos;
    }
  }
  EXPECT_TRUE(listed) << "the first child should be listed under File with identifier 3000";
  ExpectCleanClose();
}

TEST_F(RunningProgram, ExitThroughTheMenuEndsWithCodeZero) {
  ui::PostCommand(frame_, IDM_EXIT);
  EXPECT_EQ(program_->WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(RunningProgram, ClosingTheFrameEndsWithCodeZero) {
  PostMessageW(frame_, WM_CLOSE, 0, 0);
  EXPECT_EQ(program_->WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(RunningProgram, LogOffQueryIsAnsweredYes) {
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(frame_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                  SMTO_ABORTIFHUNG, 3000, &answer));
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  EXPECT_TRUE(program_->running());
  ExpectCleanClose();
}

TEST_F(RunningProgram, SecondCopyBringsTheFirstForwardAndEnds) {
  ShowWindow(frame_, SW_MINIMIZE);
  ASSERT_TRUE(ui::WaitUntil([&] { return IsIconic(frame_) != 0; }));

  ui::TessaraProcess second;
  ASSERT_TRUE(second.started());
  HWND refusal = second.WaitForDialog(kFailureTitle);
  ASSERT_NE(refusal, nullptr);
  // The second copy restored the first before it said no.
  EXPECT_TRUE(ui::WaitUntil([&] { return !IsIconic(frame_); }, Milliseconds{3000}));
  const ui::MessageBoxContent box = ui::ReadMessageBox(refusal);
  EXPECT_EQ(box.text, kFailureText);
  EXPECT_EQ(box.icon, ui::BoxIcon::kError);
  EXPECT_EQ(second.FindWindowOfClass(L"TESSARA"), nullptr);
  ASSERT_TRUE(ui::PressOk(refusal));
  EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_TRUE(program_->running());
  ExpectCleanClose();
}

// The program alone in a folder of its own: Tessara.dll is nowhere on its
// search path.
class ProgramWithoutLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    folder_ = std::wstring(temporary) + L"tessara-alone-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
    copy_ = folder_ + L"\\Tessara.exe";
    ASSERT_TRUE(CopyFileW(ui::ProgramPath().c_str(), copy_.c_str(), FALSE));
  }
  void TearDown() override {
    DeleteFileW(copy_.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring folder_;
  std::wstring copy_;
};

TEST_F(ProgramWithoutLibrary, ShowsTheStartUpFailureAfterTheSplashAndEndsWithZero) {
  ui::StartOptions options;
  options.program = copy_;
  options.working_directory = folder_;
  ui::TessaraProcess program(options);
  ASSERT_TRUE(program.started());
  EXPECT_NE(program.WaitForSplash(), nullptr);
  HWND failure = program.WaitForDialog(kFailureTitle);
  ASSERT_NE(failure, nullptr);
  const ui::MessageBoxContent box = ui::ReadMessageBox(failure);
  EXPECT_EQ(box.text, kFailureText);
  EXPECT_EQ(box.icon, ui::BoxIcon::kError);
  // The box has no owner, and no frame was made.
  EXPECT_EQ(GetWindow(failure, GW_OWNER), nullptr);
  EXPECT_EQ(program.FindWindowOfClass(L"TESSARA"), nullptr);
  ASSERT_TRUE(ui::PressOk(failure));
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

}  // namespace
