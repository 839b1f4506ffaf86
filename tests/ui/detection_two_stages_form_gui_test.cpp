// The form "Detect - Sample Size - Two Stage Sample" driven as a user
// would: the herds, the animals per herd, the table of herd sizes and the
// two false-positive sentences read back after Run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "checked_form_test.h"
#include "detection_form_support.h"
#include "detection_two_stages_controls.h"
#include "form_session.h"

namespace {

using namespace detection_two_stages;
using detection_test::Filled;
using detection_test::Fixed;
using detection_test::Trimmed;

struct Inputs {
  const wchar_t* beta;
  const wchar_t* herd_prevalence;
  const wchar_t* herds;
  const wchar_t* animal_prevalence;
  const wchar_t* herd_size;
  const wchar_t* herd_confidence;
  const wchar_t* se1;
  const wchar_t* sp1;
  const wchar_t* se2 = L"";
  const wchar_t* sp2 = L"";
  int interpretation = -1;  // the list's index: 0 empty, 1 serial, 2 parallel
};

// The worked example: 95 %, herds of 500 at 0.05, animals at 0.1, 100 per
// herd, herd-level confidence 0.95, one test Se 0.9, Sp 0.98, beta 0.05.
const Inputs kWorked = {L"0.05", L"0.05", L"500", L"0.1", L"100", L"0.95", L"0.9", L"0.98"};

// Sensitivity, specificity, herds, animals per herd, total, the seven herd
// sizes, false positives per herd and in the sample.
std::vector<int> ResultIds() {
  std::vector<int> ids = {kSensitivityResult, kSpecificityResult, kHerdsResult, kAnimalsResult,
                          kTotalResult};
  for (int k = 0; k < kTableRows; ++k) ids.push_back(kFirstTableResult + k);
  ids.push_back(kPerHerdResult);
  ids.push_back(kSampleResult);
  return ids;
}

// What the library answers for the inputs, called from the test.
bool Library(int herd_confidence, float sp, TwoStageDetection* out) {
  const auto run = detection_test::LibraryExport<decltype(&::DetectingEvent_SampleSize_TwoStages)>(
      "DetectingEvent_SampleSize_TwoStages");
  return run != nullptr &&
         run(95, 0.05f, 500, 0.1f, 100.0f, herd_confidence, 0.9f, sp, 0, 0, out, 0.05f, 0) == 0;
}

std::vector<std::wstring> Shown(const TwoStageDetection& out) {
  std::vector<std::wstring> shown = {
      Fixed(out.sensitivity, 4), Fixed(out.specificity, 4), std::to_wstring(out.herds),
      std::to_wstring(out.animals_per_herd), std::to_wstring(out.samples)};
  for (int size : out.animals_per_herd_table) shown.push_back(std::to_wstring(size));
  shown.push_back(std::to_wstring(out.false_positives_per_herd));
  shown.push_back(std::to_wstring(out.false_positives_in_sample));
  return shown;
}

class DetectionTwoStagesForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const Inputs& in) {
    ASSERT_TRUE(Type(kBetaEdit, in.beta));
    ASSERT_TRUE(Type(kHerdPrevalenceEdit, in.herd_prevalence));
    ASSERT_TRUE(Type(kHerdsEdit, in.herds));
    ASSERT_TRUE(Type(kAnimalPrevalenceEdit, in.animal_prevalence));
    ASSERT_TRUE(Type(kHerdSizeEdit, in.herd_size));
    ASSERT_TRUE(Type(kHerdConfidenceEdit, in.herd_confidence));
    ASSERT_TRUE(Type(kSensitivity1Edit, in.se1));
    ASSERT_TRUE(Type(kSpecificity1Edit, in.sp1));
    ASSERT_TRUE(Type(kSensitivity2Edit, in.se2));
    ASSERT_TRUE(Type(kSpecificity2Edit, in.sp2));
    if (in.interpretation >= 0) {
      ASSERT_TRUE(ui::ChooseListItem(Item(kInterpretationList), in.interpretation));
    } else {
      SendMessageW(Item(kInterpretationList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
  }

  std::vector<std::wstring> Results() const {
    std::vector<std::wstring> results;
    for (int id : ResultIds()) results.push_back(ItemText(id));
    return results;
  }

  bool RunAndWaitFor(const std::vector<std::wstring>& expected) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Results() == expected; });
  }

  // The three lines of the false-positive block as the user must read them.
  void ExpectSentences(const std::wstring& beta, const std::wstring& animals,
                       const std::wstring& specificity, const std::wstring& samples) {
    EXPECT_EQ(ItemText(kBetaLine), Filled(Text(11140), {beta}));
    EXPECT_EQ(ItemText(kPerHerdSentence), Filled(Text(11141), {animals, specificity}));
    EXPECT_EQ(ItemText(kSampleSentence), Filled(Text(11144), {samples}));
    EXPECT_EQ(ItemText(kPerHerdUnit), Text(11142));
    EXPECT_EQ(ItemText(kSampleUnit), Text(11143));
  }
};

