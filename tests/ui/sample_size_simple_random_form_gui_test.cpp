// The form "Estimate - Sample Size - Simple Random Sample" driven as a user
// would: inputs typed, Run pressed, the table read back.
#include <windows.h>

#include <string>
#include <vector>

#include "form_test_support.h"

namespace {

constexpr int kFormKind = 10;
constexpr int kPrevalence = 4001;
constexpr int kRelativeError = 4003;
constexpr int kConfidence = 4005;
constexpr int kPopulation = 4007;
constexpr int kRun = 4008;
constexpr int kHelp = 4009;
constexpr int kFirstResult = 4050;
constexpr int kResultCount = 17;

// The worked example: p = 0.5, e = 0.1, 95 %, N = 1000. First the user's
// population, then 50 ... 10000, then an infinite population.
const std::vector<std::wstring> kWorkedResults = {
    L"278", L"45",  L"80",  L"108", L"132", L"169", L"196", L"218", L"255",
    L"278", L"306", L"323", L"347", L"357", L"366", L"370", L"385"};

class SampleSizeForm : public form_test::OpenProgram {
 protected:
  void SetUp() override {
    OpenProgram::SetUp();
    if (HasFatalFailure()) return;
    form_ = OpenFromMainWindow(3001, kFormKind);
    ASSERT_NE(form_, nullptr);
  }

  HWND Item(int id) const { return ui::Control(form_, id); }
  std::wstring ItemText(int id) const { return ui::WindowText(Item(id)); }

  void Enter(const wchar_t* prevalence, const wchar_t* error, const wchar_t* population) {
    ASSERT_TRUE(ui::SetEditText(Item(kPrevalence), prevalence));
    ASSERT_TRUE(ui::SetEditText(Item(kRelativeError), error));
    ASSERT_TRUE(ui::SetEditText(Item(kPopulation), population));
  }

  std::vector<std::wstring> Results() const {
    std::vector<std::wstring> results;
    for (int k = 0; k < kResultCount; ++k) results.push_back(ItemText(kFirstResult + k));
    return results;
  }

  // Presses Run and waits until the table holds what is expected.
  bool RunAndWaitFor(const std::vector<std::wstring>& expected) {
    ui::PressButton(Item(kRun));
    return ui::WaitUntil([&] { return Results() == expected; });
  }

  bool WaitForFocusOn(int id) const {
    return ui::WaitUntil([&] { return ui::FocusedWindow(frame_) == Item(id); });
  }

  HWND form_ = nullptr;
};

TEST_F(SampleSizeForm, WorkedExampleFillsTheWholeTable) {
  EXPECT_TRUE(WaitForFocusOn(kPrevalence)) << "the first input has the focus";
  EXPECT_EQ(ItemText(kFirstResult), L"");
  Enter(L"0.5", L"0.1", L"1000");
  EXPECT_TRUE(RunAndWaitFor(kWorkedResults));
  EXPECT_EQ(Results(), kWorkedResults);
  ExpectCleanClose();
}

TEST_F(SampleSizeForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* prevalence;
    const wchar_t* error;
    const wchar_t* population;
    int message_id;
    int focus;
  } cases[] = {
      {L"1", L"0.1", L"1000", 11028, kPrevalence},       // a prevalence must be below 1
      {L"0", L"0.1", L"1000", 11028, kPrevalence},
      {L"0,5", L"0.1", L"1000", 11028, kPrevalence},     // reads as 0
      {L"", L"0.1", L"1000", 11028, kPrevalence},
      {L"-0.2", L"0.1", L"1000", 11028, kPrevalence},
      {L"abc", L"0.1", L"1000", 11028, kPrevalence},
      {L"0.5", L"1.5", L"1000", 11029, kRelativeError},
      {L"0.5", L"-", L"1000", 11029, kRelativeError},    // a lone sign reads as 0
      {L"0.5", L"0.1", L"0", 11031, kPopulation},
      {L"0.5", L"0.1", L"-5", 11031, kPopulation},
      {L"0.5", L"0.1", L"0.9", 11031, kPopulation},      // reads as 0
      {L"0.5", L"0.1", L"1e3", 11031, kPopulation},
      {L"2", L"7", L"0", 11028, kPrevalence},            // the first bad input is named
  };
  for (const Case& c : cases) {
    Enter(c.prevalence, c.error, c.population);
    ui::PressButton(Item(kRun));
    const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_INVALID_INPUT));
    EXPECT_EQ(box.text, Text(c.message_id)) << c.prevalence << " " << c.error << " " << c.population;
    EXPECT_EQ(box.icon, ui::BoxIcon::kInformation);
    EXPECT_TRUE(WaitForFocusOn(c.focus)) << c.prevalence << " " << c.error << " " << c.population;
  }
  // No selected level of confidence.
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_EQ(SendMessageW(Item(kConfidence), CB_SETCURSEL, static_cast<WPARAM>(-1), 0), CB_ERR);
  ui::PressButton(Item(kRun));
  EXPECT_EQ(TakeMessageBox(Text(IDS_INVALID_INPUT)).text, Text(11030));
  EXPECT_TRUE(WaitForFocusOn(kConfidence));
  // Nothing ran.
  EXPECT_EQ(Results(), std::vector<std::wstring>(kResultCount));
  ExpectCleanClose();
}

