// The form "Estimate Prevalence - Stratified Random Sample" driven as a user
// would: strata typed, Run pressed, the prevalence and its limits read back.
#include <windows.h>

#include <string>
#include <vector>

#include "checked_form_test.h"
#include "interval_stratified_controls.h"

namespace {

using namespace interval_stratified;

struct Stratum {
  const wchar_t* population;
  const wchar_t* sample;
  const wchar_t* proportion;
};

const std::vector<Stratum> kTwoStrata = {{L"1000", L"100", L"0.2"}, {L"2000", L"100", L"0.3"}};
// Lower limit, prevalence, upper limit.
const std::wstring kTwoStrataShown = L"0.2029 0.2667 0.3304";

class IntervalStratifiedForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    CheckedFormTest::SetUp();
    if (HasFatalFailure()) return;
    OpenForm(kFormKind);
  }

  // Types the strata; rows not given are emptied.
  void Enter(const std::vector<Stratum>& strata) {
    for (int row = 0; row < kStratumCount; ++row) {
      const bool given = row < static_cast<int>(strata.size());
      ASSERT_TRUE(Type(PopulationEdit(row), given ? strata[row].population : L""));
      ASSERT_TRUE(Type(SampleEdit(row), given ? strata[row].sample : L""));
      ASSERT_TRUE(Type(ProportionEdit(row), given ? strata[row].proportion : L""));
    }
  }

  std::wstring Shown() const {
    return ItemText(kLowerResult) + L" " + ItemText(kPrevalenceResult) + L" " + ItemText(kUpperResult);
  }

  bool RunAndWaitFor(const std::wstring& expected) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Shown() == expected; });
  }
};

TEST_F(IntervalStratifiedForm, WorkedExamples) {
  EXPECT_TRUE(WaitForFocusOn(PopulationEdit(0))) << "the first population has the focus first";
  Enter(kTwoStrata);
  EXPECT_TRUE(RunAndWaitFor(kTwoStrataShown)) << Shown();
  Enter({kTwoStrata[0], kTwoStrata[1], {L"500", L"50", L"0.1"}});
  EXPECT_TRUE(RunAndWaitFor(L"0.1871 0.2429 0.2987")) << Shown();
  // Blank optional rows are no strata.
  Enter({kTwoStrata[0], kTwoStrata[1], {L" ", L"", L""}, {L"", L"", L" "}});
  EXPECT_TRUE(RunAndWaitFor(kTwoStrataShown)) << Shown();
}

// No positives in a stratum is an ordinary outcome: a proportion of 0 (and
// of 1) is taken in every stratum.
TEST_F(IntervalStratifiedForm, StrataWithoutPositivesTakePart) {
  Enter({kTwoStrata[0], kTwoStrata[1], {L"500", L"50", L"0.0"}, {L"800", L"40", L"0.25"}});
  EXPECT_TRUE(RunAndWaitFor(L"0.1817 0.2326 0.2834")) << Shown();
  Enter({{L"1000", L"100", L"0"}, kTwoStrata[1]});
  EXPECT_TRUE(RunAndWaitFor(L"0.1413 0.2000 0.2587")) << Shown();
  Enter({{L"1000", L"100", L"1"}, {L"2000", L"100", L"1"}});
  EXPECT_TRUE(RunAndWaitFor(L"1.0000 1.0000 1.0000")) << Shown();
}

TEST_F(IntervalStratifiedForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  const Stratum a = kTwoStrata[0];
  const Stratum b = kTwoStrata[1];
  struct Case {
    std::vector<Stratum> strata;
    int message_id;
    int focus;
  } cases[] = {
      {{{L"", L"100", L"0.2"}, b}, 11074, PopulationEdit(0)},
      {{{L"0", L"100", L"0.2"}, b}, 11074, PopulationEdit(0)},
      {{{L"1000", L"0", L"0.2"}, b}, 11075, SampleEdit(0)},
      {{{L"1000", L"100", L"1.2"}, b}, 11065, ProportionEdit(0)},
      {{{L"1000", L"100", L"-0.1"}, b}, 11065, ProportionEdit(0)},
      {{{L"1000", L"100", L""}, b}, 11065, ProportionEdit(0)},
      {{a, {L"2000", L"1e2", L"0.3"}}, 11075, SampleEdit(1)},
      {{a, {L"2000", L"100", L"x"}}, 11065, ProportionEdit(1)},
      // Strata 3 to 5 are read like the first two as soon as they hold text.
      {{a, b, {L"500", L"50", L"1.2"}}, 11065, ProportionEdit(2)},
      {{a, b, {L"500", L"", L""}}, 11075, SampleEdit(2)},
      {{a, b, {L"", L"50", L"0.1"}}, 11074, PopulationEdit(2)},
      {{a, b, {L"500", L"50", L"0.1"}, {L"0", L"50", L"0.1"}}, 11074, PopulationEdit(3)},
      // A stratum after an empty row: the empty row is named.
      {{a, b, {L"", L"", L""}, {L"500", L"50", L"0.1"}}, 11074, PopulationEdit(2)},
      {{a, b, {L"", L"", L""}, {L"", L"", L""}, {L"", L"", L"0.1"}}, 11074, PopulationEdit(2)},
      {{a, b, {L"500", L"50", L"0.1"}, {L"", L"", L""}, {L"9", L"", L""}}, 11074, PopulationEdit(3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    Enter(c.strata);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  Enter(kTwoStrata);
  SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Shown(), L"  ") << "nothing ran";
  // The rows stay as typed: nothing is emptied behind the user's back.
  EXPECT_EQ(ItemText(PopulationEdit(1)), L"2000");
}

TEST_F(IntervalStratifiedForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(kTwoStrata);
  ASSERT_TRUE(RunAndWaitFor(kTwoStrataShown));
  // A population of 1 passes the form; the library needs two.
  Enter({{L"1", L"100", L"0.2"}, kTwoStrata[1]});
  ExpectLibraryRefusal(kRunButton, kFormKind, 12011);
  // A third stratum that holds data but cannot be used is refused, never
  // dropped: a sample of 1 has no variance.
  Enter({kTwoStrata[0], kTwoStrata[1], {L"500", L"1", L"0.1"}});
  ExpectLibraryRefusal(kRunButton, kFormKind, 12008);
  EXPECT_EQ(Shown(), kTwoStrataShown);
}

TEST_F(IntervalStratifiedForm, CtrlRAndEnterRunAndEscapeCloses) {
  Enter(kTwoStrata);
  PressCtrlR(ProportionEdit(1));
  EXPECT_TRUE(ui::WaitUntil([&] { return Shown() == kTwoStrataShown; })) << Shown();
  Enter({kTwoStrata[0], kTwoStrata[1], {L"500", L"50", L"0.1"}});
  PressEnter(SampleEdit(2));
  EXPECT_TRUE(ui::WaitUntil([&] { return Shown() == L"0.1871 0.2429 0.2987"; })) << Shown();
  ExpectEscapeCloses();
}

TEST_F(IntervalStratifiedForm, HelpButtonAndF1OpenTopic1110) { ExpectHelpTopic(kHelpButton, 1110); }

// Run under each language's user locale.
class IntervalStratifiedFormTexts : public IntervalStratifiedForm {};

TEST_F(IntervalStratifiedFormTexts, TextsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), 1);
}

}  // namespace
