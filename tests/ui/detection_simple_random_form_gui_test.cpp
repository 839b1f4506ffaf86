// The form "Detect - Sample Size - Simple Random Sample" driven as a user
// would: inputs typed, Run pressed, the results and the DetectionTable read
// back and compared with what the library answers for the same inputs.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "checked_form_test.h"
#include "detection_form_support.h"
#include "detection_simple_random_controls.h"
#include "form_session.h"

namespace {

using namespace detection_simple_random;
using detection_test::Fixed;

struct Inputs {
  const wchar_t* prevalence;
  const wchar_t* population;
  const wchar_t* beta;
  const wchar_t* se1;
  const wchar_t* sp1;
  const wchar_t* se2 = L"";
  const wchar_t* sp2 = L"";
  int interpretation = -1;  // the list's index: 0 empty, 1 serial, 2 parallel
};

// The worked example: p = 0.01, N = 1000, 95 %, one test Se 0.9, Sp 0.95,
// type II error 0.05.
const Inputs kWorked = {L"0.01", L"1000", L"0.05", L"0.9", L"0.95"};

// Every result control: sensitivity, specificity, sample size, false
// positives, then the 48 cells in identifier order.
std::vector<int> ResultIds() {
  std::vector<int> ids = {kSensitivityResult, kSpecificityResult, kSampleSizeResult,
                          kFalsePositiveResult};
  for (int k = 0; k < kTableRows * kTableColumns; ++k) ids.push_back(kFirstTableResult + k);
  return ids;
}

// What the form must show for the inputs, from the library itself.
std::vector<std::wstring> Expected(float p, int population, int level, float se1, float sp1,
                                   float se2, float sp2, float beta, int interpretation) {
  const auto run =
      detection_test::LibraryExport<decltype(&::DetectingEvent_SampleSize_SimpleRandom)>(
          "DetectingEvent_SampleSize_SimpleRandom");
  if (run == nullptr) return {};
  DetectionSampleSize out{};
  if (run(p, population, level, se1, sp1, se2, sp2, &out, beta, interpretation) != 0) return {};
  std::vector<std::wstring> shown = {Fixed(out.sensitivity, 4), Fixed(out.specificity, 4),
                                     std::to_wstring(out.sample_size),
                                     std::to_wstring(out.false_positives)};
  for (int k = 0; k < kTableRows * kTableColumns; ++k) {
    const int column = k / kTableRows;
    const int row = k % kTableRows;
    shown.push_back(Fixed(out.table[row][column], 0));
  }
  return shown;
}

class DetectionSimpleRandomForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const Inputs& in) {
    ASSERT_TRUE(Type(kPrevalenceEdit, in.prevalence));
    ASSERT_TRUE(Type(kPopulationEdit, in.population));
    ASSERT_TRUE(Type(kBetaEdit, in.beta));
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
};

TEST_F(DetectionSimpleRandomForm, WorkedExampleGives281WithNineteenFalsePositives) {
  EXPECT_TRUE(WaitForFocusOn(kPrevalenceEdit)) << "the first input has the focus";
  EXPECT_EQ(ItemText(kBetaEdit), L"0.05") << "the type II error is filled in";
  EXPECT_EQ(ui::ListSelection(Item(kInterpretationList)), CB_ERR) << "no interpretation chosen";
  Enter(kWorked);
  const std::vector<std::wstring> expected = Expected(0.01f, 1000, 95, 0.9f, 0.95f, 0, 0, 0.05f, 0);
  ASSERT_EQ(expected.size(), ResultIds().size()) << "the library beside the program answers";
  EXPECT_TRUE(RunAndWaitFor(expected));
  EXPECT_EQ(ItemText(kSampleSizeResult), L"281") << "truncated, not rounded up";
  EXPECT_EQ(ItemText(kFalsePositiveResult), L"19");
  EXPECT_EQ(ItemText(kSensitivityResult), L"0.9000");
  EXPECT_EQ(ItemText(kSpecificityResult), L"0.9500");
  EXPECT_EQ(ItemText(TableCell(4, 3)), L"281") << "row 1000, column 0.01";
}

