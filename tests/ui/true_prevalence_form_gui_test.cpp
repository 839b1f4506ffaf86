// The form "Estimate True Prevalence from Apparent Prevalence" driven as a
// user would: the true prevalence with the notes that explain an impossible
// one, the messages of bad inputs, and the library's refusal of a test that
// tells nothing.
#include <windows.h>

#include <string>

#include "checked_form_test.h"
#include "form_session.h"
#include "true_prevalence_controls.h"

namespace {

using namespace true_prevalence;

constexpr int kNegativeNote = 11103;
constexpr int kAboveOneNote = 11173;

class TruePrevalenceForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
  }

  void Enter(const wchar_t* apparent, const wchar_t* sensitivity, const wchar_t* specificity) {
    ASSERT_TRUE(Type(kApparentEdit, apparent));
    ASSERT_TRUE(Type(kSensitivityEdit, sensitivity));
    ASSERT_TRUE(Type(kSpecificityEdit, specificity));
  }

  // The note a run leaves: none (0) or the catalogue text of note_id.
  std::wstring NoteText(int note_id) const { return note_id == 0 ? L"" : Text(note_id); }

  bool Shows(const std::wstring& result, int note_id) const {
    return ItemText(kTrueResult) == result && ItemText(kNote) == NoteText(note_id);
  }

  bool RunAndWaitFor(const std::wstring& result, int note_id) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Shows(result, note_id); });
  }
};

// One run after another on the same form: each note is set by the result
// that calls for it and cleared (or replaced) by the next.
TEST_F(TruePrevalenceForm, ResultsWithTheirNotesSetAndCleared) {
  EXPECT_TRUE(WaitForFocusOn(kApparentEdit)) << "the first input has the focus";
  struct Case {
    const wchar_t* apparent;
    const wchar_t* sensitivity;
    const wchar_t* specificity;
    const wchar_t* result;
    int note;
  } cases[] = {
      {L"0.3", L"0.9", L"0.95", L"0.2941", 0},
      {L"0.02", L"0.9", L"0.95", L"-0.0353", kNegativeNote},  // below 1 - Sp
      {L"0.3", L"0.9", L"0.95", L"0.2941", 0},                // the note goes
      {L"0.98", L"0.9", L"0.95", L"1.0941", kAboveOneNote},   // above Se
      {L"0.3", L"0.9", L"0.95", L"0.2941", 0},
      {L"0.02", L"0.9", L"0.95", L"-0.0353", kNegativeNote},
      {L"0.98", L"0.9", L"0.95", L"1.0941", kAboveOneNote},   // one note replaces the other
      {L"1", L"1", L"1", L"1.0000", 0},                       // a perfect test: exactly 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.apparent) + L" " + c.sensitivity + L" " + c.specificity);
    Enter(c.apparent, c.sensitivity, c.specificity);
    EXPECT_TRUE(RunAndWaitFor(c.result, c.note))
        << "shows " << testing::PrintToString(ItemText(kTrueResult));
  }
}

TEST_F(TruePrevalenceForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  struct Case {
    const wchar_t* apparent;
    const wchar_t* sensitivity;
    const wchar_t* specificity;
    int message_id;
    int focus;
  } cases[] = {
      {L"0", L"0.9", L"0.95", 11104, kApparentEdit},  // zero is no prevalence
      {L"1.5", L"0.9", L"0.95", 11104, kApparentEdit},
      {L"-0.3", L"0.9", L"0.95", 11104, kApparentEdit},
      {L"", L"0.9", L"0.95", 11104, kApparentEdit},
      {L"0.3", L"0", L"0.95", 11105, kSensitivityEdit},
      {L"0.3", L"1.01", L"0.95", 11105, kSensitivityEdit},
      {L"0.3", L"0.9", L"-0.1", 11106, kSpecificityEdit},
      {L"0.3", L"0.9", L"abc", 11106, kSpecificityEdit},
      {L"2", L"2", L"2", 11104, kApparentEdit},  // the first bad input is named
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.apparent) + L" " + c.sensitivity + L" " + c.specificity);
    Enter(c.apparent, c.sensitivity, c.specificity);
    ExpectRefusedInput(kRunButton, c.message_id, c.focus);
  }
  EXPECT_TRUE(Shows(L"", 0)) << "nothing ran";
}

// Se + Sp = 1 is a test that tells nothing: the library refuses it with the
// specificity's code rather than answering an infinity, and the form keeps
// what it showed.
TEST_F(TruePrevalenceForm, LibraryRefusalOfAnUninformativeTestKeepsTheEarlierResult) {
  Enter(L"0.02", L"0.9", L"0.95");
  ASSERT_TRUE(RunAndWaitFor(L"-0.0353", kNegativeNote));
  struct Case {
    const wchar_t* apparent;
    const wchar_t* sensitivity;
    const wchar_t* specificity;
    int message_id;
  } cases[] = {
      {L"0.5", L"0.5", L"0.5", 12029},
      {L"0.3", L"0.1", L"0.9", 12029},      // 0.1 + 0.9 is 1 only within single precision
      {L"0.5", L"0.5", L"0.5000001", 12029},  // and within the library's tolerance
      {L"0.0000001", L"0.9", L"0.95", 12032},  // passes the form, not the library
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::wstring(c.apparent) + L" " + c.sensitivity + L" " + c.specificity);
    Enter(c.apparent, c.sensitivity, c.specificity);
    ExpectLibraryRefusal(kRunButton, kFormKind, c.message_id);
    EXPECT_TRUE(Shows(L"-0.0353", kNegativeNote));
  }
}

TEST_F(TruePrevalenceForm, CtrlRRunsHelpOpensTopic1180AndEscapeCloses) {
  Enter(L"0.3", L"0.9", L"0.95");
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, 'R'}));
  EXPECT_TRUE(ui::WaitUntil([&] { return Shows(L"0.2941", 0); }));

  ExpectHelpTopic(kHelpButton, 1180);

  ExpectEscapeCloses();
}

// Run under each language's user locale.
class TruePrevalenceFormTexts : public TruePrevalenceForm {};

TEST_F(TruePrevalenceFormTexts, TextsAndNotesInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  const std::optional<ui::FontDescription> result = ui::ReadFont(Item(kTrueResult));
  const std::optional<ui::FontDescription> label = ui::ReadFont(Item(kTrueLabel));
  ASSERT_TRUE(result && label);
  EXPECT_EQ(result->weight, 700);
  EXPECT_EQ(label->weight, 400);
  // Typed as the user's locale writes decimals: a Spanish user with a comma.
  const bool comma = form_test::LanguageOffset() == kLanguageOffsetSpanish;
  Enter(comma ? L"0,98" : L"0.98", comma ? L"0,9" : L"0.9", L"0.95");
  EXPECT_TRUE(RunAndWaitFor(L"1.0941", kAboveOneNote));
  EXPECT_FALSE(Text(kAboveOneNote).empty());
  form_test::ExpectShownTextsFit(form_);
  Enter(comma ? L"0,02" : L"0.02", L"0.9", comma ? L"0,95" : L"0.95");
  EXPECT_TRUE(RunAndWaitFor(L"-0.0353", kNegativeNote));
  form_test::ExpectShownTextsFit(form_);
  Enter(L"0.3", L"0.9", L"0.95");
  EXPECT_TRUE(RunAndWaitFor(L"0.2941", 0)) << "a consistent result clears the note";
}

}  // namespace
