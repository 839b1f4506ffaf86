// The form "Estimate - Sample Size - Simple Random Sample" driven as a user
// would: inputs typed, Run pressed, the table read back.
#include <windows.h>

#include <string>
#include <vector>

#include "form_session.h"
#include "sample_size_simple_random_controls.h"

namespace {

using namespace sample_size_simple_random;

// The worked example: p = 0.5, e = 0.1, 95 %, N = 1000. First the user's
// population, then 50 ... 10000, then an infinite population.
const std::vector<std::wstring> kWorkedResults = {
    L"278", L"45",  L"80",  L"108", L"132", L"169", L"196", L"218", L"255",
    L"278", L"306", L"323", L"347", L"357", L"366", L"370", L"385"};

class SampleSizeForm : public form_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const wchar_t* prevalence, const wchar_t* error, const wchar_t* population) {
    ASSERT_TRUE(Type(kPrevalenceEdit, prevalence));
    ASSERT_TRUE(Type(kErrorEdit, error));
    ASSERT_TRUE(Type(kPopulationEdit, population));
  }

  std::vector<std::wstring> Results() const {
    std::vector<std::wstring> results;
    for (int k = 0; k < kResultCount; ++k) results.push_back(ItemText(kFirstResult + k));
    return results;
  }

  // Presses Run and waits until the table holds what is expected.
  bool RunAndWaitFor(const std::vector<std::wstring>& expected) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Results() == expected; });
  }
};

TEST_F(SampleSizeForm, WorkedExampleFillsTheWholeTable) {
  EXPECT_TRUE(WaitForFocusOn(kPrevalenceEdit)) << "the first input has the focus";
  EXPECT_EQ(ItemText(kFirstResult), L"");
  Enter(L"0.5", L"0.1", L"1000");
  EXPECT_TRUE(RunAndWaitFor(kWorkedResults));
  EXPECT_EQ(Results(), kWorkedResults);
}

TEST_F(SampleSizeForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* prevalence;
    const wchar_t* error;
    const wchar_t* population;
    int message_id;
    int focus;
  } cases[] = {
      {L"1", L"0.1", L"1000", 11028, kPrevalenceEdit},       // a prevalence must be below 1
      {L"0", L"0.1", L"1000", 11028, kPrevalenceEdit},
      {L"0,5", L"0.1", L"1000", 11028, kPrevalenceEdit},     // no decimal comma in English
      {L"0.5.5", L"0.1", L"1000", 11028, kPrevalenceEdit},   // never read as 0.5
      {L"", L"0.1", L"1000", 11028, kPrevalenceEdit},
      {L"-0.2", L"0.1", L"1000", 11028, kPrevalenceEdit},
      {L"abc", L"0.1", L"1000", 11028, kPrevalenceEdit},
      {L"0.5", L"1.5", L"1000", 11029, kErrorEdit},
      {L"0.5", L"-", L"1000", 11029, kErrorEdit},
      {L"0.5", L"0.1", L"0", 11031, kPopulationEdit},
      {L"0.5", L"0.1", L"-5", 11031, kPopulationEdit},
      {L"0.5", L"0.1", L"2.9", 11031, kPopulationEdit},      // never read as 2
      {L"0.5", L"0.1", L"10.000", 11031, kPopulationEdit},   // never read as 10
      {L"0.5", L"0.1", L"1e3", 11031, kPopulationEdit},
      {L"2", L"7", L"0", 11028, kPrevalenceEdit},            // the first bad input is named
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.prevalence) + L" " + c.error + L" " + c.population);
    Enter(c.prevalence, c.error, c.population);
    Press(kRunButton);
    const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_INVALID_INPUT));
    EXPECT_EQ(box.text, Text(c.message_id));
    EXPECT_EQ(box.icon, ui::BoxIcon::kInformation);
    EXPECT_TRUE(WaitForFocusOn(c.focus));
    // The text is selected, ready to be retyped.
    const LRESULT selection = SendMessageW(Item(c.focus), EM_GETSEL, 0, 0);
    EXPECT_EQ(HIWORD(selection), ItemText(c.focus).size());
    EXPECT_EQ(LOWORD(selection), 0);
  }
  // No selected level of confidence.
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_EQ(SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  Press(kRunButton);
  EXPECT_EQ(TakeMessageBox(Text(IDS_INVALID_INPUT)).text, Text(11030));
  EXPECT_TRUE(WaitForFocusOn(kConfidenceList));
  // Nothing ran.
  EXPECT_EQ(Results(), std::vector<std::wstring>(kResultCount));
}

