// The form "Estimate Prevalence - Simple Random Sample" driven as a user
// would: two calculators side by side, each with its own inputs, Run and
// results.
#include <windows.h>

#include <string>
#include <vector>

#include "checked_form_test.h"
#include "clipboard_text.h"
#include "interval_simple_random_controls.h"
#include "resource.h"

namespace {

using namespace interval_simple_random;

class IntervalSimpleRandomForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    CheckedFormTest::SetUp();
    if (HasFatalFailure()) return;
    OpenForm(kFormKind);
  }

  void EnterLeft(const wchar_t* proportion, const wchar_t* sample, const wchar_t* population) {
    ASSERT_TRUE(Type(kProportionEdit, proportion));
    ASSERT_TRUE(Type(kLeftSampleEdit, sample));
    ASSERT_TRUE(Type(kLeftPopulationEdit, population));
  }
  void EnterRight(const wchar_t* positives, const wchar_t* sample, const wchar_t* population) {
    ASSERT_TRUE(Type(kPositivesEdit, positives));
    ASSERT_TRUE(Type(kRightSampleEdit, sample));
    ASSERT_TRUE(Type(kRightPopulationEdit, population));
  }

  std::wstring Left() const { return ItemText(kLeftLowerResult) + L" " + ItemText(kLeftUpperResult); }
  std::wstring Right() const {
    return ItemText(kRightLowerResult) + L" " + ItemText(kRightPrevalenceResult) + L" " +
           ItemText(kRightUpperResult);
  }
  bool WaitForLeft(const std::wstring& expected) const {
    return ui::WaitUntil([&] { return Left() == expected; });
  }
  bool WaitForRight(const std::wstring& expected) const {
    return ui::WaitUntil([&] { return Right() == expected; });
  }
};

TEST_F(IntervalSimpleRandomForm, WorkedExamplesOnBothSides) {
  EXPECT_TRUE(WaitForFocusOn(kProportionEdit)) << "the proportion has the focus first";
  EnterLeft(L"0.3", L"100", L"1000");
  Press(kLeftRunButton);
  EXPECT_TRUE(WaitForLeft(L"0.2148 0.3852")) << Left();
  EXPECT_EQ(Right(), L"  ") << "the right side did not run";
  EnterRight(L"30", L"100", L"1000");
  Press(kRightRunButton);
  EXPECT_TRUE(WaitForRight(L"0.2148 0.3000 0.3852")) << Right();
  // At 99 % a small proportion has a negative lower limit, shown with its sign.
  EnterLeft(L"0.02", L"50", L"60");
  ASSERT_TRUE(ui::ChooseListItem(Item(kLeftConfidenceList), 2));
  Press(kLeftRunButton);
  EXPECT_TRUE(WaitForLeft(L"-0.0008 0.0408")) << Left();
  EnterRight(L"1", L"50", L"60");
  ASSERT_TRUE(ui::ChooseListItem(Item(kRightConfidenceList), 2));
  Press(kRightRunButton);
  EXPECT_TRUE(WaitForRight(L"-0.0008 0.0200 0.0408")) << Right();
}

