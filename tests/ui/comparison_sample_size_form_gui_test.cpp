// The form "Compare Two Prevalences - Sample Size" driven as a user would:
// the sizes for a two-sided and a one-sided test at each level of
// confidence and power, the messages of bad inputs, and a library refusal.
#include <windows.h>

#include <string>

#include "checked_form_test.h"
#include "comparison_sample_size_controls.h"
#include "form_session.h"

namespace {

using namespace comparison_sample_size;

// Indexes of the two lists' items.
constexpr int k90 = 0, k95 = 1, k99 = 2;
constexpr int kPower80 = 0, kPower85 = 1, kPower95 = 3;

class ComparisonSampleSizeForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const wchar_t* p1, const wchar_t* p2, int confidence = k95, int power = kPower80) {
    ASSERT_TRUE(Type(kPrevalence1Edit, p1));
    ASSERT_TRUE(Type(kPrevalence2Edit, p2));
    SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(confidence), 0);
    SendMessageW(Item(kPowerList), CB_SETCURSEL, static_cast<WPARAM>(power), 0);
  }

  bool Shows(const std::wstring& two_sided, const std::wstring& one_sided) const {
    return ItemText(kTwoSidedResult) == two_sided && ItemText(kOneSidedResult) == one_sided;
  }

  bool RunAndWaitFor(const std::wstring& two_sided, const std::wstring& one_sided) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Shows(two_sided, one_sided); });
  }
};

TEST_F(ComparisonSampleSizeForm, SizesForEachLevelAndPower) {
  EXPECT_TRUE(WaitForFocusOn(kPrevalence1Edit)) << "the first input has the focus";
  struct Case {
    const wchar_t* p1;
    const wchar_t* p2;
    int confidence;
    int power;
    const wchar_t* two_sided;
    const wchar_t* one_sided;
  } cases[] = {
      {L"0.1", L"0.2", k95, kPower80, L"219", L"177"},
      {L"0.1", L"0.2", k90, kPower85, L"202", L"156"},
      {L"0.1", L"0.2", k99, kPower95, L"471", L"419"},
      // The smallest difference the form lets through, at its largest size.
      {L"0.999999", L"1", k99, kPower95, L"18870565", L"16938903"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.p1) + L" " + c.p2 + L" " + std::to_wstring(c.confidence) + L" " +
                 std::to_wstring(c.power));
    Enter(c.p1, c.p2, c.confidence, c.power);
    EXPECT_TRUE(RunAndWaitFor(c.two_sided, c.one_sided))
        << testing::PrintToString(ItemText(kTwoSidedResult));
  }
}

TEST_F(ComparisonSampleSizeForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* p1;
    const wchar_t* p2;
    int message_id;
    int focus;
  } cases[] = {
      {L"1.5", L"0.2", 11028, kPrevalence1Edit},
      {L"0", L"0.2", 11028, kPrevalence1Edit},
      {L"abc", L"0.2", 11028, kPrevalence1Edit},
      {L"0.1", L"1.5", 11028, kPrevalence2Edit},
      {L"0.1", L"", 11028, kPrevalence2Edit},
      // The lower prevalence goes first: the focus goes back to it.
      {L"0.3", L"0.2", 12025, kPrevalence1Edit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.p1) + L" " + c.p2);
    Enter(c.p1, c.p2);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  // No level of confidence, then no power: each list is named in turn.
  Enter(L"0.1", L"0.2", -1, -1);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  Enter(L"0.1", L"0.2", k95, -1);
  ExpectRefusedInput(kRunButton, 11089, kPowerList);
  EXPECT_TRUE(Shows(L"", L"")) << "nothing ran";
}

// Equal prevalences pass the form; no sample tells them apart, and the
// library refuses the second prevalence. The sizes shown before stay.
TEST_F(ComparisonSampleSizeForm, LibraryRefusalOfEqualPrevalencesKeepsTheEarlierSizes) {
  Enter(L"0.1", L"0.2");
  ASSERT_TRUE(RunAndWaitFor(L"219", L"177"));
  struct Case {
    const wchar_t* p1;
    const wchar_t* p2;
    int message_id;
  } cases[] = {
      {L"0.2", L"0.2", 12023},
      {L"0.5", L"0.50001", 12023},    // a size beyond any count
      {L"0.0000001", L"0.2", 12022},  // passes the form's tolerance, not the library's
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.p1) + L" " + c.p2);
    Enter(c.p1, c.p2);
    ExpectLibraryRefusal(kRunButton, kFormKind, c.message_id);
    EXPECT_TRUE(Shows(L"219", L"177"));
  }
}

TEST_F(ComparisonSampleSizeForm, CtrlRRunsHelpOpensTopic1140AndEscapeCloses) {
  Enter(L"0.1", L"0.2");
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Shows(L"219", L"177"); }));

  ExpectHelpTopic(kHelpButton, 1140);

  ExpectEscapeCloses();
}

// Run under each language's user locale.
class ComparisonSampleSizeFormTexts : public ComparisonSampleSizeForm {};

TEST_F(ComparisonSampleSizeFormTexts, TextsAndListsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  const wchar_t* levels[] = {L"90%", L"95%", L"99%"};
  for (int index = 0; index < 3; ++index)
    EXPECT_EQ(ui::ListItemText(Item(kConfidenceList), index), levels[index]);
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), k95);
  const wchar_t* powers[] = {L"80%", L"85%", L"90%", L"95%"};
  for (int index = 0; index < 4; ++index)
    EXPECT_EQ(ui::ListItemText(Item(kPowerList), index), powers[index]);
  EXPECT_EQ(ui::ListItemText(Item(kPowerList), 4), L"");
  EXPECT_EQ(ui::ListSelection(Item(kPowerList)), kPower80);
  const std::optional<ui::FontDescription> hint = ui::ReadFont(Item(kOrderHint));
  ASSERT_TRUE(hint);
  EXPECT_TRUE(hint->italic);
  Enter(L"0.999999", L"1", k99, kPower95);
  EXPECT_TRUE(RunAndWaitFor(L"18870565", L"16938903"));
  form_test::ExpectShownTextsFit(form_);
}

}  // namespace
