// What the tests of the forms share: the language the program runs in, and
// opening a form from its button on the main window.
#pragma once

#include <windows.h>

#include <string>

#include "gui_test_support.h"

namespace form_test {

// The LanguageOffset the program chose: it runs under the same user locale
// as the test.
inline int LanguageOffset() {
  switch (ui::UserPrimaryLanguage()) {
    case LANG_SPANISH: return kLanguageOffsetSpanish;
    case LANG_THAI: return kLanguageOffsetThai;
    default: return kLanguageOffsetEnglish;
  }
}

// The running program with its texts in the chosen language.
class OpenProgram : public StartedProgram {
 protected:
  std::wstring Text(int string_id) const { return texts_.Text(string_id, LanguageOffset()); }
  std::wstring TitleOf(int form_kind) const { return Text(IDS_FORM_TITLE_FIRST + form_kind); }
  HWND MainWindowOfProgram() const { return ui::FindMdiChild(frame_, TitleOf(16)); }

  // Presses the main window's button and waits for the form it opens.
  HWND OpenFromMainWindow(int button_id, int form_kind) {
    HWND main_window = MainWindowOfProgram();
    if (main_window == nullptr) return nullptr;
    ui::PressButton(ui::Control(main_window, button_id));
    return ui::WaitForMdiChild(frame_, TitleOf(form_kind));
  }

  int CountChildrenTitled(const std::wstring& title) const {
    int count = 0;
    for (HWND child : ui::MdiChildren(frame_)) count += ui::WindowText(child) == title ? 1 : 0;
    return count;
  }

  // The message box of a title that the program shows now, read and
  // closed; its title empty when none came.
  ui::MessageBoxContent TakeMessageBox(const std::wstring& title) {
    HWND box = program_->WaitForDialog(title.c_str());
    if (box == nullptr) return {};
    ui::MessageBoxContent content = ui::ReadMessageBox(box);
    ui::PressOk(box);
    ui::WaitForWindowGone(box);
    return content;
  }
};

}  // namespace form_test
