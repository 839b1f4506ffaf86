// F1 on every form that the main window offers asks the help viewer for
// the help file of the program's language at that form's topic. Which
// forms exist is read from the main window: every enabled button is
// followed, so forms added later are covered without changing this test.
#include <windows.h>

#include <string>
#include <vector>

#include "form_test_support.h"

namespace {

struct ButtonOfForm {
  int button_id;
  int form_kind;
};

// The main window's buttons, in their order, and the FormKind each opens.
constexpr ButtonOfForm kButtons[] = {
    {3001, 10}, {3002, 11}, {3003, 12}, {3004, 2}, {3005, 3}, {3006, 4},  {3007, 1},  {3008, 0},
    {3009, 15}, {3010, 9},  {3011, 8},  {3012, 6}, {3013, 7}, {3014, 5}, {3015, 14}, {3016, 13},
};

// The help topic of each FormKind 0 to 16, as the help files map them.
constexpr unsigned kTopicOfForm[] = {1090, 1140, 1100, 1110, 1120, 1020, 1040, 1050, 1060,
                                     1080, 1150, 1160, 1170, 1210, 1220, 1180, 1190};
constexpr int kMainWindowFormKind = 16;

// The viewer is registered before the program starts (member before SetUp).
class HelpTopics : public form_test::OpenProgram {
 protected:
  // Spanish systems get the Spanish help file, every other the English one.
  static std::wstring ExpectedFile() {
    return form_test::LanguageOffset() == kLanguageOffsetSpanish ? L"Tessara_es.chm"
                                                                 : L"Tessara_en.chm";
  }

  // Presses F1 with the frame in front and returns the call it produced.
  bool PressF1AndTakeCall(ui::HelpCall& call) {
    if (!ui::BringToForeground(frame_) || !ui::PressKeys({VK_F1})) return false;
    const std::vector<ui::HelpCall> calls = viewer_.WaitForCalls(++expected_calls_);
    if (calls.size() != expected_calls_) return false;
    call = calls.back();
    return true;
  }

  // The MDI child the frame holds active (F1 goes to its form).
  HWND ActiveChild() const {
    DWORD_PTR active = 0;
    SendMessageTimeoutW(ui::MdiClient(frame_), WM_MDIGETACTIVE, 0, 0, SMTO_ABORTIFHUNG, 3000,
                        &active);
    return reinterpret_cast<HWND>(active);
  }

  void ExpectHelpFor(int form_kind, const ui::HelpCall& call) {
    EXPECT_EQ(call.file, ExpectedFile()) << "FormKind " << form_kind;
    EXPECT_EQ(call.command, 15u) << "HH_HELP_CONTEXT, FormKind " << form_kind;
    EXPECT_EQ(call.topic, kTopicOfForm[form_kind]) << "FormKind " << form_kind;
    EXPECT_TRUE(call.owner_is_desktop) << "FormKind " << form_kind;
  }

  ui::FakeHelpViewer viewer_;
  size_t expected_calls_ = 0;
};

TEST_F(HelpTopics, F1OnEveryOfferedFormOpensItsTopicInTheLanguagesFile) {
  ASSERT_TRUE(viewer_.registered());
  HWND main_window = MainWindowOfProgram();
  ASSERT_NE(main_window, nullptr);

  ui::HelpCall call;
  ASSERT_TRUE(PressF1AndTakeCall(call)) << "F1 on the main window";
  ExpectHelpFor(kMainWindowFormKind, call);

  int offered = 0;
  for (const ButtonOfForm& button : kButtons) {
    HWND control = ui::Control(main_window, button.button_id);
    ASSERT_NE(control, nullptr) << button.button_id;
    if (!IsWindowEnabled(control)) continue;
    ++offered;
    HWND form = OpenFromMainWindow(button.button_id, button.form_kind);
    ASSERT_NE(form, nullptr) << "button " << button.button_id;
    ASSERT_TRUE(ui::WaitUntil([&] { return ActiveChild() == form; }))
        << "FormKind " << button.form_kind << " did not become the active form";
    ASSERT_TRUE(PressF1AndTakeCall(call)) << "F1 on FormKind " << button.form_kind;
    ExpectHelpFor(button.form_kind, call);
  }
  EXPECT_GE(offered, 1) << "the main window offers no form";
  ExpectCleanClose();
}

}  // namespace