TEST_F(DetectionTwoStagesForm, WorkedExampleGives57HerdsOf27Animals) {
  EXPECT_TRUE(WaitForFocusOn(kHerdPrevalenceEdit)) << "the first input has the focus";
  EXPECT_EQ(ItemText(kBetaEdit), L"0.05");
  EXPECT_EQ(ItemText(kBetaLine), L"") << "the sentences come with the first run";
  Enter(kWorked);
  const std::vector<std::wstring> expected = {L"0.9000", L"0.9800", L"57", L"27", L"1539",
                                              L"23",     L"27",     L"29", L"30", L"31",
                                              L"31",     L"31",     L"1",  L"39"};
  EXPECT_TRUE(RunAndWaitFor(expected));
  EXPECT_EQ(Results(), expected);
  ExpectSentences(L"0.05", L"27", L"0.98", L"1539");
}

// Typed as a fraction, passed as the nearest whole percent.
TEST_F(DetectionTwoStagesForm, HerdConfidenceIsRoundedToAWholePercent) {
  TwoStageDetection at95{}, at96{};
  ASSERT_TRUE(Library(95, 0.98f, &at95) && Library(96, 0.98f, &at96));
  ASSERT_NE(Shown(at95), Shown(at96)) << "the two levels must be told apart";
  struct Case {
    const wchar_t* typed;
    const TwoStageDetection& expected;
  } cases[] = {{L"0.95", at95}, {L"0.954", at95}, {L"0.957", at96}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Inputs in = kWorked;
    in.herd_confidence = c.typed;
    Enter(in);
    EXPECT_TRUE(RunAndWaitFor(Shown(c.expected)));
  }
}

TEST_F(DetectionTwoStagesForm, PerfectSpecificityShowsOnePointAndNoFalsePositives) {
  TwoStageDetection perfect{};
  ASSERT_TRUE(Library(95, 1.0f, &perfect));
  Inputs in = kWorked;
  in.sp1 = L"1";
  Enter(in);
  ASSERT_TRUE(RunAndWaitFor(Shown(perfect)));
  EXPECT_EQ(ItemText(kPerHerdResult), L"0");
  EXPECT_EQ(ItemText(kSampleResult), L"0");
  ExpectSentences(L"0.05", L"27", L"1.", L"1539");
}

TEST_F(DetectionTwoStagesForm, HerdAverageOfOneIsAccepted) {
  Inputs in = kWorked;
  in.herd_size = L"1";
  Enter(in);
  EXPECT_EQ(RunAndWaitForText(kRunButton, kAnimalsResult), L"1");
}

TEST_F(DetectionTwoStagesForm, NewTypeIIErrorRefreshesItsLineAndAnEmptyOneTouchesNothing) {
  Enter(kWorked);
  ASSERT_EQ(RunAndWaitForText(kRunButton, kHerdsResult), L"57");
  ASSERT_TRUE(Type(kBetaEdit, L"0.1"));
  Press(kRunButton);
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kBetaLine) == Filled(Text(11140), {L"0.1"}); }));
  const std::vector<std::wstring> before = Results();
  const std::wstring sentence = ItemText(kPerHerdSentence);
  ASSERT_TRUE(Type(kBetaEdit, L""));
  ExpectRefusedInput(kRunButton, 11117, kBetaEdit);
  EXPECT_EQ(ItemText(kBetaLine), Filled(Text(11140), {L"0.1"}));
  EXPECT_EQ(ItemText(kPerHerdSentence), sentence);
  EXPECT_EQ(Results(), before);
}

