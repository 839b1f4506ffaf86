// The form "Estimate - Sample Size - Two Stage Sample" driven as a user
// would: inputs typed, the rate of homogeneity given exactly or as a level,
// Run pressed, the clusters and samples read back.
#include <windows.h>

#include <string>

#include "checked_form_test.h"
#include "sample_size_two_stages_controls.h"

namespace {

using namespace sample_size_two_stages;

// Items of the homogeneity list.
constexpr int kEmptyLevel = 0;
constexpr int kLow = 1;
constexpr int kMedium = 2;
constexpr int kHigh = 3;
constexpr int kUnknown = 4;
constexpr int kNoLevel = -1;

class SampleSizeTwoStagesForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    CheckedFormTest::SetUp();
    if (HasFatalFailure()) return;
    OpenForm(kFormKind);
  }

  void Enter(const wchar_t* prevalence, const wchar_t* error, const wchar_t* per_cluster,
             const wchar_t* exact, int level) {
    ASSERT_TRUE(Type(kPrevalenceEdit, prevalence));
    ASSERT_TRUE(Type(kErrorEdit, error));
    ASSERT_TRUE(Type(kPerClusterEdit, per_cluster));
    ASSERT_TRUE(Type(kExactEdit, exact));
    if (level == kNoLevel) {
      SendMessageW(Item(kHomogeneityList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    } else {
      ASSERT_TRUE(ui::ChooseListItem(Item(kHomogeneityList), level));
    }
  }

  std::wstring Shown() const {
    return ItemText(kClustersResult) + L" " + ItemText(kSamplesResult) + L" [" +
           ItemText(kMinimumWarning) + L"]";
  }

  // Runs and waits for clusters, samples and the warning (empty or not).
  bool RunAndWaitFor(const wchar_t* clusters, const wchar_t* samples, bool warned) {
    const std::wstring expected = std::wstring(clusters) + L" " + samples + L" [" +
                                  (warned ? Text(11059) : L"") + L"]";
    Press(kRunButton);
    return ui::WaitUntil([&] { return Shown() == expected; });
  }
};

TEST_F(SampleSizeTwoStagesForm, WorkedExamples) {
  EXPECT_TRUE(WaitForFocusOn(kPrevalenceEdit)) << "the prevalence has the focus first";
  EXPECT_EQ(ui::ListSelection(Item(kHomogeneityList)), -1) << "no level chosen at first";
  struct Case {
    const wchar_t* exact;
    int level;
    const wchar_t* clusters;
    const wchar_t* samples;
  } cases[] = {
      {L"0.1", kNoLevel, L"73", L"730"},
      {L"", kLow, L"77", L"770"},
      {L"", kMedium, L"154", L"1540"},
      {L"", kHigh, L"269", L"2690"},
      {L"", kUnknown, L"289", L"2890"},
      {L"1", kNoLevel, L"385", L"3850"},  // rho = 1: every sample of a cluster alike
      {L"0", kMedium, L"154", L"1540"},   // a typed 0 is no exact value: the level counts
      {L"  ", kHigh, L"269", L"2690"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.exact) + L" level " + std::to_wstring(c.level));
    Enter(L"0.2", L"0.2", L"10", c.exact, c.level);
    EXPECT_TRUE(RunAndWaitFor(c.clusters, c.samples, false)) << Shown();
  }
}

TEST_F(SampleSizeTwoStagesForm, AnExactValueWinsAndClearsTheLevel) {
  Enter(L"0.2", L"0.2", L"10", L"0.05", kHigh);
  EXPECT_TRUE(RunAndWaitFor(L"56", L"560", false)) << Shown();
  EXPECT_EQ(ui::ListSelection(Item(kHomogeneityList)), -1);
}

TEST_F(SampleSizeTwoStagesForm, FewerThan25ClustersAreRaisedWithAWarningThatTheNextRunClears) {
  Enter(L"0.5", L"0.3", L"20", L"", kLow);
  EXPECT_TRUE(RunAndWaitFor(L"25", L"500", true)) << Shown();
  Enter(L"0.2", L"0.2", L"10", L"0.1", kNoLevel);
  EXPECT_TRUE(RunAndWaitFor(L"73", L"730", false)) << Shown();
}

TEST_F(SampleSizeTwoStagesForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* prevalence;
    const wchar_t* error;
    const wchar_t* per_cluster;
    const wchar_t* exact;
    int level;
    int message_id;
    int focus;
  } cases[] = {
      {L"1", L"0.2", L"10", L"0.1", kNoLevel, 11028, kPrevalenceEdit},
      {L"0", L"0.2", L"10", L"0.1", kNoLevel, 11028, kPrevalenceEdit},
      {L"", L"0.2", L"10", L"0.1", kNoLevel, 11028, kPrevalenceEdit},
      {L"0.2", L"1", L"10", L"0.1", kNoLevel, 11029, kErrorEdit},
      {L"0.2", L"-0.1", L"10", L"0.1", kNoLevel, 11029, kErrorEdit},
      {L"0.2", L"0.2", L"0", L"0.1", kNoLevel, 11053, kPerClusterEdit},
      {L"0.2", L"0.2", L"2.5", L"0.1", kNoLevel, 11053, kPerClusterEdit},
      // No rate of homogeneity at all: the list is named.
      {L"0.2", L"0.2", L"10", L"", kNoLevel, 11058, kHomogeneityList},
      {L"0.2", L"0.2", L"10", L"", kEmptyLevel, 11058, kHomogeneityList},
      {L"0.2", L"0.2", L"10", L"0", kEmptyLevel, 11058, kHomogeneityList},
      // A typed rate that is no fraction is refused, whatever the level.
      {L"0.2", L"0.2", L"10", L"3", kHigh, 11058, kExactEdit},
      {L"0.2", L"0.2", L"10", L"1.0001", kNoLevel, 11058, kExactEdit},
      {L"0.2", L"0.2", L"10", L"-0.2", kMedium, 11058, kExactEdit},
      {L"0.2", L"0.2", L"10", L"abc", kMedium, 11058, kExactEdit},
      {L"0.2", L"0.2", L"10", L"0.1.1", kMedium, 11058, kExactEdit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    Enter(c.prevalence, c.error, c.per_cluster, c.exact, c.level);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  Enter(L"0.2", L"0.2", L"10", L"0.1", kNoLevel);
  ASSERT_EQ(SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Shown(), L"  []") << "nothing ran";
}

TEST_F(SampleSizeTwoStagesForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(L"0.2", L"0.2", L"10", L"0.1", kNoLevel);
  ASSERT_TRUE(RunAndWaitFor(L"73", L"730", false));
  // One sample per cluster passes the form; the library needs two.
  Enter(L"0.2", L"0.2", L"1", L"0.1", kNoLevel);
  ExpectLibraryRefusal(kRunButton, kFormKind, 12008);
  EXPECT_EQ(Shown(), L"73 730 []");
}

TEST_F(SampleSizeTwoStagesForm, CtrlRAndEnterRunAndEscapeCloses) {
  Enter(L"0.2", L"0.2", L"10", L"0.1", kNoLevel);
  PressCtrlR(kExactEdit);
  EXPECT_TRUE(ui::WaitUntil([&] { return Shown() == L"73 730 []"; }));
  Enter(L"0.2", L"0.2", L"10", L"", kLow);
  PressEnter(kPerClusterEdit);
  EXPECT_TRUE(ui::WaitUntil([&] { return Shown() == L"77 770 []"; })) << Shown();
  ExpectEscapeCloses();
}

TEST_F(SampleSizeTwoStagesForm, HelpButtonAndF1OpenTopic1170) { ExpectHelpTopic(kHelpButton, 1170); }

// Run under each language's user locale.
class SampleSizeTwoStagesFormTexts : public SampleSizeTwoStagesForm {};

TEST_F(SampleSizeTwoStagesFormTexts, TextsAndListsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), 1);
  EXPECT_EQ(ui::ListItemText(Item(kHomogeneityList), kEmptyLevel), L"");
  for (int level = kLow; level <= kUnknown; ++level)
    EXPECT_EQ(ui::ListItemText(Item(kHomogeneityList), level), Text(11053 + level));
  EXPECT_EQ(ui::ListSelection(Item(kHomogeneityList)), -1);
  // The warning in the user's language.
  Enter(L"0.5", L"0.3", L"20", L"", kLow);
  EXPECT_TRUE(RunAndWaitFor(L"25", L"500", true)) << Shown();
}

}  // namespace