TEST_F(IntervalSimpleRandomForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    bool right;
    const wchar_t* first;  // proportion or positive cases
    const wchar_t* sample;
    const wchar_t* population;
    int message_id;
    int focus;
  } cases[] = {
      {false, L"1", L"100", L"1000", 11065, kProportionEdit},
      {false, L"0", L"100", L"1000", 11065, kProportionEdit},
      {false, L"", L"100", L"1000", 11065, kProportionEdit},
      {false, L"0.3", L"0", L"1000", 11064, kLeftSampleEdit},
      {false, L"0.3", L"10.5", L"1000", 11064, kLeftSampleEdit},
      {false, L"0.3", L"100", L"-1", 11031, kLeftPopulationEdit},
      {true, L"0", L"100", L"1000", 11066, kPositivesEdit},
      {true, L"x", L"100", L"1000", 11066, kPositivesEdit},
      {true, L"30", L"", L"1000", 11064, kRightSampleEdit},
      {true, L"30", L"100", L"0", 11031, kRightPopulationEdit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    if (c.right) {
      EnterRight(c.first, c.sample, c.population);
    } else {
      EnterLeft(c.first, c.sample, c.population);
    }
    ExpectRefusedInput(c.right ? kRightRunButton : kLeftRunButton, c.message_id, c.focus);
  }
  EnterLeft(L"0.3", L"100", L"1000");
  EnterRight(L"30", L"100", L"1000");
  SendMessageW(Item(kLeftConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ExpectRefusedInput(kLeftRunButton, 11030, kLeftConfidenceList);
  SendMessageW(Item(kRightConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ExpectRefusedInput(kRightRunButton, 11030, kRightConfidenceList);
  EXPECT_EQ(Left() + Right(), L"   ") << "nothing ran";
}

TEST_F(IntervalSimpleRandomForm, LibraryRefusalOnEitherSideKeepsBothSidesResults) {
  EnterLeft(L"0.3", L"100", L"1000");
  Press(kLeftRunButton);
  ASSERT_TRUE(WaitForLeft(L"0.2148 0.3852"));
  EnterRight(L"30", L"100", L"1000");
  Press(kRightRunButton);
  ASSERT_TRUE(WaitForRight(L"0.2148 0.3000 0.3852"));
  // A sample larger than its population.
  EnterLeft(L"0.3", L"120", L"100");
  ExpectLibraryRefusal(kLeftRunButton, kFormKind, 12011);
  EnterRight(L"30", L"120", L"100");
  ExpectLibraryRefusal(kRightRunButton, kFormKind, 12011);
  // More positive cases than animals sampled is no proportion.
  EnterRight(L"130", L"120", L"1000");
  ExpectLibraryRefusal(kRightRunButton, kFormKind, 12010);
  EXPECT_EQ(Left(), L"0.2148 0.3852");
  EXPECT_EQ(Right(), L"0.2148 0.3000 0.3852");
}

// Ctrl+R always runs the left calculator; Enter runs the one the user is
// typing in: the one whose side holds the focus.
TEST_F(IntervalSimpleRandomForm, CtrlRRunsTheLeftSideAndEnterTheSideThatHoldsTheFocus) {
  EnterRight(L"30", L"100", L"1000");
  // Whatever holds the focus, the left side is read, and its fields are empty.
  for (int focus : {kLeftSampleEdit, kRightPopulationEdit}) {
    PressCtrlR(focus);
    EXPECT_EQ(TakeMessageBox(Text(IDS_INVALID_INPUT)).text, Text(11065)) << focus;
    EXPECT_TRUE(WaitForFocusOn(kProportionEdit)) << focus;
  }
  EXPECT_EQ(Right(), L"  ");
  SetFocusTo(kRightPopulationEdit);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  EXPECT_TRUE(WaitForRight(L"0.2148 0.3000 0.3852")) << Right();
  EXPECT_EQ(Left(), L" ");
  EnterLeft(L"0.3", L"100", L"1000");
  SetFocusTo(kLeftPopulationEdit);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  EXPECT_TRUE(WaitForLeft(L"0.2148 0.3852")) << Left();
  EnterRight(L"40", L"100", L"1000");
  SetFocusTo(kPositivesEdit);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kRightPrevalenceResult) == L"0.4000"; })) << Right();
  ExpectEscapeCloses();
}