// The table's cells are placed by row and column: with a perfect test the
// cell of 1000 and 0.01 is 257, and the tiny 0.001 column of 50 is 50.
TEST_F(DetectionSimpleRandomForm, PerfectTestFillsTheTableByRowAndColumn) {
  Enter({L"0.01", L"1000", L"0.05", L"1", L"1"});
  ASSERT_TRUE(RunAndWaitFor(Expected(0.01f, 1000, 95, 1, 1, 0, 0, 0.05f, 0)));
  EXPECT_EQ(ItemText(kSampleSizeResult), L"257");
  EXPECT_EQ(ItemText(TableCell(4, 3)), L"257");
  EXPECT_EQ(ItemText(TableCell(0, 5)), L"50");
  EXPECT_EQ(ItemText(kFalsePositiveResult), L"0") << "a perfect specificity gives none";
}

TEST_F(DetectionSimpleRandomForm, TwoTestsReadInSerialOrInParallel) {
  struct Case {
    int interpretation;
    const wchar_t* sensitivity;
    const wchar_t* specificity;
  } cases[] = {
      {1, L"0.7200", L"0.9950"},  // serial: Se1 Se2, 1 - (1 - Sp1)(1 - Sp2)
      {2, L"0.9800", L"0.8550"},  // parallel: 1 - (1 - Se1)(1 - Se2), Sp1 Sp2
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interpretation);
    Enter({L"0.01", L"1000", L"0.05", L"0.9", L"0.95", L"0.8", L"0.9", c.interpretation});
    EXPECT_TRUE(
        RunAndWaitFor(Expected(0.01f, 1000, 95, 0.9f, 0.95f, 0.8f, 0.9f, 0.05f, c.interpretation)));
    EXPECT_EQ(ItemText(kSensitivityResult), c.sensitivity);
    EXPECT_EQ(ItemText(kSpecificityResult), c.specificity);
  }
}

TEST_F(DetectionSimpleRandomForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const char* why;
    Inputs inputs;
    int message_id;
    int focus;
  } cases[] = {
      {"no prevalence", {L"", L"1000", L"0.05", L"0.9", L"0.95"}, 11028, kPrevalenceEdit},
      {"a prevalence above 1", {L"1.5", L"1000", L"0.05", L"0.9", L"0.95"}, 11028, kPrevalenceEdit},
      {"a prevalence of 0", {L"0", L"1000", L"0.05", L"0.9", L"0.95"}, 11028, kPrevalenceEdit},
      {"a population of 0", {L"0.01", L"0", L"0.05", L"0.9", L"0.95"}, 11031, kPopulationEdit},
      {"a fractional population",
       {L"0.01", L"2.5", L"0.05", L"0.9", L"0.95"},
       11031,
       kPopulationEdit},
      {"a type II error of 1.5", {L"0.01", L"1000", L"1.5", L"0.9", L"0.95"}, 11117, kBetaEdit},
      {"no type II error", {L"0.01", L"1000", L"", L"0.9", L"0.95"}, 11117, kBetaEdit},
      {"no sensitivity", {L"0.01", L"1000", L"0.05", L"", L"0.95"}, 11105, kSensitivity1Edit},
      {"a specificity of 2", {L"0.01", L"1000", L"0.05", L"0.9", L"2"}, 11106, kSpecificity1Edit},
      {"test 2 without specificity",
       {L"0.01", L"1000", L"0.05", L"0.9", L"0.95", L"0.8", L"", 1},
       11106,
       kSpecificity2Edit},
      {"test 2 without sensitivity",
       {L"0.01", L"1000", L"0.05", L"0.9", L"0.95", L"", L"0.9", 1},
       11105,
       kSensitivity2Edit},
      {"two tests, no interpretation",
       {L"0.01", L"1000", L"0.05", L"0.9", L"0.95", L"0.8", L"0.9"},
       11118,
       kInterpretationList},
      {"two tests, the empty interpretation",
       {L"0.01", L"1000", L"0.05", L"0.9", L"0.95", L"0.8", L"0.9", 0},
       11118,
       kInterpretationList},
      {"the first bad input is named", {L"7", L"0", L"9", L"", L""}, 11028, kPrevalenceEdit},
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

TEST_F(DetectionSimpleRandomForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(kWorked);
  const std::vector<std::wstring> worked = Expected(0.01f, 1000, 95, 0.9f, 0.95f, 0, 0, 0.05f, 0);
  ASSERT_TRUE(RunAndWaitFor(worked));
  // Passes the form's tolerance (1e-15) but not the library's (1e-6).
  Inputs tiny = kWorked;
  tiny.prevalence = L"0.0000001";
  Enter(tiny);
  ExpectLibraryRefusal(kRunButton, kFormKind, 12032);
  EXPECT_EQ(Results(), worked);
}

// The largest population and the smallest prevalence and type II error the
// library admits, with a specificity near one half (the widest spread of
// false positives): answered at once, with counts and no overflow.
TEST_F(DetectionSimpleRandomForm, WorstAdmittedInputsAnswerQuicklyWithSoundFigures) {
  const Inputs cases[] = {
      {L"0.0000010001", L"2147483647", L"0.0000010001", L"1", L"0.5000001"},
      // The longest walk: a sample of the whole population, nearly all false positives.
      {L"0.0000010001", L"2147483647", L"0.0000010001", L"0.0000010001", L"0.5000001"},
      {L"1", L"2147483647", L"0.0000010001", L"0.0000010001", L"0.5000001"},
      {L"0.0000010001", L"1", L"0.0000010001", L"0.0000010001", L"0.0000010001"},
      {L"0.5", L"2147483647", L"1", L"1", L"0.0000010001", L"1", L"0.0000010001", 2},
  };
  for (const Inputs& in : cases) {
    SCOPED_TRACE(std::wstring(in.prevalence) + L" " + in.population + L" " + in.beta + L" " +
                 in.sp1);
    Enter(in);
    SetWindowTextW(Item(kSampleSizeResult), L"");
    const auto start = std::chrono::steady_clock::now();
    Press(kRunButton);
    ASSERT_TRUE(ui::WaitUntil([&] { return !ItemText(kSampleSizeResult).empty(); }));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2)) << "the run blocks the window only briefly";
    EXPECT_TRUE(ui::Responsive(form_));
    for (int id : ResultIds()) {
      SCOPED_TRACE(id);
      EXPECT_FALSE(detection_test::LooksBroken(ItemText(id))) << ItemText(id);
      EXPECT_FALSE(ItemText(id).empty());
    }
  }
}