TEST_F(SampleSizeForm, APopulationOf2Point9IsRunAs2) {
  Enter(L"0.5", L"0.1", L"2");
  ui::PressButton(Item(kRun));
  ASSERT_TRUE(ui::WaitUntil([&] { return !ItemText(kFirstResult).empty(); }));
  const std::vector<std::wstring> for_two = Results();
  // The sample of a population of 2 cannot exceed it by more than the one
  // added when a size is made whole.
  EXPECT_LE(std::stoi(for_two[0]), 3);
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_TRUE(RunAndWaitFor(kWorkedResults));
  Enter(L"0.5", L"0.1", L"2.9");
  EXPECT_TRUE(RunAndWaitFor(for_two));
  ExpectCleanClose();
}

TEST_F(SampleSizeForm, LibraryRefusalIsReportedAndTheEarlierResultsStay) {
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_TRUE(RunAndWaitFor(kWorkedResults));
  // Passes the form's tolerance (1e-15) but not the library's (1e-6).
  Enter(L"0.0000001", L"0.1", L"1000");
  ui::PressButton(Item(kRun));
  const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_LIBRARY_ERROR_TITLE));
  EXPECT_EQ(box.title, Text(IDS_LIBRARY_ERROR_TITLE));
  EXPECT_EQ(box.text, Text(IDS_LIBRARY_ERROR_PREFIX) + L" " + TitleOf(kFormKind) + L"\r\n\r\n" +
                          Text(12001));
  EXPECT_EQ(box.icon, ui::BoxIcon::kError);
  EXPECT_EQ(Results(), kWorkedResults);
  ExpectCleanClose();
}

TEST_F(SampleSizeForm, CtrlRRunsTheActiveForm) {
  Enter(L"0.5", L"0.1", L"1000");
  ASSERT_TRUE(ui::BringToForeground(frame_));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Results() == kWorkedResults; }));
  ExpectCleanClose();
}

TEST_F(SampleSizeForm, EscapeClosesTheForm) {
  ASSERT_TRUE(WaitForFocusOn(kPrevalence));
  ASSERT_TRUE(ui::BringToForeground(frame_));
  ASSERT_TRUE(ui::PressKeys({VK_ESCAPE}));
  EXPECT_TRUE(ui::WaitForWindowGone(form_));
  EXPECT_NE(MainWindowOfProgram(), nullptr) << "only the form goes";
  ExpectCleanClose();
}

// Run under each language's user locale.
class SampleSizeFormTexts : public SampleSizeForm {};

TEST_F(SampleSizeFormTexts, TextsListAndFontsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  struct Label {
    int id;
    int string_id;
  } labels[] = {
      {4000, 11020}, {4002, 11021}, {4004, 11022}, {4006, 11023}, {4008, IDS_RUN},
      {4009, IDS_HELP}, {4011, IDS_INPUT}, {4012, IDS_RESULTS}, {4013, 11033}, {4014, 11036},
      {4015, 11034}, {4016, 11036}, {4017, 11034}, {4033, 11035},
  };
  for (const Label& label : labels) {
    EXPECT_FALSE(Text(label.string_id).empty()) << label.string_id;
    EXPECT_EQ(ItemText(label.id), Text(label.string_id)) << label.id;
  }
  const wchar_t* populations[] = {L"50",   L"100",  L"150",  L"200",  L"300",
                                  L"400",  L"500",  L"750",  L"1000", L"1500",
                                  L"2000", L"3500", L"5000", L"7500", L"10000"};
  for (int row = 0; row < 15; ++row) EXPECT_EQ(ItemText(4018 + row), populations[row]);
  const wchar_t* levels[] = {L"90%", L"95%", L"99%"};
  for (int index = 0; index < 3; ++index) EXPECT_EQ(ui::ListItemText(Item(kConfidence), index), levels[index]);
  EXPECT_EQ(ui::ListItemText(Item(kConfidence), 3), L"");
  EXPECT_EQ(ui::ListSelection(Item(kConfidence)), 1);

  const std::optional<ui::FontDescription> label = ui::ReadFont(Item(4000));
  const std::optional<ui::FontDescription> group = ui::ReadFont(Item(4012));
  ASSERT_TRUE(label && group);
  EXPECT_EQ(label->face, L"Arial Unicode MS");
  EXPECT_EQ(label->weight, 400);
  EXPECT_EQ(group->weight, 700);
  const int thai_charset = 222;
  EXPECT_EQ(label->character_set == thai_charset, form_test::LanguageOffset() == kLanguageOffsetThai);
  ExpectCleanClose();
}

// The help requests reach the fake viewer registered before the program
// starts: the viewer is registered with the fixture, before SetUp runs.
class SampleSizeFormHelp : public SampleSizeForm {
 protected:
  ui::FakeHelpViewer viewer_;
};

TEST_F(SampleSizeFormHelp, HelpButtonAndF1OpenTopic1150) {
  ASSERT_TRUE(viewer_.registered());
  ui::PressButton(Item(kHelp));
  ASSERT_EQ(viewer_.WaitForCalls(1).size(), 1u);
  ASSERT_TRUE(ui::BringToForeground(frame_));
  ASSERT_TRUE(ui::PressKeys({VK_F1}));
  const std::vector<ui::HelpCall> calls = viewer_.WaitForCalls(2);
  ASSERT_EQ(calls.size(), 2u);
  for (const ui::HelpCall& call : calls) {
    EXPECT_EQ(call.command, 15u);  // HH_HELP_CONTEXT
    EXPECT_EQ(call.topic, 1150u);
  }
  ExpectCleanClose();
}

}  // namespace
