// The form "Compare Two Prevalences - Magnitute of Difference" driven as a
// user would: the limits of the difference at 90, 95 and 99 % with their
// significance, the messages of bad inputs, and a library refusal.
#include <windows.h>

#include <string>
#include <vector>

#include "checked_form_test.h"
#include "comparison_interval_controls.h"
#include "form_session.h"

namespace {

using namespace comparison_interval;

constexpr int kYes = 11101;
constexpr int kNo = 11102;

// The three rows (minimum, maximum, significant) and the difference, as
// shown; significance by its StringId.
struct Shown {
  const wchar_t* limits[kLevelCount][2];
  int significant[kLevelCount];
  const wchar_t* difference;
};

// 0.2 of 200 against 0.3 of 200: significant at 90 and 95 %, not at 99 %.
const Shown kWorked = {{{L"0.0292", L"0.1708"}, {L"0.0157", L"0.1843"}, {L"-0.0108", L"0.2108"}},
                       {kYes, kYes, kNo},
                       L"0.100"};

class ComparisonIntervalForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const wchar_t* p1, const wchar_t* n1, const wchar_t* p2, const wchar_t* n2) {
    ASSERT_TRUE(Type(kPrevalence1Edit, p1));
    ASSERT_TRUE(Type(kSample1Edit, n1));
    ASSERT_TRUE(Type(kPrevalence2Edit, p2));
    ASSERT_TRUE(Type(kSample2Edit, n2));
  }

  std::vector<std::wstring> Results() const {
    std::vector<std::wstring> results;
    for (int k = 0; k < kLevelCount; ++k) {
      results.push_back(ItemText(kFirstMinimum + 3 * k));
      results.push_back(ItemText(kFirstMaximum + 3 * k));
      results.push_back(ItemText(kFirstSignificant + 3 * k));
    }
    results.push_back(ItemText(kDifference));
    return results;
  }

  std::vector<std::wstring> Expected(const Shown& shown) const {
    std::vector<std::wstring> results;
    for (int k = 0; k < kLevelCount; ++k) {
      results.push_back(shown.limits[k][0]);
      results.push_back(shown.limits[k][1]);
      results.push_back(Text(shown.significant[k]));
    }
    results.push_back(shown.difference);
    return results;
  }

  bool RunAndWaitFor(const Shown& shown) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Results() == Expected(shown); });
  }
};

TEST_F(ComparisonIntervalForm, LimitsAndSignificanceAtEachLevel) {
  EXPECT_TRUE(WaitForFocusOn(kPrevalence1Edit)) << "the first input has the focus";
  struct Case {
    const wchar_t* p1;
    const wchar_t* n1;
    const wchar_t* p2;
    const wchar_t* n2;
    Shown shown;
  } cases[] = {
      {L"0.2", L"200", L"0.3", L"200", kWorked},
      // Half the samples: the 90 % interval reaches just below 0.
      {L"0.2", L"100", L"0.3", L"100",
       {{{L"-0.0001", L"0.2001"}, {L"-0.0192", L"0.2192"}, {L"-0.0567", L"0.2567"}},
        {kNo, kNo, kNo}, L"0.100"}},
      {L"0.2", L"1000", L"0.3", L"1000",
       {{{L"0.0684", L"0.1316"}, {L"0.0623", L"0.1377"}, {L"0.0504", L"0.1496"}},
        {kYes, kYes, kYes}, L"0.100"}},
      // Equal prevalences of one individual each: a wide interval around 0.
      {L"0.3", L"1", L"0.3", L"1",
       {{{L"-1.0661", L"1.0661"}, {L"-1.2702", L"1.2702"}, {L"-1.6694", L"1.6694"}},
        {kNo, kNo, kNo}, L"0.000"}},
      {L"1", L"1", L"1", L"1",
       {{{L"0.0000", L"0.0000"}, {L"0.0000", L"0.0000"}, {L"0.0000", L"0.0000"}},
        {kNo, kNo, kNo}, L"0.000"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.p1) + L" " + c.n1 + L" " + c.p2 + L" " + c.n2);
    Enter(c.p1, c.n1, c.p2, c.n2);
    EXPECT_TRUE(RunAndWaitFor(c.shown)) << testing::PrintToString(Results());
  }
}

TEST_F(ComparisonIntervalForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* p1;
    const wchar_t* n1;
    const wchar_t* p2;
    const wchar_t* n2;
    int message_id;
    int focus;
  } cases[] = {
      {L"0", L"200", L"0.3", L"200", 11095, kPrevalence1Edit},
      {L"1.5", L"200", L"0.3", L"200", 11095, kPrevalence1Edit},
      {L"", L"200", L"0.3", L"200", 11095, kPrevalence1Edit},
      {L"0.2", L"0", L"0.3", L"200", 11064, kSample1Edit},
      {L"0.2", L"2.5", L"0.3", L"200", 11064, kSample1Edit},
      {L"0.2", L"x", L"0.3", L"200", 11064, kSample1Edit},
      {L"0.2", L"200", L"-0.3", L"200", 11095, kPrevalence2Edit},
      {L"0.2", L"200", L"1.01", L"200", 11095, kPrevalence2Edit},
      {L"0.2", L"200", L"0.3", L"0", 11064, kSample2Edit},
      {L"0.2", L"200", L"0.3", L"-4", 11064, kSample2Edit},
      // The lower prevalence goes first: the focus goes back to it.
      {L"0.3", L"200", L"0.2", L"200", 12025, kPrevalence1Edit},
      {L"0.3", L"0", L"0.2", L"0", 11064, kSample1Edit},  // the sizes are read first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.p1) + L" " + c.n1 + L" " + c.p2 + L" " + c.n2);
    Enter(c.p1, c.n1, c.p2, c.n2);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  EXPECT_EQ(Results(), std::vector<std::wstring>(3 * kLevelCount + 1)) << "nothing ran";
}

TEST_F(ComparisonIntervalForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(L"0.2", L"200", L"0.3", L"200");
  ASSERT_TRUE(RunAndWaitFor(kWorked));
  // Passes the form's tolerance (1e-15) but not the library's (1e-6).
  Enter(L"0.0000001", L"200", L"0.3", L"200");
  ExpectLibraryRefusal(kRunButton, kFormKind, 12022);
  EXPECT_EQ(Results(), Expected(kWorked));
}

TEST_F(ComparisonIntervalForm, CtrlRRunsHelpOpensTopic1090AndEscapeCloses) {
  Enter(L"0.2", L"200", L"0.3", L"200");
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Results() == Expected(kWorked); }));

  ExpectHelpTopic(kHelpButton, 1090);

  ExpectEscapeCloses();
}

// Run under each language's user locale.
class ComparisonIntervalFormTexts : public ComparisonIntervalForm {};

TEST_F(ComparisonIntervalFormTexts, TextsAndTheAnswersInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  const std::optional<ui::FontDescription> hint = ui::ReadFont(Item(kOrderHint));
  const std::optional<ui::FontDescription> result = ui::ReadFont(Item(kDifference));
  ASSERT_TRUE(hint && result);
  EXPECT_TRUE(hint->italic);
  EXPECT_EQ(result->weight, 700);
  Enter(L"0.2", L"200", L"0.3", L"200");
  EXPECT_TRUE(RunAndWaitFor(kWorked)) << testing::PrintToString(Results());
  form_test::ExpectShownTextsFit(form_);
}

}  // namespace