// The right calculator's own Run, like the left one, makes the results
// available to the report commands.
TEST_F(IntervalSimpleRandomForm, EitherRunEnablesTheReportOfItsResults) {
  auto copy_state = [&] {
    HMENU file_menu = GetSubMenu(GetMenu(frame()), 0);
    SendMessageW(frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file_menu), 0);
    for (const ui::MenuEntry& entry : ui::ReadMenu(frame())) {
      if (entry.item >= 0 && entry.command == IDM_COPY_RESULTS) return entry.state;
    }
    ADD_FAILURE() << "no Copy results command";
    return 0u;
  };
  EXPECT_NE(copy_state() & MF_GRAYED, 0u);
  EnterRight(L"30", L"100", L"1000");
  Press(kRightRunButton);
  ASSERT_TRUE(WaitForRight(L"0.2148 0.3000 0.3852"));
  EXPECT_EQ(copy_state() & MF_GRAYED, 0u);
  ASSERT_TRUE(Type(kRightSampleEdit, L"200"));
  EXPECT_NE(copy_state() & MF_GRAYED, 0u);
  EnterLeft(L"0.3", L"100", L"1000");
  Press(kLeftRunButton);
  ASSERT_TRUE(WaitForLeft(L"0.2148 0.3852"));
  EXPECT_EQ(copy_state() & MF_GRAYED, 0u);
}

// Run under each language's user locale: the report and the texts.
class IntervalSimpleRandomFormTexts : public IntervalSimpleRandomForm {};

// File > Copy results (Ctrl+Shift+C) after both calculators ran: the
// report gives each calculator under its heading, and every label with the
// value beside it on the form, never the other calculator's.
TEST_F(IntervalSimpleRandomFormTexts, CopyResultsPairsEachLabelWithItsValue) {
  ASSERT_TRUE(ui::PutOnClipboard(L"nothing copied yet"));
  EnterLeft(L"0.3", L"100", L"1000");
  Press(kLeftRunButton);
  ASSERT_TRUE(WaitForLeft(L"0.2148 0.3852")) << Left();
  EnterRight(L"40", L"120", L"2000");
  ASSERT_TRUE(ui::ChooseListItem(Item(kRightConfidenceList), 2));  // 99%
  Press(kRightRunButton);
  ASSERT_TRUE(ui::WaitUntil([&] { return ItemText(kRightPrevalenceResult) == L"0.3333"; }))
      << Right();
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, VK_SHIFT, 'C'}));
  ASSERT_TRUE(ui::WaitUntil([] { return ui::ClipboardText() != L"nothing copied yet"; }));
  std::vector<std::wstring> lines = ui::ReportLines(ui::ClipboardText());
  ASSERT_GE(lines.size(), 2u);
  wchar_t today[128] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, 128);
  EXPECT_EQ(lines[1].rfind(today, 0), 0u) << "the date comes second";
  lines[1] = L"(date)";
  auto pair = [&](int label, int value) {
    return ui::OneLineLabel(Text(label)) + L"\t" + ItemText(value);
  };
  const std::vector<std::wstring> expected = {
      TitleOf(kFormKind), L"(date)", L"",
      Text(11068), Text(11027),
      pair(11060, kProportionEdit), pair(11033, kLeftSampleEdit),
      pair(11023, kLeftPopulationEdit), ui::OneLineLabel(Text(11022)) + L"\t95%", L"",
      Text(11037), pair(11061, kLeftLowerResult), pair(11062, kLeftUpperResult), L"",
      Text(11069), Text(11027),
      pair(11067, kPositivesEdit), pair(11033, kRightSampleEdit),
      pair(11023, kRightPopulationEdit), ui::OneLineLabel(Text(11022)) + L"\t99%", L"",
      Text(11037), pair(11061, kRightLowerResult), pair(11063, kRightPrevalenceResult),
      pair(11062, kRightUpperResult),
  };
  EXPECT_EQ(lines, expected);
  // The values as the user typed them and as the form shows them.
  EXPECT_EQ(lines[5], ui::OneLineLabel(Text(11060)) + L"\t0.3");
  EXPECT_EQ(lines[12], ui::OneLineLabel(Text(11062)) + L"\t0.3852");
  EXPECT_EQ(lines[16], ui::OneLineLabel(Text(11067)) + L"\t40");
}

TEST_F(IntervalSimpleRandomForm, HelpButtonAndF1OpenTopic1100) { ExpectHelpTopic(kHelpButton, 1100); }

TEST_F(IntervalSimpleRandomFormTexts, TextsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListSelection(Item(kLeftConfidenceList)), 1);
  EXPECT_EQ(ui::ListSelection(Item(kRightConfidenceList)), 1);
}

}  // namespace
