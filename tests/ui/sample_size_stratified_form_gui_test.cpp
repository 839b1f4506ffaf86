// The form "Estimate - Sample Size - Stratified Random Sample" driven as a
// user would: strata typed, Run pressed, the sample sizes read back.
#include <windows.h>

#include <string>
#include <vector>

#include "checked_form_test.h"
#include "sample_size_stratified_controls.h"

namespace {

using namespace sample_size_stratified;

struct Stratum {
  const wchar_t* size;
  const wchar_t* prevalence;
};

// Population prevalence, total, then the five strata.
using Shown = std::vector<std::wstring>;

class SampleSizeStratifiedForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    CheckedFormTest::SetUp();
    if (HasFatalFailure()) return;
    OpenForm(kFormKind);
  }

  // Types the error and the strata; rows not given are emptied.
  void Enter(const wchar_t* error, const std::vector<Stratum>& strata) {
    ASSERT_TRUE(Type(kErrorEdit, error));
    for (int row = 0; row < kStratumCount; ++row) {
      const bool given = row < static_cast<int>(strata.size());
      ASSERT_TRUE(Type(kFirstSizeEdit + row, given ? strata[row].size : L""));
      ASSERT_TRUE(Type(kFirstPrevalenceEdit + row, given ? strata[row].prevalence : L""));
    }
  }

  Shown Results() const {
    Shown shown = {ItemText(kPopulationPrevalenceResult), ItemText(kTotalResult)};
    for (int row = 0; row < kStratumCount; ++row) shown.push_back(ItemText(kFirstStratumResult + row));
    return shown;
  }

  bool RunAndWaitFor(const Shown& expected) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Results() == expected; });
  }
};

const Shown kTwoEqualStrata = {L"0.5000", L"324", L"162", L"162", L"0", L"0", L"0"};
const Shown kThreeStrata = {L"0.2250", L"295", L"27", L"124", L"144", L"0", L"0"};

TEST_F(SampleSizeStratifiedForm, WorkedExamples) {
  EXPECT_TRUE(WaitForFocusOn(kErrorEdit)) << "the relative error has the focus first";
  Enter(L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}});
  EXPECT_TRUE(RunAndWaitFor(kTwoEqualStrata));
  Enter(L"0.2", {{L"500", L"0.1"}, {L"1500", L"0.3"}, {L"2000", L"0.2"}});
  EXPECT_TRUE(RunAndWaitFor(kThreeStrata));
  ASSERT_TRUE(ui::ChooseListItem(Item(kConfidenceList), 0));  // 90%
  EXPECT_TRUE(RunAndWaitFor({L"0.2250", L"213", L"20", L"89", L"104", L"0", L"0"}));
  EXPECT_EQ(Results(), Shown({L"0.2250", L"213", L"20", L"89", L"104", L"0", L"0"}));
  // A third stratum of prevalence 1 has no variance: it gets one individual.
  ASSERT_TRUE(ui::ChooseListItem(Item(kConfidenceList), 1));
  Enter(L"0.2", {{L"500", L"0.1"}, {L"1500", L"0.3"}, {L"2000", L"0.2"}, {L"800", L"1"}});
  EXPECT_TRUE(RunAndWaitFor({L"0.3542", L"89", L"8", L"37", L"43", L"1", L"0"}));
}

TEST_F(SampleSizeStratifiedForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  const int size3 = kFirstSizeEdit + 2;
  const int prevalence3 = kFirstPrevalenceEdit + 2;
  struct Case {
    const wchar_t* error;
    std::vector<Stratum> strata;
    int message_id;
    int focus;
  } cases[] = {
      {L"1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}}, 11029, kErrorEdit},
      {L"0", {{L"1000", L"0.5"}, {L"1000", L"0.5"}}, 11029, kErrorEdit},
      {L"x", {{L"1000", L"0.5"}, {L"1000", L"0.5"}}, 11029, kErrorEdit},
      {L"0.1", {{L"", L"0.5"}, {L"1000", L"0.5"}}, 11045, kFirstSizeEdit},
      {L"0.1", {{L"1000", L"0"}, {L"1000", L"0.5"}}, 11028, kFirstPrevalenceEdit},
      {L"0.1", {{L"1000", L"0.5"}, {L"0", L"0.5"}}, 11045, kFirstSizeEdit + 1},
      {L"0.1", {{L"1000", L"0.5"}, {L"abc", L"0.5"}}, 11045, kFirstSizeEdit + 1},
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"1.5"}}, 11028, kFirstPrevalenceEdit + 1},
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L""}}, 11028, kFirstPrevalenceEdit + 1},
      // Strata 3 to 5 are read like the first two as soon as they hold text.
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"1000", L"1.5"}}, 11028, prevalence3},
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"0", L"0.5"}}, 11045, size3},
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"1000", L""}}, 11028, prevalence3},
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"", L"0.2"}}, 11045, size3},
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"2.5", L"0.2"}}, 11045, size3},
      // A stratum after an empty row: the empty row is named.
      {L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"", L""}, {L"500", L"0.2"}}, 11045, size3},
      {L"0.1",
       {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"500", L"0.2"}, {L"", L""}, {L"", L"0.2"}},
       11045,
       kFirstSizeEdit + 3},
      // The first bad input is named.
      {L"7", {{L"0", L"7"}, {L"0", L"0.5"}}, 11029, kErrorEdit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    Enter(c.error, c.strata);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  Enter(L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}});
  ASSERT_EQ(SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Results(), Shown(7)) << "nothing ran";
}

TEST_F(SampleSizeStratifiedForm, EmptyOptionalRowsEndTheStrata) {
  // Blank rows 3 to 5 are no strata: the result of the first two alone.
  Enter(L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L" ", L""}, {L"", L" "}});
  EXPECT_TRUE(RunAndWaitFor(kTwoEqualStrata));
  Enter(L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}, {L"1000", L"0.5"}});
  EXPECT_TRUE(RunAndWaitFor({L"0.5000", L"342", L"114", L"114", L"114", L"0", L"0"}));
}

TEST_F(SampleSizeStratifiedForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}});
  ASSERT_TRUE(RunAndWaitFor(kTwoEqualStrata));
  // A prevalence of 1 passes the form but leaves the first stratum no variance.
  Enter(L"0.1", {{L"1000", L"1"}, {L"1000", L"0.5"}});
  ExpectLibraryRefusal(kRunButton, kFormKind, 12006);
  EXPECT_EQ(Results(), kTwoEqualStrata);
}

TEST_F(SampleSizeStratifiedForm, CtrlRAndEnterRunAndEscapeCloses) {
  Enter(L"0.1", {{L"1000", L"0.5"}, {L"1000", L"0.5"}});
  PressCtrlR(kFirstSizeEdit);
  EXPECT_TRUE(ui::WaitUntil([&] { return Results() == kTwoEqualStrata; }));
  Enter(L"0.2", {{L"500", L"0.1"}, {L"1500", L"0.3"}, {L"2000", L"0.2"}});
  PressEnter(kFirstPrevalenceEdit + 2);
  EXPECT_TRUE(ui::WaitUntil([&] { return Results() == kThreeStrata; }));
  ExpectEscapeCloses();
}

TEST_F(SampleSizeStratifiedForm, HelpButtonAndF1OpenTopic1160) { ExpectHelpTopic(kHelpButton, 1160); }

// Run under each language's user locale.
class SampleSizeStratifiedFormTexts : public SampleSizeStratifiedForm {};

TEST_F(SampleSizeStratifiedFormTexts, TextsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), 1);
}

}  // namespace
