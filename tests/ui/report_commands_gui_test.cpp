// A form's inputs and results carried into a document: Copy results puts a
// small report on the clipboard, Save results as... writes it as text or
// CSV, Print... goes through the system's print dialog. Driven on the
// simple random sample size form, a form whose results are a table.
#include <windows.h>

#include <string>
#include <vector>

#include "clipboard_text.h"
#include "form_session.h"
#include "resource.h"
#include "sample_size_simple_random_controls.h"

namespace {

using namespace sample_size_simple_random;
using ui::ClipboardText;
using ui::OneLineLabel;
using ui::PutOnClipboard;

constexpr wchar_t kSentinel[] = L"nothing copied yet";

std::wstring Utf8ToWide(const std::string& bytes) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], size);
  return text;
}

std::string FileBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

std::wstring Today() {
  wchar_t date[128] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
  return date;
}

class ReportForm : public form_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NE(Open(kFormKind), nullptr);
    ASSERT_TRUE(PutOnClipboard(kSentinel));
  }

  void RunWorkedExample() {
    ASSERT_TRUE(Type(kPrevalenceEdit, L"0.5"));
    ASSERT_TRUE(Type(kErrorEdit, L"0.1"));
    ASSERT_TRUE(Type(kPopulationEdit, L"1000"));
    ASSERT_EQ(RunAndWaitForText(kRunButton, kFirstResult + kResultCount - 1), L"385");
  }

  // The report's lines as they must read, in the user's language; the
  // second line (date and time) is compared apart.
  std::vector<std::wstring> ExpectedLines(const std::wstring& separator) const {
    const std::wstring s = separator;
    std::vector<std::wstring> lines = {
        TitleOf(kFormKind), L"(date)", L"", Text(11027),
        OneLineLabel(Text(11020)) + s + L"0.5", OneLineLabel(Text(11021)) + s + L"0.1",
        OneLineLabel(Text(11022)) + s + L"95%", OneLineLabel(Text(11023)) + s + L"1000", L"",
        Text(11037), OneLineLabel(Text(11033)) + s + L"278",
        OneLineLabel(Text(11036)) + s + OneLineLabel(Text(11034)) + s + OneLineLabel(Text(11036)) +
            s + OneLineLabel(Text(11034))};
    const wchar_t* left[] = {L"50", L"100", L"150", L"200", L"300", L"400", L"500", L"750"};
    const wchar_t* left_n[] = {L"45", L"80", L"108", L"132", L"169", L"196", L"218", L"255"};
    const std::wstring right[] = {L"1000", L"1500", L"2000", L"3500", L"5000", L"7500", L"10000",
                                  OneLineLabel(Text(11035))};
    const wchar_t* right_n[] = {L"278", L"306", L"323", L"347", L"357", L"366", L"370", L"385"};
    for (int row = 0; row < 8; ++row)
      lines.push_back(std::wstring(left[row]) + s + left_n[row] + s + right[row] + s + right_n[row]);
    return lines;
  }

  void ExpectReport(const std::wstring& text, const std::wstring& separator) const {
    std::vector<std::wstring> lines = ui::ReportLines(text);
    ASSERT_GE(lines.size(), 2u) << std::string(text.begin(), text.end());
    EXPECT_EQ(lines[1].compare(0, Today().size(), Today()), 0) << "the date comes second";
    lines[1] = L"(date)";
    EXPECT_EQ(lines, ExpectedLines(separator));
  }

  // The state of a File menu command as the user finds it on opening the menu.
  UINT MenuState(UINT command) const {
    HMENU file_menu = GetSubMenu(GetMenu(frame()), 0);
    SendMessageW(frame(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file_menu), 0);
    for (const ui::MenuEntry& entry : ui::ReadMenu(frame())) {
      if (entry.item >= 0 && entry.command == command) return entry.state;
    }
    ADD_FAILURE() << "no menu item " << command;
    return 0;
  }

  // Saves through the dialog, typing the file name; the file's text.
  std::wstring SaveAs(const std::wstring& unix_path) {
    DeleteFileW(unix_path.c_str());
    ui::PostCommand(frame(), IDM_SAVE_RESULTS);
    HWND dialog = form_test::SharedSession().program->WaitForDialog(nullptr);
    EXPECT_NE(dialog, nullptr) << "the save dialog opens";
    if (dialog == nullptr) return L"";
    HWND name = ui::Control(dialog, 1148);  // the file name box
    if (name == nullptr) name = ui::Control(dialog, 1152);
    EXPECT_NE(name, nullptr);
    ui::SetEditText(name, unix_path);
    ui::PostCommand(dialog, IDOK);  // Save
    EXPECT_TRUE(ui::WaitForWindowGone(dialog));
    EXPECT_TRUE(ui::WaitUntil([&] { return GetFileAttributesW(unix_path.c_str()) != INVALID_FILE_ATTRIBUTES; }));
    const std::string bytes = FileBytes(unix_path);
    EXPECT_EQ(bytes.compare(0, 3, "\xEF\xBB\xBF"), 0) << "UTF-8, marked as such";
    DeleteFileW(unix_path.c_str());
    return bytes.size() >= 3 ? Utf8ToWide(bytes.substr(3)) : L"";
  }
};