TEST_F(DetectionSimpleRandomForm, CtrlRAndEnterRunTheActiveForm) {
  Enter(kWorked);
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kSampleSizeResult) == L"281"; }));
  ASSERT_TRUE(Type(kSpecificity1Edit, L"1"));
  SetFocus(Item(kPopulationEdit));
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_RETURN}));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kFalsePositiveResult) == L"0"; }))
      << "Enter runs the form with the new specificity";
}

TEST_F(DetectionSimpleRandomForm, HelpButtonAndF1OpenTopic1040AndEscapeCloses) {
  ExpectHelpTopic(kHelpButton, 1040);
  ExpectEscapeCloses();
}

// Run under each language's user locale.
class DetectionSimpleRandomFormTexts : public DetectionSimpleRandomForm {};

TEST_F(DetectionSimpleRandomFormTexts, TextsListsAndResultsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListItemText(Item(kInterpretationList), 0), L"");
  EXPECT_EQ(ui::ListItemText(Item(kInterpretationList), 1), Text(11125));
  EXPECT_EQ(ui::ListItemText(Item(kInterpretationList), 2), Text(11126));
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), 1) << "95%";
  const std::optional<ui::FontDescription> note = ui::ReadFont(Item(kMethodNote));
  const std::optional<ui::FontDescription> cell = ui::ReadFont(Item(TableCell(7, 5)));
  ASSERT_TRUE(note && cell);
  EXPECT_TRUE(note->italic);
  EXPECT_EQ(cell->weight, 700) << "the results are bold";
  for (int id : {kSensitivityResult, kSpecificityResult, kSampleSizeResult, kFalsePositiveResult}) {
    const std::optional<ui::FontDescription> result = ui::ReadFont(Item(id));
    ASSERT_TRUE(result) << id;
    EXPECT_EQ(result->weight, 700) << id;
  }
  detection_test::ExpectTextsFit(form_);
  Enter(kWorked);
  EXPECT_TRUE(RunAndWaitFor(Expected(0.01f, 1000, 95, 0.9f, 0.95f, 0, 0, 0.05f, 0)));
  ASSERT_TRUE(ui::BringToForeground(frame()));
  Sleep(500);
  detection_test::SaveScreenshot(
      form_, L"detect-simple-random-" + detection_test::LanguageName(form_test::LanguageOffset()));
}

}  // namespace
