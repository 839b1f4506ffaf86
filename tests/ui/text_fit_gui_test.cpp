// Every text of the open windows fits its control in the user's language:
// the main window, the About box and each form the main window lets the user
// open, measured inside the running program with the faces Wine draws them
// with. The forms are found through the main window's enabled buttons, so a
// form that becomes available is measured without a change here.
#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "form_test_support.h"

namespace {

constexpr int kFirstFormButton = 3001;
constexpr int kLastFormButton = 3016;

class TextsFit : public form_test::OpenProgram {
 protected:
  // Measures every text of the window; a line per text that does not fit.
  void ExpectTextsFit(HWND window, const std::wstring& where) {
    ASSERT_NE(window, nullptr) << Narrow(where);
    const std::optional<std::vector<ui::TextMeasure>> measures = ui::MeasureTexts(window);
    ASSERT_TRUE(measures.has_value()) << "the probe did not measure " << Narrow(where);
    EXPECT_FALSE(measures->empty()) << "no text measured in " << Narrow(where);
    for (const ui::TextMeasure& measure : *measures) {
      EXPECT_TRUE(measure.Fits())
          << Narrow(where) << ", control " << measure.control << " (" << Narrow(measure.kind)
          << ") in " << Narrow(LanguageName()) << ": \"" << Narrow(measure.text) << "\" needs "
          << measure.needed.cx << "x" << measure.needed.cy << " pixels, has "
          << measure.room.cx << "x" << measure.room.cy;
    }
    measured_ += static_cast<int>(measures->size());
  }

  static std::string Narrow(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(length > 0 ? length - 1 : 0, '\0');
    if (length > 1) {
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, narrow.data(), length, nullptr, nullptr);
    }
    return narrow;
  }

  static std::wstring LanguageName() {
    switch (form_test::LanguageOffset()) {
      case kLanguageOffsetSpanish: return L"Spanish";
      case kLanguageOffsetThai: return L"Thai";
      default: return L"English";
    }
  }

  // The MDI child that is not among those before.
  HWND WaitForNewChild(const std::vector<HWND>& before) const {
    HWND found = nullptr;
    ui::WaitUntil([&] {
      for (HWND child : ui::MdiChildren(frame_)) {
        if (std::find(before.begin(), before.end(), child) == before.end()) found = child;
      }
      return found != nullptr;
    });
    return found;
  }

  int measured_ = 0;
};

TEST_F(TextsFit, MainWindowAboutBoxAndEveryOpenableForm) {
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);
  ExpectTextsFit(main_window, L"main window");

  ui::PostCommand(frame_, IDM_ABOUT);
  HWND about = program_->WaitForDialog(Text(IDS_ABOUT_CAPTION).c_str());
  ExpectTextsFit(about, L"About box");
  ASSERT_TRUE(ui::PressOk(about));
  ASSERT_TRUE(ui::WaitForWindowGone(about));

  int forms = 0;
  for (int button_id = kFirstFormButton; button_id <= kLastFormButton; ++button_id) {
    HWND button = ui::Control(main_window, button_id);
    ASSERT_NE(button, nullptr) << button_id;
    if (!IsWindowEnabled(button)) continue;
    const std::vector<HWND> before = ui::MdiChildren(frame_);
    ui::PressButton(button);
    HWND form = WaitForNewChild(before);
    ASSERT_NE(form, nullptr) << "button " << button_id << " opened no form";
    ExpectTextsFit(form, L"form \"" + ui::WindowText(form) + L"\" (button " +
                             std::to_wstring(button_id) + L")");
    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(ui::WaitForWindowGone(form));
    ++forms;
  }
  EXPECT_GT(forms, 0) << "no form is enabled on the main window";
  RecordProperty("texts_measured", measured_);
  ExpectCleanClose();
}

}  // namespace
