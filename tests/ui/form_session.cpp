#include "form_session.h"

#include <algorithm>
#include <utility>

#include "main_window_layout.h"

namespace form_test {
namespace {

constexpr int kMainWindowKind = 16;  // the FormKind of the main window

// Closes the shared program when the run ends; a clean exit is part of the test.
class SessionEnd : public ::testing::Environment {
 public:
  void TearDown() override {
    Session& session = SharedSession();
    if (session.program == nullptr) return;
    EXPECT_EQ(session.program->CloseAll(), std::optional<DWORD>(0)) << "the program ends cleanly";
    session.program.reset();
    session.viewer.reset();
  }
};
const ::testing::Environment* const kSessionEnd = ::testing::AddGlobalTestEnvironment(new SessionEnd);

ui::ProgramTexts& Texts() {
  static ui::ProgramTexts texts;
  return texts;
}

int ButtonOfForm(int form_kind) {
  const CategoryButton* buttons = CategoryButtons();
  for (int k = 0; k < kCategoryButtonCount; ++k) {
    if (buttons[k].form_kind == form_kind) return buttons[k].id;
  }
  return 0;
}

// Answers any message box the program still shows, so the next test starts clean.
void DismissStrayBoxes(DWORD process_id) {
  for (int round = 0; round < 5; ++round) {
    HWND box = nullptr;
    std::pair<DWORD, HWND*> search(process_id, &box);
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          auto* result = reinterpret_cast<std::pair<DWORD, HWND*>*>(found);
          if (owner == result->first && IsWindowVisible(window) && ui::ClassName(window) == L"#32770") {
            *result->second = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (box == nullptr) return;
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    ui::WaitForWindowGone(box);
  }
}

}  // namespace

Session& SharedSession() {
  static Session session;
  return session;
}

void FormTest::SetUp() {
  Session& session = SharedSession();
  if (session.program == nullptr || !session.program->running()) {
    session.program.reset();
    if (session.viewer == nullptr) session.viewer = std::make_unique<ui::FakeHelpViewer>();
    session.program = std::make_unique<ui::TessaraProcess>();
    ASSERT_TRUE(session.program->started());
    session.frame = session.program->WaitForStartedFrame();
    ASSERT_NE(session.frame, nullptr) << "the frame did not come up with its main window";
  }
  DismissStrayBoxes(session.program->id());
  const std::wstring main_title = TitleOf(kMainWindowKind);
  for (HWND child : ui::MdiChildren(session.frame)) {
    if (ui::WindowText(child) == main_title) continue;
    SendMessageTimeoutW(ui::MdiClient(session.frame), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0,
                        SMTO_ABORTIFHUNG, 5000, nullptr);
  }
  help_calls_before_ = session.viewer->Calls().size();
}

void FormTest::TearDown() { DismissStrayBoxes(SharedSession().program->id()); }

std::wstring FormTest::Text(int string_id) { return Texts().Text(string_id, LanguageOffset()); }

std::wstring FormTest::TitleOf(int form_kind) { return Text(IDS_FORM_TITLE_FIRST + form_kind); }

HWND FormTest::MainWindow() const { return ui::FindMdiChild(frame(), TitleOf(kMainWindowKind)); }

HWND FormTest::Open(int form_kind) {
  HWND main_window = MainWindow();
  if (main_window == nullptr) return nullptr;
  ui::PressButton(ui::Control(main_window, ButtonOfForm(form_kind)));
  form_ = ui::WaitForMdiChild(frame(), TitleOf(form_kind));
  return form_;
}

bool FormTest::WaitForFocusOn(int id) const {
  return ui::WaitUntil([&] { return ui::FocusedWindow(frame()) == Item(id); });
}

ui::MessageBoxContent FormTest::TakeMessageBox(const std::wstring& title) {
  HWND box = SharedSession().program->WaitForDialog(title.c_str());
  if (box == nullptr) return {};
  ui::MessageBoxContent content = ui::ReadMessageBox(box);
  ui::PressOk(box);
  ui::WaitForWindowGone(box);
  return content;
}

std::wstring FormTest::RunExpectingInputMessage(int run_button) {
  Press(run_button);
  return TakeMessageBox(Text(IDS_INVALID_INPUT)).text;
}

std::wstring FormTest::RunAndWaitForText(int run_button, int result_id) {
  SetWindowTextW(Item(result_id), L"");
  Press(run_button);
  ui::WaitUntil([&] { return !ItemText(result_id).empty(); });
  return ItemText(result_id);
}

std::wstring FormTest::LibraryReportText(int form_kind, int message_id) const {
  return Text(IDS_LIBRARY_ERROR_PREFIX) + L" " + TitleOf(form_kind) + L"\r\n\r\n" + Text(message_id);
}

std::vector<ui::HelpCall> FormTest::WaitForHelpCalls(std::size_t count) const {
  std::vector<ui::HelpCall> calls = viewer().WaitForCalls(help_calls_before_ + count);
  calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(
                                                 std::min(help_calls_before_, calls.size())));
  return calls;
}

void ExpectTableTexts(HWND form, const FormTable& table) {
  RECT client = {};
  GetClientRect(form, &client);
  for (const PlacedControl& c : PlaceControls(table, client.right, client.bottom)) {
    SCOPED_TRACE(c.id);
    HWND control = ui::Control(form, c.id);
    ASSERT_NE(control, nullptr) << "every control of the table exists";
    if (c.text.string_id != 0) {
      EXPECT_FALSE(FormTest::Text(c.text.string_id).empty());
    }
    if (c.kind == ControlKind::InputEdit || c.kind == ControlKind::ResultEdit ||
        c.kind == ControlKind::NoteEdit || c.kind == ControlKind::DropDownList)
      continue;
    std::wstring expected;
    if (c.text.string_id != 0) expected = FormTest::Text(c.text.string_id);
    if (c.text.literal != nullptr) expected = c.text.literal;
    if (c.text.is_number) expected = std::to_wstring(c.text.number);
    EXPECT_EQ(ui::WindowText(control), expected);
  }
}

void ExpectShownTextsFit(HWND form) {
  const std::optional<std::vector<ui::TextMeasure>> measures = ui::MeasureTexts(form);
  ASSERT_TRUE(measures.has_value()) << "the probe measured the form";
  for (const ui::TextMeasure& measure : *measures) {
    EXPECT_TRUE(measure.Fits()) << "control " << measure.control << " needs " << measure.needed.cx
                                << "x" << measure.needed.cy << " pixels, has " << measure.room.cx
                                << "x" << measure.room.cy;
  }
}

}  // namespace form_test