TEST_F(ReportForm, CommandsAreGreyedUntilTheFormHasResultsOfItsInputs) {
  for (UINT command : {IDM_COPY_RESULTS, IDM_SAVE_RESULTS, IDM_PRINT_RESULTS})
    EXPECT_NE(MenuState(command) & MF_GRAYED, 0u) << command;
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, VK_SHIFT, 'C'}));
  Sleep(500);
  EXPECT_EQ(ClipboardText(), kSentinel) << "nothing to copy before a run";
  RunWorkedExample();
  for (UINT command : {IDM_COPY_RESULTS, IDM_SAVE_RESULTS, IDM_PRINT_RESULTS})
    EXPECT_EQ(MenuState(command) & MF_GRAYED, 0u) << command;
  // Another input: the results shown are no longer those of the inputs.
  ASSERT_TRUE(Type(kPopulationEdit, L"2000"));
  EXPECT_NE(MenuState(IDM_COPY_RESULTS) & MF_GRAYED, 0u);
  // The main window has no report.
  SendMessageW(ui::MdiClient(frame()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(MainWindow()), 0);
  EXPECT_NE(MenuState(IDM_COPY_RESULTS) & MF_GRAYED, 0u);
}

TEST_F(ReportForm, CtrlShiftCCopiesTheReport) {
  RunWorkedExample();
  ASSERT_TRUE(ui::BringToForeground(frame()));
  ASSERT_TRUE(ui::PressKeys({VK_CONTROL, VK_SHIFT, 'C'}));
  ASSERT_TRUE(ui::WaitUntil([] { return ClipboardText() != kSentinel; }));
  ExpectReport(ClipboardText(), L"\t");
}

TEST_F(ReportForm, ResultsAreReachedWithTab) {
  RunWorkedExample();
  EXPECT_NE(ui::WindowStyle(Item(kFirstResult)) & WS_TABSTOP, 0u);
  EXPECT_NE(ui::WindowStyle(Item(kFirstResult)) & ES_READONLY, 0u);
}

TEST_F(ReportForm, PrintDialogCancelledLeavesTheProgramAsItWas) {
  RunWorkedExample();
  ui::PostCommand(frame(), IDM_PRINT_RESULTS);
  HWND dialog = form_test::SharedSession().program->WaitForDialog(nullptr);
  ASSERT_NE(dialog, nullptr) << "the print dialog (or the system's word that there is no printer)";
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(ui::WaitForWindowGone(dialog));
  EXPECT_TRUE(ui::Responsive(frame()));
  EXPECT_EQ(ItemText(kFirstResult), L"278");
  EXPECT_EQ(MenuState(IDM_PRINT_RESULTS) & MF_GRAYED, 0u);
}

// In each language: the copy, and the saved text and CSV read back; CSV
// fields are separated by the user's list separator (";" under Spanish).
class ReportFormTexts : public ReportForm {};

TEST_F(ReportFormTexts, CopiedAndSavedAsTextAndCsvInTheUsersLanguage) {
  RunWorkedExample();
  ui::PostCommand(frame(), IDM_COPY_RESULTS);
  ASSERT_TRUE(ui::WaitUntil([] { return ClipboardText() != kSentinel; }));
  ExpectReport(ClipboardText(), L"\t");
  ExpectReport(SaveAs(L"Z:\\tmp\\tessara-report-test.txt"), L"\t");
  const bool spanish = form_test::LanguageOffset() == kLanguageOffsetSpanish;
  ExpectReport(SaveAs(L"Z:\\tmp\\tessara-report-test.csv"), spanish ? L";" : L",");
}

}  // namespace
