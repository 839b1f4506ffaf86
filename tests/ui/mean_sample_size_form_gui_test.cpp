// The form "Mean - Sample Size - Simple Random Sample" driven as a user
// would: the size for the user's population and the ready reckoner, the
// messages of bad inputs, and a library refusal.
#include <windows.h>

#include <string>
#include <vector>

#include "checked_form_test.h"
#include "form_session.h"
#include "mean_sample_size_controls.h"

namespace {

using namespace mean_sample_size;

constexpr int k90 = 0, k95 = 1, k99 = 2;  // items of the confidence list

// What the form shows: the size for the user's population, then the table
// (50 ... 10000, then an infinite population).
struct Sizes {
  const wchar_t* user;
  std::vector<std::wstring> table;
};

// E = 1, S = 5, 95 %, N = 1000: m = 96.04.
const Sizes kWorked = {L"88", {L"33", L"49", L"59", L"65", L"73", L"77", L"81", L"85", L"88",
                               L"90", L"92", L"93", L"94", L"95", L"95", L"96"}};

class MeanSampleSizeForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const wchar_t* precision, const wchar_t* deviation, const wchar_t* population,
             int confidence = k95) {
    ASSERT_TRUE(Type(kPrecisionEdit, precision));
    SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(confidence), 0);
    ASSERT_TRUE(Type(kDeviationEdit, deviation));
    ASSERT_TRUE(Type(kPopulationEdit, population));
  }

  std::vector<std::wstring> Results() const {
    std::vector<std::wstring> results = {ItemText(kUserResult)};
    for (int k = 0; k < kTableRowCount; ++k) results.push_back(ItemText(kFirstTableResult + k));
    return results;
  }

  static std::vector<std::wstring> Expected(const Sizes& sizes) {
    std::vector<std::wstring> results = {sizes.user};
    results.insert(results.end(), sizes.table.begin(), sizes.table.end());
    return results;
  }

  bool RunAndWaitFor(const Sizes& sizes) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Results() == Expected(sizes); });
  }
};

TEST_F(MeanSampleSizeForm, SizeForThePopulationAndTheWholeTable) {
  EXPECT_TRUE(WaitForFocusOn(kPrecisionEdit)) << "the first input has the focus";
  struct Case {
    const wchar_t* precision;
    const wchar_t* deviation;
    const wchar_t* population;
    int confidence;
    Sizes sizes;
  } cases[] = {
      {L"1", L"5", L"1000", k95, kWorked},
      {L"2", L"10", L"250", k90,
       {L"53", {L"29", L"40", L"47", L"51", L"55", L"58", L"60", L"62", L"63", L"65", L"65",
                L"66", L"67", L"67", L"67", L"68"}}},
      {L"1", L"5", L"1000", k99,
       {L"142", {L"38", L"62", L"79", L"91", L"107", L"117", L"125", L"136", L"142", L"149",
                 L"153", L"158", L"161", L"162", L"163", L"166"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.precision) + L" " + c.deviation + L" " + c.population);
    Enter(c.precision, c.deviation, c.population, c.confidence);
    EXPECT_TRUE(RunAndWaitFor(c.sizes)) << testing::PrintToString(Results());
  }
}

TEST_F(MeanSampleSizeForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* precision;
    const wchar_t* deviation;
    const wchar_t* population;
    int message_id;
    int focus;
  } cases[] = {
      {L"0", L"5", L"1000", 11113, kPrecisionEdit},
      {L"-1", L"5", L"1000", 11113, kPrecisionEdit},
      {L"", L"5", L"1000", 11113, kPrecisionEdit},
      {L"1", L"0", L"1000", 11114, kDeviationEdit},
      {L"1", L"-5", L"1000", 11114, kDeviationEdit},
      {L"1", L"5", L"0", 11031, kPopulationEdit},
      {L"1", L"5", L"99.5", 11031, kPopulationEdit},
      {L"0", L"0", L"0", 11113, kPrecisionEdit},  // the first bad input is named
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.precision) + L" " + c.deviation + L" " + c.population);
    Enter(c.precision, c.deviation, c.population);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  // No level of confidence: read between the precision and the deviation.
  Enter(L"1", L"0", L"0", -1);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Results(), std::vector<std::wstring>(kTableRowCount + 1)) << "nothing ran";
}

TEST_F(MeanSampleSizeForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(L"1", L"5", L"1000");
  ASSERT_TRUE(RunAndWaitFor(kWorked));
  struct Case {
    const wchar_t* precision;
    const wchar_t* deviation;
  } cases[] = {
      {L"0.0000001", L"5"},           // passes the form's tolerance, not the library's
      {L"0.00001", L"1000000000"},    // asks for more individuals than any count holds
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.precision) + L" " + c.deviation);
    Enter(c.precision, c.deviation, L"1000");
    ExpectLibraryRefusal(kRunButton, kFormKind, 12002);
    EXPECT_EQ(Results(), Expected(kWorked));
  }
}

TEST_F(MeanSampleSizeForm, CtrlRRunsHelpOpensTopic1080AndEscapeCloses) {
  Enter(L"1", L"5", L"1000");
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Results() == Expected(kWorked); }));

  ExpectHelpTopic(kHelpButton, 1080);

  ExpectEscapeCloses();
}

// Run under each language's user locale.
class MeanSampleSizeFormTexts : public MeanSampleSizeForm {};

TEST_F(MeanSampleSizeFormTexts, TextsAndTheTablesLabelsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ItemText(kFirstPopulationLabel), L"50");
  EXPECT_EQ(ItemText(kFirstPopulationLabel + 14), L"10000");
  EXPECT_EQ(ItemText(kFirstPopulationLabel + 15), Text(11035));
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), k95);
  Enter(L"1", L"5", L"1000");
  EXPECT_TRUE(RunAndWaitFor(kWorked));
  form_test::ExpectShownTextsFit(form_);
}

}  // namespace
