// One running program for all the form tests of a run: the GUI suite runs
// once per language, and starting the program under Wine takes seconds, so
// the forms' tests share a program instead of starting one each. Each test
// begins with only the main window open (the forms of earlier tests closed,
// stray message boxes answered) and opens its form from the main window's
// button, as a user would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form_table.h"
#include "form_test_support.h"
#include "harness.h"

namespace form_test {

// The program shared by the form tests, started at first use with the fake
// help viewer registered, closed (and its exit code checked) at the end of
// the run.
struct Session {
  std::unique_ptr<ui::FakeHelpViewer> viewer;
  std::unique_ptr<ui::TessaraProcess> program;
  HWND frame = nullptr;
};
Session& SharedSession();

class FormTest : public ::testing::Test {
 public:
  // A catalogue text in the user's language, as the program shows it.
  static std::wstring Text(int string_id);
  static std::wstring TitleOf(int form_kind);

 protected:
  void SetUp() override;
  void TearDown() override;

  HWND MainWindow() const;

  // Opens a form through its main-window button; the form under test.
  HWND Open(int form_kind);

  HWND Item(int id) const { return ui::Control(form_, id); }
  std::wstring ItemText(int id) const { return ui::WindowText(Item(id)); }
  bool Type(int id, const std::wstring& text) { return ui::SetEditText(Item(id), text); }
  void Press(int id) { ui::PressButton(Item(id)); }
  bool WaitForFocusOn(int id) const;
  // The message box of a title that the program shows now, read and closed.
  ui::MessageBoxContent TakeMessageBox(const std::wstring& title);
  // Presses Run and answers the "Invalid Input" box: its text, and whether
  // the focus then went to focus_id.
  std::wstring RunExpectingInputMessage(int run_button);
  // Presses Run and waits until a result control holds a text; its text.
  std::wstring RunAndWaitForText(int run_button, int result_id);
  // The report of a library refusal for this form, as the user reads it.
  std::wstring LibraryReportText(int form_kind, int message_id) const;

  HWND frame() const { return SharedSession().frame; }
  ui::FakeHelpViewer& viewer() const { return *SharedSession().viewer; }
  // The help calls made since this test began.
  std::vector<ui::HelpCall> WaitForHelpCalls(std::size_t count) const;

  HWND form_ = nullptr;

 private:
  std::size_t help_calls_before_ = 0;
};

// Every control of a form's table that shows a catalogue text holds that
// text in the user's language.
void ExpectTableTexts(HWND form, const FormTable& table);

// Every text the form shows now, results and notes included, fits its
// control in the user's language (measured by the program's own fonts).
void ExpectShownTextsFit(HWND form);

}  // namespace form_test