TEST_F(SampleSizeForm, GroupedThousandsAreReadWhole) {
  Enter(L"0.5", L"0.1", L"1,000");
  EXPECT_TRUE(RunAndWaitFor(kWorkedResults));
}

TEST_F(SampleSizeForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_TRUE(RunAndWaitFor(kWorkedResults));
  // Passes the form's tolerance (1e-15) but not the library's (1e-6).
  Enter(L"0.0000001", L"0.1", L"1000");
  Press(kRunButton);
  const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_LIBRARY_ERROR_TITLE));
  EXPECT_EQ(box.title, Text(IDS_LIBRARY_ERROR_TITLE));
  EXPECT_EQ(box.text, LibraryReportText(kFormKind, 12001));
  EXPECT_EQ(box.icon, ui::BoxIcon::kError);
  EXPECT_EQ(Results(), kWorkedResults);
}

TEST_F(SampleSizeForm, CtrlRAndEnterRunTheActiveForm) {
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Results() == kWorkedResults; }));
  Enter(L"0.5", L"0.2", L"1000");
  SetFocus(Item(kPopulationEdit));
  ui::PostCommand(form_, 0);  // nothing: only to be sure the form is idle
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kFirstResult) != L"278"; }))
      << "Enter runs the form with the new error";
}

TEST_F(SampleSizeForm, EscapeClosesTheFormButNeverTheMainWindow) {
  ASSERT_TRUE(WaitForFocusOn(kPrevalenceEdit));
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_ESCAPE}));
  EXPECT_TRUE(ui::WaitForWindowGone(form_));
  HWND main_window = MainWindow();
  ASSERT_NE(main_window, nullptr) << "only the form goes";
  // The main window is active now: Escape and Ctrl+F4 leave it open.
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_ESCAPE}));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, VK_F4}));
  Sleep(static_cast<DWORD>(ui::kQuietPeriod.count()));
  EXPECT_TRUE(IsWindow(main_window));
  EXPECT_EQ(MainWindow(), main_window);
}

TEST_F(SampleSizeForm, HelpButtonAndF1OpenTopic1150) {
  ASSERT_TRUE(viewer().registered());
  Press(kHelpButton);
  ASSERT_EQ(WaitForHelpCalls(1).size(), 1u);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_F1}));
  const std::vector<ui::HelpCall> calls = WaitForHelpCalls(2);
  ASSERT_EQ(calls.size(), 2u);
  for (const ui::HelpCall& call : calls) {
    EXPECT_EQ(call.command, 15u);  // HH_HELP_CONTEXT
    EXPECT_EQ(call.topic, 1150u);
  }
}

// Run under each language's user locale.
class SampleSizeFormTexts : public SampleSizeForm {};

TEST_F(SampleSizeFormTexts, TextsListAndFontsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  const wchar_t* levels[] = {L"90%", L"95%", L"99%"};
  for (int index = 0; index < 3; ++index)
    EXPECT_EQ(ui::ListItemText(Item(kConfidenceList), index), levels[index]);
  EXPECT_EQ(ui::ListItemText(Item(kConfidenceList), 3), L"");
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), 1);

  const std::optional<ui::FontDescription> label = ui::ReadFont(Item(kPrevalenceLabel));
  const std::optional<ui::FontDescription> group = ui::ReadFont(Item(kResultsGroup));
  ASSERT_TRUE(label && group);
  EXPECT_EQ(label->face, L"Arial Unicode MS");
  EXPECT_EQ(label->weight, 400);
  EXPECT_EQ(group->weight, 700);
  const int thai_charset = 222;
  EXPECT_EQ(label->character_set == thai_charset, form_test::LanguageOffset() == kLanguageOffsetThai);
}

// A Spanish user writes decimals with a comma; a point still reads as one.
TEST_F(SampleSizeFormTexts, DecimalsAsTheUsersLocaleWritesThem) {
  const bool comma = form_test::LanguageOffset() == kLanguageOffsetSpanish;
  Enter(L"0,5", L"0.1", L"1000");
  Press(kRunButton);
  if (comma) {
    EXPECT_TRUE(ui::WaitUntil([&] { return Results() == kWorkedResults; }));
  } else {
    EXPECT_EQ(TakeMessageBox(Text(IDS_INVALID_INPUT)).text, Text(11028));
  }
  Enter(L"0.5", L"0,1", L"1.000");  // "1.000" is one point nought, never a thousand
  Press(kRunButton);
  EXPECT_EQ(TakeMessageBox(Text(IDS_INVALID_INPUT)).text, Text(comma ? 11031 : 11029));
}

}  // namespace