TEST_F(DetectionTwoStagesForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const char* why;
    Inputs inputs;
    int message_id;
    int focus;
  } cases[] = {
      {"no type II error",
       {L"", L"0.05", L"500", L"0.1", L"100", L"0.95", L"0.9", L"0.98"},
       11117,
       kBetaEdit},
      {"a herd prevalence of 0",
       {L"0.05", L"0", L"500", L"0.1", L"100", L"0.95", L"0.9", L"0.98"},
       11028,
       kHerdPrevalenceEdit},
      {"no herds",
       {L"0.05", L"0.05", L"0", L"0.1", L"100", L"0.95", L"0.9", L"0.98"},
       11031,
       kHerdsEdit},
      {"an animal prevalence of 1.5",
       {L"0.05", L"0.05", L"500", L"1.5", L"100", L"0.95", L"0.9", L"0.98"},
       11028,
       kAnimalPrevalenceEdit},
      {"a herd average of 0",
       {L"0.05", L"0.05", L"500", L"0.1", L"0", L"0.95", L"0.9", L"0.98"},
       11156,
       kHerdSizeEdit},
      {"a fractional herd average",
       {L"0.05", L"0.05", L"500", L"0.1", L"99.5", L"0.95", L"0.9", L"0.98"},
       11156,
       kHerdSizeEdit},
      {"a herd confidence typed as percent",
       {L"0.05", L"0.05", L"500", L"0.1", L"100", L"95", L"0.9", L"0.98"},
       11208,
       kHerdConfidenceEdit},
      {"no sensitivity",
       {L"0.05", L"0.05", L"500", L"0.1", L"100", L"0.95", L"", L"0.98"},
       11105,
       kSensitivity1Edit},
      {"a specificity of 2",
       {L"0.05", L"0.05", L"500", L"0.1", L"100", L"0.95", L"0.9", L"2"},
       11106,
       kSpecificity1Edit},
      {"test 2 without specificity",
       {L"0.05", L"0.05", L"500", L"0.1", L"100", L"0.95", L"0.9", L"0.98", L"0.8", L"", 2},
       11106,
       kSpecificity2Edit},
      {"test 2 without sensitivity",
       {L"0.05", L"0.05", L"500", L"0.1", L"100", L"0.95", L"0.9", L"0.98", L"", L"0.9", 2},
       11105,
       kSensitivity2Edit},
      {"two tests, no interpretation",
       {L"0.05", L"0.05", L"500", L"0.1", L"100", L"0.95", L"0.9", L"0.98", L"0.8", L"0.9"},
       11118,
       kInterpretationList},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Enter(c.inputs);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  Enter(kWorked);
  ASSERT_EQ(SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Results(), std::vector<std::wstring>(ResultIds().size())) << "nothing ran";
}

TEST_F(DetectionTwoStagesForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(kWorked);
  ASSERT_EQ(RunAndWaitForText(kRunButton, kHerdsResult), L"57");
  const std::vector<std::wstring> worked = Results();
  // Passes the form's tolerance (1e-15) but not the library's (1e-6).
  Inputs tiny = kWorked;
  tiny.animal_prevalence = L"0.0000001";
  Enter(tiny);
  ExpectLibraryRefusal(kRunButton, kFormKind, 12035);
  EXPECT_EQ(Results(), worked);
}

// The largest counts and the smallest probabilities the form admits, with
// a specificity near one half: answered at once, with sound figures or the
// library's report, never an overflowed count.
TEST_F(DetectionTwoStagesForm, WorstAdmittedInputsAnswerQuicklyWithSoundFigures) {
  const wchar_t* tiny = L"0.0000010001";  // the smallest the library admits
  const wchar_t* most = L"2147483647";
  const struct Case {
    Inputs inputs;
    int refusal;  // the library's message, 0 for results
  } cases[] = {
      // A herd of 2^31 - 1 animals is 2^31 as a float: beyond any count.
      {{tiny, tiny, most, tiny, most, L"1", L"1", L"0.5000001"}, 12036},
      // More samples than a count holds: refused as too large a population.
      {{tiny, tiny, most, tiny, L"100000", L"1", L"1", L"0.5000001"}, 12005},
      {{tiny, L"1", most, L"1", L"100", L"1", L"1", L"0.5000001"}, 0},
      // A herd-level confidence below half a percent is 0: no animals.
      {{tiny, L"0.5", L"1000000", L"0.05", L"10000", L"0.001", tiny, tiny}, 0},
      {{L"1", L"1", L"1", L"1", L"1", L"1", L"1", L"1"}, 0},
  };
  for (const Case& c : cases) {
    const Inputs& in = c.inputs;
    SCOPED_TRACE(std::wstring(in.herds) + L" " + in.herd_size + L" " + in.herd_confidence);
    Enter(in);
    SetWindowTextW(Item(kHerdsResult), L"");
    const auto start = std::chrono::steady_clock::now();
    Press(kRunButton);
    if (c.refusal != 0) {
      EXPECT_EQ(TakeMessageBox(Text(IDS_LIBRARY_ERROR_TITLE)).text,
                LibraryReportText(kFormKind, c.refusal));
      continue;
    }
    ASSERT_TRUE(ui::WaitUntil([&] { return !ItemText(kHerdsResult).empty(); }));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_TRUE(ui::Responsive(form_));
    for (int id : ResultIds()) {
      SCOPED_TRACE(id);
      EXPECT_FALSE(detection_test::LooksBroken(ItemText(id))) << ItemText(id);
    }
    for (int id : {kBetaLine, kPerHerdSentence, kSampleSentence}) {
      SCOPED_TRACE(id);
      EXPECT_FALSE(detection_test::LooksBroken(ItemText(id))) << ItemText(id);
    }
  }
}

