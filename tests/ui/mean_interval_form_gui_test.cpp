// The form "Confidence Interval - Simple Random Sample" (of a mean) driven as
// a user would: the limits at each level of confidence, the messages of bad
// inputs, and the library's refusal of a sample larger than its population.
#include <windows.h>

#include <string>

#include "checked_form_test.h"
#include "form_session.h"
#include "mean_interval_controls.h"

namespace {

using namespace mean_interval;

constexpr int k90 = 0, k95 = 1, k99 = 2;  // items of the confidence list

class MeanIntervalForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const wchar_t* mean, const wchar_t* deviation, const wchar_t* sample,
             const wchar_t* population, int confidence = k95) {
    ASSERT_TRUE(Type(kMeanEdit, mean));
    ASSERT_TRUE(Type(kDeviationEdit, deviation));
    ASSERT_TRUE(Type(kSampleEdit, sample));
    ASSERT_TRUE(Type(kPopulationEdit, population));
    SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(confidence), 0);
  }

  bool Shows(const std::wstring& lower, const std::wstring& upper) const {
    return ItemText(kLowerResult) == lower && ItemText(kUpperResult) == upper;
  }

  bool RunAndWaitFor(const std::wstring& lower, const std::wstring& upper) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Shows(lower, upper); });
  }
};

TEST_F(MeanIntervalForm, LimitsAtEachLevel) {
  EXPECT_TRUE(WaitForFocusOn(kMeanEdit)) << "the first input has the focus";
  struct Case {
    const wchar_t* mean;
    const wchar_t* deviation;
    const wchar_t* sample;
    const wchar_t* population;
    int confidence;
    const wchar_t* lower;
    const wchar_t* upper;
  } cases[] = {
      {L"50", L"10", L"25", L"1000", k95, L"46.1293", L"53.8707"},
      {L"50", L"10", L"25", L"1000", k90, L"46.7514", L"53.2486"},
      {L"50", L"10", L"25", L"1000", k99, L"44.9128", L"55.0872"},
      {L"50", L"10", L"25", L"25", k95, L"50.0000", L"50.0000"},  // the whole population
      {L"3.5", L"1.2", L"10", L"100000", k95, L"2.7563", L"4.2437"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.mean) + L" " + c.deviation + L" " + c.sample + L" " + c.population);
    Enter(c.mean, c.deviation, c.sample, c.population, c.confidence);
    EXPECT_TRUE(RunAndWaitFor(c.lower, c.upper)) << testing::PrintToString(ItemText(kLowerResult));
  }
}

TEST_F(MeanIntervalForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* mean;
    const wchar_t* deviation;
    const wchar_t* sample;
    const wchar_t* population;
    int message_id;
    int focus;
  } cases[] = {
      {L"0", L"10", L"25", L"1000", 11116, kMeanEdit},
      {L"-50", L"10", L"25", L"1000", 11116, kMeanEdit},
      {L"", L"10", L"25", L"1000", 11116, kMeanEdit},
      {L"50", L"0", L"25", L"1000", 11114, kDeviationEdit},
      {L"50", L"x", L"25", L"1000", 11114, kDeviationEdit},
      {L"50", L"10", L"0", L"1000", 11064, kSampleEdit},
      {L"50", L"10", L"2.5", L"1000", 11064, kSampleEdit},
      {L"50", L"10", L"25", L"0", 11031, kPopulationEdit},
      {L"50", L"10", L"25", L"-1000", 11031, kPopulationEdit},
      {L"0", L"0", L"0", L"0", 11116, kMeanEdit},  // the first bad input is named
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.mean) + L" " + c.deviation + L" " + c.sample + L" " + c.population);
    Enter(c.mean, c.deviation, c.sample, c.population);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  // The level of confidence is read last.
  Enter(L"50", L"10", L"25", L"1000", -1);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_TRUE(Shows(L"", L"")) << "nothing ran";
}

// The form does not compare the sample with the population: the library
// does, and the limits shown before stay.
TEST_F(MeanIntervalForm, LibraryRefusalOfASampleAboveThePopulationKeepsTheEarlierLimits) {
  Enter(L"50", L"10", L"25", L"1000");
  ASSERT_TRUE(RunAndWaitFor(L"46.1293", L"53.8707"));
  struct Case {
    const wchar_t* mean;
    const wchar_t* sample;
    const wchar_t* population;
    int message_id;
  } cases[] = {
      {L"50", L"30", L"20", 12011},
      {L"0.0000001", L"25", L"1000", 12030},  // passes the form's tolerance, not the library's
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.mean) + L" " + c.sample + L" " + c.population);
    Enter(c.mean, L"10", c.sample, c.population);
    ExpectLibraryRefusal(kRunButton, kFormKind, c.message_id);
    EXPECT_TRUE(Shows(L"46.1293", L"53.8707"));
  }
}

TEST_F(MeanIntervalForm, CtrlRRunsHelpOpensTopic1060AndEscapeCloses) {
  Enter(L"50", L"10", L"25", L"1000");
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Shows(L"46.1293", L"53.8707"); }));

  ExpectHelpTopic(kHelpButton, 1060);

  ExpectEscapeCloses();
}

// Run under each language's user locale.
class MeanIntervalFormTexts : public MeanIntervalForm {};

TEST_F(MeanIntervalFormTexts, TextsAndFontsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  const std::optional<ui::FontDescription> result = ui::ReadFont(Item(kLowerResult));
  const std::optional<ui::FontDescription> group = ui::ReadFont(Item(kResultsGroup));
  ASSERT_TRUE(result && group);
  EXPECT_EQ(result->weight, 700);
  EXPECT_EQ(group->weight, 700);
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), k95);
  Enter(L"50", L"10", L"25", L"1000");
  EXPECT_TRUE(RunAndWaitFor(L"46.1293", L"53.8707"));
  form_test::ExpectShownTextsFit(form_);
}

}  // namespace
