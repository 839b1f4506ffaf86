// The form "Estimate Maximum Detectable Prevalence" driven as a user would:
// after an all-negative sample, the positives that may remain undetected and
// the confidence in the expected prevalence, each with its sentence.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "checked_form_test.h"
#include "detection_form_support.h"
#include "form_session.h"
#include "maximum_prevalence_controls.h"

namespace {

using namespace maximum_prevalence;
using detection_test::Filled;

struct Inputs {
  const wchar_t* sample_size;
  const wchar_t* population;
  const wchar_t* sensitivity;
  const wchar_t* prevalence;
};

// The worked example: 30 of 1000 all negative, Se 1, 95 %, p = 0.05.
const Inputs kWorked = {L"30", L"1000", L"1", L"0.05"};

const int kResultIds[] = {kPositivesResult, kPrevalenceResult, kConfidenceResult};
const int kSentenceIds[] = {kPositivesSentence, kPrevalenceSentence, kNote, kConfidenceSentence};

class MaximumPrevalenceForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const Inputs& in) {
    ASSERT_TRUE(Type(kSampleSizeEdit, in.sample_size));
    ASSERT_TRUE(Type(kPopulationEdit, in.population));
    ASSERT_TRUE(Type(kSensitivityEdit, in.sensitivity));
    ASSERT_TRUE(Type(kPrevalenceEdit, in.prevalence));
  }

  std::vector<std::wstring> Shown() const {
    std::vector<std::wstring> shown;
    for (int id : kResultIds) shown.push_back(ItemText(id));
    for (int id : kSentenceIds) shown.push_back(ItemText(id));
    return shown;
  }

  bool RunAndWaitFor(const std::vector<std::wstring>& results) {
    Press(kRunButton);
    return ui::WaitUntil([&] {
      return ItemText(kPositivesResult) == results[0] &&
             ItemText(kPrevalenceResult) == results[1] && ItemText(kConfidenceResult) == results[2];
    });
  }

  // The sentences of a run as the user must read them.
  void ExpectSentences(const std::wstring& population, const std::wstring& sample,
                       const std::wstring& sensitivity, const std::wstring& level,
                       const std::wstring& positives, const std::wstring& prevalence) {
    EXPECT_EQ(ItemText(kPositivesSentence),
              Filled(Text(11148), {population, sample, sensitivity, level}));
    EXPECT_EQ(ItemText(kPrevalenceSentence), Text(11149));
    EXPECT_EQ(ItemText(kNote), Filled(Text(11150), {positives}));
    EXPECT_EQ(ItemText(kConfidenceSentence),
              Filled(Text(11151), {sample, sensitivity, prevalence}));
  }
};

TEST_F(MaximumPrevalenceForm, WorkedExampleLeavesAtMost94Positives) {
  EXPECT_TRUE(WaitForFocusOn(kSampleSizeEdit)) << "the first input has the focus";
  for (int id : kSentenceIds) EXPECT_EQ(ItemText(id), L"") << "the sentences come with a run";
  Enter(kWorked);
  EXPECT_TRUE(RunAndWaitFor({L"94", L"9.37%", L"79.02%"}));
  // A sensitivity of 1 is written "1." (four decimals, trailing zeros trimmed).
  ExpectSentences(L"1000", L"30", L"1.", L"95", L"94", L"0.05");
}

