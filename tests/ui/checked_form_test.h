// What the tests of the calculator forms check again and again: a refused
// input named by its message with the focus on its control, and a library
// refusal reported in the "Tessara DLL Error" box.
#pragma once

#include <windows.h>

#include <string>

#include "form_session.h"

namespace form_test {

class CheckedFormTest : public FormTest {
 protected:
  // Opens the form under test; fails the test when it does not come.
  void OpenForm(int form_kind) { ASSERT_NE(Open(form_kind), nullptr); }

  // Presses run_button and expects the "Invalid Input" box with the text
  // message_id, then the focus on focus_id with its text selected.
  void ExpectRefusedInput(int run_button, int message_id, int focus_id) {
    Press(run_button);
    const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_INVALID_INPUT));
    EXPECT_EQ(box.text, Text(message_id));
    EXPECT_EQ(box.icon, ui::BoxIcon::kInformation);
    EXPECT_TRUE(WaitForFocusOn(focus_id)) << "focus on " << focus_id;
    wchar_t class_name[16] = L"";
    GetClassNameW(Item(focus_id), class_name, 16);
    if (lstrcmpiW(class_name, L"edit") == 0) {
      const LRESULT selection = SendMessageW(Item(focus_id), EM_GETSEL, 0, 0);
      EXPECT_EQ(LOWORD(selection), 0);
      EXPECT_EQ(HIWORD(selection), ItemText(focus_id).size()) << "the text is selected";
    }
  }

  // Presses run_button and expects the library's refusal of the form's
  // inputs: the error box naming the form with the message of message_id
  // and what follows it (a row and item).
  void ExpectLibraryRefusal(int run_button, int form_kind, int message_id,
                            const std::wstring& appended = L"") {
    Press(run_button);
    const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_LIBRARY_ERROR_TITLE));
    EXPECT_EQ(box.title, Text(IDS_LIBRARY_ERROR_TITLE));
    EXPECT_EQ(box.text, LibraryReportText(form_kind, message_id) + appended);
    EXPECT_EQ(box.icon, ui::BoxIcon::kError);
  }

  // Help button, then F1 from the keyboard: both open the form's topic.
  void ExpectHelpTopic(int help_button, unsigned topic) {
    ASSERT_TRUE(viewer().registered());
    Press(help_button);
    ASSERT_EQ(WaitForHelpCalls(1).size(), 1u);
    ASSERT_TRUE(ui::BringToForeground(frame()));
    ASSERT_TRUE(ui::PressKeys({VK_F1}));
    const std::vector<ui::HelpCall> calls = WaitForHelpCalls(2);
    ASSERT_EQ(calls.size(), 2u);
    for (const ui::HelpCall& call : calls) {
      EXPECT_EQ(call.command, 15u);  // HH_HELP_CONTEXT
      EXPECT_EQ(call.topic, topic);
    }
  }

  // Escape closes the form.
  void ExpectEscapeCloses() {
    ASSERT_TRUE(ui::BringToForeground(frame()));
    ASSERT_TRUE(ui::PressKeys({VK_ESCAPE}));
    EXPECT_TRUE(ui::WaitForWindowGone(form_));
    EXPECT_NE(MainWindow(), nullptr);
  }

  // Ctrl+R with the focus on focus_id.
  void PressCtrlR(int focus_id) {
    SetFocusTo(focus_id);
    ASSERT_TRUE(ui::BringToForeground(frame()));
    ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  }

  // Enter with the focus on focus_id: the form's default button, its Run.
  void PressEnter(int focus_id) {
    SetFocusTo(focus_id);
    ASSERT_TRUE(ui::BringToForeground(frame()));
    ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  }

  // Gives an edit of the form the keyboard focus with a click.
  void SetFocusTo(int id) {
    HWND control = Item(id);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(WaitForFocusOn(id)) << "focus on " << id;
  }
};

}  // namespace form_test