// Run under each language's user locale: the report, the texts, and the
// sentences filled and fitting their labels.
class DetectionTwoStagesFormTexts : public DetectionTwoStagesForm {};

// File > Copy results (Ctrl+Shift+C): the report carries the inputs as
// typed, the results, the table by rows and the two sentences filled with
// this run's figures, each count with its unit.
TEST_F(DetectionTwoStagesFormTexts, CopyResultsCarriesTheSentencesWithTheirFigures) {
  const auto OneLine = ui::OneLineLabel;
  Enter(kWorked);
  ASSERT_EQ(RunAndWaitForText(kRunButton, kHerdsResult), L"57");
  const std::vector<std::wstring> report = detection_test::CopiedReport(frame());
  ASSERT_FALSE(report.empty()) << "Ctrl+Shift+C copied nothing";
  EXPECT_EQ(report[0], TitleOf(kFormKind));
  const std::wstring t = L"\t";
  for (const std::wstring& input :
       {OneLine(Text(11134)) + t + L"0.05", OneLine(Text(11136)) + t + L"500",
        OneLine(Text(11129)) + t + L"100", OneLine(Text(11121)) + t + L"0.9" + t + L"0.98"}) {
    EXPECT_NE(std::find(report.begin(), report.end(), input), report.end())
        << ::testing::PrintToString(input);
  }
  std::vector<std::wstring> results = {
      Text(11037),
      OneLine(Text(11120)),
      OneLine(Text(11108)) + t + L"0.9000",
      OneLine(Text(11109)) + t + L"0.9800",
      OneLine(Text(11033)),
      OneLine(Text(11132)) + t + L"57",
      OneLine(Text(11138)) + t + L"27",
      OneLine(Text(11139)) + t + L"1539",
      OneLine(Text(11130)) + t + OneLine(Text(11131))};
  const wchar_t* sizes[kTableRows] = {L"50", L"100", L"250", L"500", L"750", L"1000", L"5000"};
  const wchar_t* animals[kTableRows] = {L"23", L"27", L"29", L"30", L"31", L"31", L"31"};
  for (int row = 0; row < kTableRows; ++row) results.push_back(sizes[row] + t + animals[row]);
  for (const std::wstring& line :
       {OneLine(Text(11128)), Filled(Text(11140), {L"0.05"}),
        Filled(Text(11141), {L"27", L"0.98"}), L"1" + t + OneLine(Text(11142)),
        Filled(Text(11144), {L"1539"}), L"39" + t + OneLine(Text(11143))})
    results.push_back(line);
  const auto at = std::find(report.begin(), report.end(), Text(11037));
  ASSERT_NE(at, report.end()) << "no results in the report";
  EXPECT_EQ(std::vector<std::wstring>(at, report.end()), results);
}

TEST_F(DetectionTwoStagesForm, CtrlRHelpF1AndEscape) {
  Enter(kWorked);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kHerdsResult) == L"57"; }));
  ExpectHelpTopic(kHelpButton, 1050);
  ExpectEscapeCloses();
}

TEST_F(DetectionTwoStagesFormTexts, TextsAndFilledSentencesInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListItemText(Item(kInterpretationList), 1), Text(11125));
  EXPECT_EQ(ui::ListItemText(Item(kInterpretationList), 2), Text(11126));
  const std::optional<ui::FontDescription> line = ui::ReadFont(Item(kBetaLine));
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->italic);
  // Long figures in the sentences: 283127 animals of herds of a million,
  // 17270747 samples, a specificity of four decimals.
  Inputs in = kWorked;
  in.herds = L"5000";
  in.animal_prevalence = L"0.00001";
  in.herd_size = L"1000000";
  in.sp1 = L"0.9999";
  Enter(in);
  EXPECT_EQ(RunAndWaitForText(kRunButton, kTotalResult), L"17270747");
  ExpectSentences(L"0.05", L"283127", L"0.9999", L"17270747");
  for (int id : {kBetaLine, kPerHerdSentence, kSampleSentence}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(ItemText(id).find(L'{'), std::wstring::npos) << "every placeholder is filled";
  }
  detection_test::ExpectTextsFit(form_);
  Enter(kWorked);
  EXPECT_EQ(RunAndWaitForText(kRunButton, kHerdsResult), L"57");
  ExpectSentences(L"0.05", L"27", L"0.98", L"1539");
  detection_test::ExpectTextsFit(form_);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  Sleep(500);
  detection_test::SaveScreenshot(
      form_, L"detect-two-stages-" + detection_test::LanguageName(form_test::LanguageOffset()));
}

}  // namespace