TEST_F(MaximumPrevalenceForm, PercentagesAndSentencesFollowTheInputs) {
  struct Case {
    const char* why;
    Inputs inputs;
    int level_index;
    std::vector<std::wstring> results;
    const wchar_t* sensitivity;
    const wchar_t* level;
    const wchar_t* prevalence;
  } cases[] = {
      // One expected positive (D = 1) and a perfect test: the confidence is
      // n / N, exactly ten percent, and the point stays after the trim.
      {"a round ten percent",
       {L"100", L"1000", L"1", L"0.001"},
       1,
       {L"29", L"2.81%", L"10.%"},
       L"1.",
       L"95",
       L"0.001"},
      {"a sample of the whole population",
       {L"1", L"1", L"1", L"1"},
       1,
       {L"1", L"95.%", L"100.%"},
       L"1.",
       L"95",
       L"1."},
      {"another level and sensitivity",
       {L"30", L"1000", L"0.85", L"0.05"},
       2,
       {},
       L"0.85",
       L"99",
       L"0.05"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Enter(c.inputs);
    ASSERT_TRUE(ui::ChooseListItem(Item(kConfidenceList), c.level_index));
    if (c.results.empty()) {
      SetWindowTextW(Item(kPositivesResult), L"");
      Press(kRunButton);
      ASSERT_TRUE(ui::WaitUntil([&] { return !ItemText(kPositivesResult).empty(); }));
    } else {
      EXPECT_TRUE(RunAndWaitFor(c.results));
    }
    ExpectSentences(c.inputs.population, c.inputs.sample_size, c.sensitivity, c.level,
                    ItemText(kPositivesResult), c.prevalence);
  }
}

TEST_F(MaximumPrevalenceForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const char* why;
    Inputs inputs;
    int message_id;
    int focus;
  } cases[] = {
      {"no sample", {L"", L"1000", L"1", L"0.05"}, 11064, kSampleSizeEdit},
      {"a sample of 0", {L"0", L"1000", L"1", L"0.05"}, 11064, kSampleSizeEdit},
      {"a fractional population", {L"30", L"1000.5", L"1", L"0.05"}, 11031, kPopulationEdit},
      {"a sensitivity of 0", {L"30", L"1000", L"0", L"0.05"}, 11105, kSensitivityEdit},
      {"a sensitivity above 1", {L"30", L"1000", L"1.2", L"0.05"}, 11105, kSensitivityEdit},
      {"a prevalence above 1", {L"30", L"1000", L"1", L"1.5"}, 11095, kPrevalenceEdit},
      {"no prevalence", {L"30", L"1000", L"1", L""}, 11095, kPrevalenceEdit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Enter(c.inputs);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  Enter(kWorked);
  ASSERT_EQ(SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Shown(), std::vector<std::wstring>(Shown().size())) << "nothing ran";
}

// The form does not compare the sample with the population: the library does.
TEST_F(MaximumPrevalenceForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(kWorked);
  ASSERT_TRUE(RunAndWaitFor({L"94", L"9.37%", L"79.02%"}));
  const std::vector<std::wstring> worked = Shown();
  Enter({L"1001", L"1000", L"1", L"0.05"});
  ExpectLibraryRefusal(kRunButton, kFormKind, 12011);
  EXPECT_EQ(Shown(), worked);
}

// The largest counts and the poorest sensitivity the form admits: figures
// or the library's report at once, never an overflowed count.
TEST_F(MaximumPrevalenceForm, WorstAdmittedInputsAnswerQuicklyWithSoundFigures) {
  const struct Case {
    Inputs inputs;
    int refusal;  // the library's message, 0 for results
  } cases[] = {
      {{L"2147483647", L"2147483647", L"0.0000010001", L"1"}, 0},
      {{L"1", L"2147483647", L"1", L"0.0000010001"}, 0},
      // So poor a test leaves more undetected positives than a count holds.
      {{L"1", L"2147483647", L"0.001", L"0.0000010001"}, 12028},
      {{L"1", L"1", L"1", L"1"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.inputs.sample_size) + L" " + c.inputs.population + L" " +
                 c.inputs.sensitivity);
    Enter(c.inputs);
    SetWindowTextW(Item(kPositivesResult), L"");
    const auto start = std::chrono::steady_clock::now();
    Press(kRunButton);
    if (c.refusal != 0) {
      EXPECT_EQ(TakeMessageBox(Text(IDS_LIBRARY_ERROR_TITLE)).text,
                LibraryReportText(kFormKind, c.refusal));
      continue;
    }
    ASSERT_TRUE(ui::WaitUntil([&] { return !ItemText(kPositivesResult).empty(); }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(ui::Responsive(form_));
    for (const std::wstring& text : Shown())
      EXPECT_FALSE(detection_test::LooksBroken(text)) << text;
  }
}

// File > Copy results (Ctrl+Shift+C): each answer is its sentence, filled
// with this run's figures, and the figure beside it.
TEST_F(MaximumPrevalenceForm, CopyResultsCarriesEachSentenceWithItsFigure) {
  Enter(kWorked);
  ASSERT_TRUE(RunAndWaitFor({L"94", L"9.37%", L"79.02%"}));
  const std::vector<std::wstring> report = detection_test::CopiedReport(frame());
  ASSERT_FALSE(report.empty()) << "Ctrl+Shift+C copied nothing";
  EXPECT_EQ(report[0], TitleOf(kFormKind));
  const std::wstring t = L"\t";
  const std::vector<std::wstring> results = {
      Text(11037),
      Text(11152),
      Filled(Text(11148), {L"1000", L"30", L"1.", L"95"}) + t + L"94",
      Text(11149) + t + L"9.37%",
      Filled(Text(11150), {L"94"}),
      Text(11153),
      Filled(Text(11151), {L"30", L"1.", L"0.05"}) + t + L"79.02%"};
  const auto at = std::find(report.begin(), report.end(), Text(11037));
  ASSERT_NE(at, report.end()) << "no results in the report";
  EXPECT_EQ(std::vector<std::wstring>(at, report.end()), results);
  EXPECT_NE(std::find(report.begin(), report.end(), Text(11033) + t + L"30"), report.end())
      << "the sample size as typed";
}

TEST_F(MaximumPrevalenceForm, CtrlRHelpF1AndEscape) {
  Enter(kWorked);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kPositivesResult) == L"94"; }));
  ExpectHelpTopic(kHelpButton, 1020);
  ExpectEscapeCloses();
}

