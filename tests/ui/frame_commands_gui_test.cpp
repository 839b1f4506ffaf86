// The frame's commands and keys on the running program: the About box by
// menu and by its two accelerators (closed with OK, Enter or Escape), Run
// and F1 on the main window, and help with and without a help viewer.
#include <gtest/gtest.h>

#include <string>

#include "gui_test_support.h"

namespace {

using ui::Milliseconds;

constexpr WORD kSlashKey = VK_OEM_2;  // "/" and, with Shift, "?" (US layout)

class FrameCommands : public StartedProgram {
 protected:
  HWND MainWindow() const { return ui::FindMdiChild(frame_, L"Tessara - Main"); }

  // The About box of the running program, or null.
  HWND WaitForAbout(Milliseconds timeout = ui::kWaitTimeout) const {
    return program_->WaitForDialog(L"About", timeout);
  }

  // Real key presses go to the foreground window: make it the frame.
  void PressKeysOnFrame(const std::vector<WORD>& keys) {
    ASSERT_TRUE(ui::BringToForeground(frame_));
    ASSERT_TRUE(ui::PressKeys(keys));
  }

  // Top-level windows of the program other than the frame.
  int OtherTopLevelWindows() const {
    int count = 0;
    for (const wchar_t* kind : {L"#32770", L"HH Parent", L"SplashScreen"}) {
      if (program_->FindWindowOfClass(kind) != nullptr) ++count;
    }
    return count;
  }
};

TEST_F(FrameCommands, AboutCommandOpensTheAboutBoxOwnedByTheFrame) {
  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(GetWindow(about, GW_OWNER), frame_);
  // Modal: the frame is disabled while the box is up.
  EXPECT_FALSE(IsWindowEnabled(frame_));
  ASSERT_TRUE(ui::PressOk(about));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  EXPECT_TRUE(ui::WaitUntil([&] { return IsWindowEnabled(frame_) != 0; }));
  ExpectCleanClose();
}

TEST_F(FrameCommands, AltSlashOpensTheAboutBox) {
  PressKeysOnFrame({VK_MENU, kSlashKey});
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ui::PressOk(about));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  ExpectCleanClose();
}

TEST_F(FrameCommands, AltQuestionMarkOpensTheAboutBox) {
  PressKeysOnFrame({VK_MENU, VK_SHIFT, kSlashKey});
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ui::PressOk(about));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  ExpectCleanClose();
}

TEST_F(FrameCommands, EscapeClosesTheAboutBox) {
  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ui::BringToForeground(about));
  ASSERT_TRUE(ui::PressKeys({VK_ESCAPE}));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  EXPECT_NE(MainWindow(), nullptr) << "Escape belonged to the About box, not to the main window";
  ExpectCleanClose();
}

TEST_F(FrameCommands, EnterClosesTheAboutBox) {
  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ui::BringToForeground(about));
  ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  ExpectCleanClose();
}

TEST_F(FrameCommands, CtrlROnTheMainWindowDoesNothing) {
  HWND main_window = MainWindow();
  ASSERT_NE(main_window, nullptr);
  PressKeysOnFrame({VK_CONTROL, 'R'});
  ui::WaitUntil([&] { return OtherTopLevelWindows() > 0; }, ui::kQuietPeriod);
  EXPECT_EQ(OtherTopLevelWindows(), 0);
  EXPECT_TRUE(ui::Responsive(frame_));
  EXPECT_TRUE(IsWindow(main_window));
  EXPECT_EQ(ui::MdiChildren(frame_).size(), 1u);
  ExpectCleanClose();
}

TEST_F(FrameCommands, RunCommandOnTheMainWindowDoesNothing) {
  ui::PostCommand(frame_, IDM_RUN_FORM);
  ui::WaitUntil([&] { return OtherTopLevelWindows() > 0; }, ui::kQuietPeriod);
  EXPECT_EQ(OtherTopLevelWindows(), 0);
  EXPECT_TRUE(ui::Responsive(frame_));
  EXPECT_EQ(ui::MdiChildren(frame_).size(), 1u);
  ExpectCleanClose();
}

// The program's help requests, read back from the fake viewer registered
// in the test's prefix before the program starts.
class HelpRequests : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(viewer_.registered());
    program_ = std::make_unique<ui::TessaraProcess>();
    ASSERT_TRUE(program_->started());
    frame_ = program_->WaitForStartedFrame();
    ASSERT_NE(frame_, nullptr);
  }
  ui::FakeHelpViewer viewer_;
  std::unique_ptr<ui::TessaraProcess> program_;
  HWND frame_ = nullptr;
};

TEST_F(HelpRequests, HelpMenuOpensTheGeneralTopicOfTheEnglishHelpFile) {
  ui::PostCommand(frame_, IDM_HELP_GENERAL);
  const std::vector<ui::HelpCall> calls = viewer_.WaitForCalls(1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file, L"Tessara_en.chm");
  EXPECT_EQ(calls[0].command, 15u);  // HH_HELP_CONTEXT
  EXPECT_EQ(calls[0].topic, 1190u);
  EXPECT_TRUE(calls[0].owner_is_desktop);
  EXPECT_EQ(program_->CloseAll(), std::optional<DWORD>(0));
}

TEST_F(HelpRequests, F1OnTheMainWindowOpensTheGeneralTopic) {
  ASSERT_TRUE(ui::BringToForeground(frame_));
  ASSERT_TRUE(ui::PressKeys({VK_F1}));
  const std::vector<ui::HelpCall> calls = viewer_.WaitForCalls(1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file, L"Tessara_en.chm");
  EXPECT_EQ(calls[0].topic, 1190u);
  EXPECT_EQ(program_->CloseAll(), std::optional<DWORD>(0));
}

TEST_F(HelpRequests, EveryRequestReachesTheViewerLoadedOnce) {
  ui::PostCommand(frame_, IDM_HELP_GENERAL);
  ui::PostCommand(frame_, IDM_HELP_GENERAL);
  EXPECT_EQ(viewer_.WaitForCalls(2).size(), 2u);
  EXPECT_EQ(program_->CloseAll(), std::optional<DWORD>(0));
}

// With Wine's own HTML Help control, a help request opens the help file
// beside the program in the system's viewer, titled with the file's title
// (the viewer closes again when its topic is not in the file's topic map);
// no box asks anything and the program goes on answering.
TEST_F(FrameCommands, HelpWithTheSystemViewerOpensTheHelpFileWithoutBlocking) {
  ui::PostCommand(frame_, IDM_HELP_GENERAL);
  HWND viewer = program_->WaitForWindow(L"HH Parent");
  ASSERT_NE(viewer, nullptr) << "the help file beside the program was not opened at its topic";
  EXPECT_EQ(ui::WindowText(viewer), L"Tessara Help");
  Sleep(static_cast<DWORD>(ui::kQuietPeriod.count()));
  EXPECT_TRUE(IsWindow(viewer)) << "the viewer closed: topic 1190 is not in the topic map";
  ASSERT_TRUE(ui::BringToForeground(frame_));
  ASSERT_TRUE(ui::PressKeys({VK_F1}));
  ui::WaitUntil([&] { return program_->FindWindowOfClass(L"#32770") != nullptr; },
                ui::kQuietPeriod);
  EXPECT_EQ(program_->FindWindowOfClass(L"#32770"), nullptr);
  EXPECT_TRUE(ui::Responsive(frame_));
  // Still fully working: the About box opens.
  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ui::PressOk(about));
  EXPECT_TRUE(ui::WaitForWindowGone(about));
  ExpectCleanClose();
}

}  // namespace
