// The main window as a user meets it: the four families with their
// descriptions, one button per form, each opening its form only once.
#include <windows.h>

#include <string>

#include "form_test_support.h"

namespace {

using form_test::OpenProgram;

struct ButtonOfForm {
  int button_id;
  int form_kind;
};

// Which form each button opens, in the order of the buttons.
constexpr ButtonOfForm kButtons[] = {
    {3001, 10}, {3002, 11}, {3003, 12}, {3004, 2}, {3005, 3}, {3006, 4},  {3007, 1},  {3008, 0},
    {3009, 15}, {3010, 9},  {3011, 8},  {3012, 6}, {3013, 7}, {3014, 5}, {3015, 14}, {3016, 13},
};

class MainWindowUse : public OpenProgram {};
// Run under each language's user locale.
class MainWindowTexts : public OpenProgram {};

TEST_F(MainWindowTexts, FamiliesAndButtonsShowTheCataloguesTexts) {
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);
  // Headings 3023, 3025, 3027, 3029 with their descriptions after each.
  for (int family = 0; family < 4; ++family) {
    const int heading = 3023 + 2 * family;
    const int text = IDS_CATEGORY_HEADING_FIRST + 2 * family;
    EXPECT_EQ(ui::WindowText(ui::Control(main_window, heading)), Text(text)) << heading;
    EXPECT_EQ(ui::WindowText(ui::Control(main_window, heading + 1)), Text(text + 1)) << heading;
    EXPECT_FALSE(Text(text + 1).empty());
  }
  for (int line = 3020; line <= 3022; ++line) {
    HWND separator = ui::Control(main_window, line);
    ASSERT_NE(separator, nullptr) << line;
    EXPECT_EQ(ui::WindowText(separator), L"");
    EXPECT_EQ(ui::WindowSize(separator).cy, 2) << line;
  }
  // Each button is captioned with the title of the form it opens.
  for (const ButtonOfForm& button : kButtons) {
    HWND control = ui::Control(main_window, button.button_id);
    ASSERT_NE(control, nullptr) << button.button_id;
    EXPECT_EQ(ui::WindowText(control), TitleOf(button.form_kind)) << button.button_id;
    EXPECT_EQ(ui::WindowSize(control).cx, 350);
    EXPECT_EQ(ui::WindowSize(control).cy, 24);
  }
  EXPECT_EQ(ui::WindowSize(main_window).cx, 820);
  EXPECT_EQ(ui::WindowSize(main_window).cy, 580);
  // The first button has the focus when the program has started.
  EXPECT_EQ(ui::FocusedWindow(frame_), ui::Control(main_window, 3001));
  ExpectCleanClose();
}

TEST_F(MainWindowTexts, HeadingsInBoldDescriptionsAndButtonsInTheRegularFont) {
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);
  const std::optional<ui::FontDescription> heading = ui::ReadFont(ui::Control(main_window, 3023));
  const std::optional<ui::FontDescription> description =
      ui::ReadFont(ui::Control(main_window, 3024));
  const std::optional<ui::FontDescription> button = ui::ReadFont(ui::Control(main_window, 3016));
  ASSERT_TRUE(heading && description && button);
  EXPECT_EQ(heading->face, L"Arial Unicode MS");
  EXPECT_EQ(heading->weight, 700);
  EXPECT_EQ(description->weight, 400);
  EXPECT_EQ(button->weight, 400);
  EXPECT_EQ(description->height, heading->height);
  EXPECT_FALSE(description->italic);
}

// A button is enabled exactly when its form is built: pressing an enabled
// one opens a form with controls, while a disabled one's form (reached by
// its command) opens empty.
TEST_F(MainWindowUse, OnlyButtonsOfBuiltFormsAreEnabled) {
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);
  EXPECT_TRUE(IsWindowEnabled(ui::Control(main_window, 3001)));
  for (const ButtonOfForm& button : kButtons) {
    ui::PostCommand(main_window, static_cast<WORD>(button.button_id));
    HWND form = ui::WaitForMdiChild(frame_, TitleOf(button.form_kind));
    ASSERT_NE(form, nullptr) << button.button_id;
    const bool built = !ui::ChildWindows(form).empty();
    EXPECT_EQ(IsWindowEnabled(ui::Control(main_window, button.button_id)) != FALSE, built)
        << button.button_id;
  }
  ExpectCleanClose();
}

TEST_F(MainWindowUse, PressingAButtonTwiceOpensItsFormOnce) {
  HWND form = OpenFromMainWindow(3001, 10);
  ASSERT_NE(form, nullptr);
  ui::PressButton(ui::Control(MainWindowOfProgram(), 3001));
  // Give a second window every chance to appear.
  Sleep(static_cast<DWORD>(ui::kQuietPeriod.count()));
  EXPECT_EQ(CountChildrenTitled(TitleOf(10)), 1);
  EXPECT_EQ(ui::FindMdiChild(frame_, TitleOf(10)), form);

  // Minimized, the form is restored by its button instead.
  PostMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(ui::WaitUntil([&] { return IsIconic(form) != FALSE; }));
  ui::PressButton(ui::Control(MainWindowOfProgram(), 3001));
  EXPECT_TRUE(ui::WaitUntil([&] { return IsIconic(form) == FALSE; }));
  EXPECT_EQ(CountChildrenTitled(TitleOf(10)), 1);
  ExpectCleanClose();
}

// Nothing could bring the main window back, so neither Escape nor Ctrl+F4
// closes it; the frame's close still ends the program.
TEST_F(MainWindowUse, EscapeAndCtrlF4LeaveTheMainWindowOpen) {
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);
  ASSERT_TRUE(ui::BringToForeground(frame_));
  ASSERT_TRUE(ui::PressKeys({VK_ESCAPE}));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, VK_F4}));
  EXPECT_FALSE(ui::WaitForWindowGone(main_window, ui::kQuietPeriod));
  EXPECT_EQ(MainWindowOfProgram(), main_window);
  ExpectCleanClose();
}

}  // namespace