// Run under each language's user locale: the texts, and the sentences with
// the longest figures they take, filled and fitting their labels.
class MaximumPrevalenceFormTexts : public MaximumPrevalenceForm {};

TEST_F(MaximumPrevalenceFormTexts, TextsAndFilledSentencesInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  const std::optional<ui::FontDescription> question = ui::ReadFont(Item(kFirstQuestion));
  ASSERT_TRUE(question);
  EXPECT_EQ(question->weight, 700);
  // The headline in the form's own face, which has the glyphs of every
  // language (the system font has no Thai).
  const std::optional<ui::FontDescription> headline = ui::ReadFont(Item(kHeadline));
  ASSERT_TRUE(headline);
  EXPECT_EQ(headline->face, question->face);
  Enter({L"2147483647", L"2147483647", L"0.9999", L"0.0001"});
  SetWindowTextW(Item(kPositivesResult), L"");
  Press(kRunButton);
  ASSERT_TRUE(ui::WaitUntil([&] { return !ItemText(kPositivesResult).empty(); }));
  for (int id : kSentenceIds) {
    SCOPED_TRACE(id);
    EXPECT_EQ(ItemText(id).find(L'{'), std::wstring::npos) << "every placeholder is filled";
  }
  ExpectSentences(L"2147483647", L"2147483647", L"0.9999", L"95", ItemText(kPositivesResult),
                  L"0.0001");
  detection_test::ExpectTextsFit(form_);
  Enter(kWorked);
  EXPECT_TRUE(RunAndWaitFor({L"94", L"9.37%", L"79.02%"}));
  detection_test::ExpectTextsFit(form_);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  Sleep(500);
  detection_test::SaveScreenshot(
      form_, L"maximum-prevalence-" + detection_test::LanguageName(form_test::LanguageOffset()));
}

}  // namespace
