// The two selection forms driven as a user would: a list file and an output
// path typed or chosen, Run pressed, the completed output file read back
// (header, counts, the drawn lines) and found open in the text editor.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "form_session.h"
#include "probe_protocol.h"
#include "selection_controls.h"

namespace {

using namespace selection;

constexpr int kSimpleRandom = selection_simple_random::kFormKind;
constexpr int kProportional = selection_proportional::kFormKind;

constexpr int kBadInputPath = 11077;
constexpr int kBadUnits = 11154;
constexpr int kNoOutputPath = 11155;
constexpr int kOutputIsInput = 11174;
constexpr int kOutputCompleted = 11160;

const std::string kUtf8Mark = "\xEF\xBB\xBF";
const std::wstring kRule(49, L'_');

std::string ReadBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char block[65536];
  DWORD read = 0;
  while (ReadFile(file, block, sizeof(block), &read, nullptr) && read > 0) bytes.append(block, read);
  CloseHandle(file);
  return bytes;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::wstring Decode(const std::string& bytes, UINT code_page) {
  if (bytes.empty()) return L"";
  const int length = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
  return text;
}

// A file as a text editor reads it: UTF-8 after its byte-order mark, the
// ANSI code page without one.
std::wstring TextOfFile(const std::string& bytes) {
  if (bytes.compare(0, 3, kUtf8Mark) == 0) return Decode(bytes.substr(3), CP_UTF8);
  return Decode(bytes, CP_ACP);
}

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The list's fields divided as the user's locale divides them: by ";"
// under Spanish, by "," everywhere else.
std::string Separated(std::string list) {
  if (form_test::LanguageOffset() == kLanguageOffsetSpanish) std::replace(list.begin(), list.end(), ',', ';');
  return list;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

// The text editor's windows on the test display, whatever started them.
std::vector<HWND> EditorWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM found) -> BOOL {
        if (IsWindowVisible(window) && ui::ClassName(window) == L"Notepad")
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void CloseEditors() {
  for (HWND editor : EditorWindows()) {
    PostMessageW(editor, WM_CLOSE, 0, 0);
    ui::WaitForWindowGone(editor);
  }
}

// The edit where a file dialog takes the file's name: its own (edt1), or
// the one inside its name box (cmb13, a combo box that Wine wraps in an
// extended combo box, so the edit lies two levels down).
HWND FileNameEdit(HWND dialog) {
  constexpr int kNameEdit = 0x480;
  constexpr int kNameBox = 0x47C;
  for (HWND child : ui::ChildWindows(dialog)) {
    const int id = GetDlgCtrlID(child);
    if ((id == kNameEdit || id == kNameBox) && ui::ClassName(child) == L"Edit" && IsWindowVisible(child))
      return child;
  }
  return nullptr;
}

class SelectionForm : public form_test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    if (HasFatalFailure()) return;
    CloseEditors();
    wchar_t temporary[MAX_PATH] = L"";
    ASSERT_GT(GetTempPathW(MAX_PATH, temporary), 0u);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::wstring(temporary) + L"tessara-" +
              std::wstring(test->name(), test->name() + std::strlen(test->name())) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
  }

  void TearDown() override {
    CloseEditors();
    FormTest::TearDown();
  }

  std::wstring PathOf(const std::wstring& name) const { return folder_ + name; }

  std::wstring List(const std::wstring& name, const std::string& bytes) {
    const std::wstring path = PathOf(name);
    EXPECT_TRUE(WriteBytes(path, bytes));
    return path;
  }

  void Fill(const std::wstring& input, const std::wstring& units, const std::wstring& output) {
    ASSERT_TRUE(Type(kInputPathEdit, input));
    ASSERT_TRUE(Type(kUnitsEdit, units));
    ASSERT_TRUE(Type(kOutputPathEdit, output));
  }

  // Presses Run and waits for "Output Completed".
  bool RunToCompletion() {
    SetWindowTextW(Item(kStatusLine), L"");
    Press(kRunButton);
    return ui::WaitUntil([&] { return ItemText(kStatusLine) == Text(kOutputCompleted); });
  }

  // The editor window showing the file, once it is up; its text.
  std::wstring WaitForEditorShowing(const std::wstring& path) {
    HWND found = nullptr;
    ui::WaitUntil([&] {
      for (HWND editor : EditorWindows()) {
        if (ui::WindowText(editor).find(FileName(path)) != std::wstring::npos) found = editor;
      }
      return found != nullptr;
    });
    if (found == nullptr) return L"<no editor>";
    HWND edit = FindWindowExW(found, nullptr, L"Edit", nullptr);
    std::wstring text;
    ui::WaitUntil([&] {
      text = ui::WindowText(edit);
      return !text.empty();
    });
    PostMessageW(found, WM_CLOSE, 0, 0);
    ui::WaitForWindowGone(found);
    return text;
  }

  // The cursor of the program's interface thread.
  std::wstring ProgramCursor() {
    ui::Probe probe(frame());
    if (!probe.ready()) return L"<no probe>";
    return probe.Ask(probe::kReadCursor, frame()).value_or(L"<no answer>");
  }

  std::wstring SimpleRandomHeader(int total, int selected) const {
    return Text(11161) + L"\r\n" + kRule + L"\r\n\r\n" + Text(11162) + L"\t\t" + std::to_wstring(total) +
           L"\r\n" + Text(11163) + L"\t\t" + std::to_wstring(selected) + L"\r\n\r\n" + kRule + L"\r\n";
  }

  std::wstring ProportionalHeader(int units, long long animals, int selected) const {
    return Text(11166) + L"\r\n" + Text(11167) + L"\r\n" + kRule + L"\r\n\r\n" + Text(11168) + L"\t\t\t" +
           std::to_wstring(units) + L"\r\n" + Text(11169) + L"\t\t" + std::to_wstring(animals) + L"\r\n" +
           Text(11170) + L"\t\t" + std::to_wstring(selected) + L"\r\n\r\n" + Text(11172) + L"\r\n" + kRule +
           L"\r\n";
  }

  std::wstring folder_;
};

// The lines after the header and its empty line.
std::vector<std::wstring> DrawnLines(const std::wstring& text, const std::wstring& header) {
  if (text.compare(0, header.size(), header) != 0 || text.compare(header.size(), 2, L"\r\n") != 0)
    return {L"<no header>"};
  return Lines(text.substr(header.size() + 2));
}

TEST_F(SelectionForm, SimpleRandomWorkedExample) {
  ASSERT_NE(Open(kSimpleRandom), nullptr);
  EXPECT_TRUE(WaitForFocusOn(kOutputBrowseButton)) << "the output's browse button has the focus first";
  std::string list;
  std::set<std::wstring> units;
  for (int k = 1; k <= 10; ++k) {
    const std::string unit = "farm" + std::to_string(k) + ",north," + std::to_string(10 * k);
    list += unit + "\r\n";
    units.insert(std::wstring(unit.begin(), unit.end()));
  }
  list += "\r\nnever counted\r\n";
  const std::wstring input = List(L"farms.txt", list);
  const std::wstring output = PathOf(L"drawn.txt");
  Fill(input, L"4", output);
  ASSERT_TRUE(RunToCompletion());

  const std::string bytes = ReadBytes(output);
  EXPECT_NE(bytes.compare(0, 3, kUtf8Mark), 0) << "an ASCII list gets a header in the ANSI code page";
  const std::wstring text = TextOfFile(bytes);
  const std::vector<std::wstring> drawn = DrawnLines(text, SimpleRandomHeader(10, 4));
  ASSERT_EQ(drawn.size(), 4u) << testing::PrintToString(text);
  EXPECT_EQ(std::set<std::wstring>(drawn.begin(), drawn.end()).size(), 4u) << "drawn without replacement";
  for (const std::wstring& line : drawn) EXPECT_EQ(units.count(line), 1u) << "a whole line of the list";
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(ReadBytes(input), list) << "the list is left as it was";
  EXPECT_EQ(WaitForEditorShowing(output), text) << "the text editor shows the completed file";
}

TEST_F(SelectionForm, ProportionalWorkedExamples) {
  ASSERT_NE(Open(kProportional), nullptr);
  struct Case {
    const char* why;
    std::string list;
    const wchar_t* units;
    int total_units;
    long long total_animals;
    // Every output the random start allows.
    std::vector<std::vector<std::wstring>> outputs;
  } cases[] = {
      {"u1,10 and u2,30: the interval is 20", "u1,10\r\nu2,30\r\n", L"2", 2, 40,
       {{L"u1,1", L"u2,1"}, {L"u2,2"}}},
      {"further columns are the user's own", "u1,10,north\r\nu2,30,south,x\r\n", L"2", 2, 40,
       {{L"u1,1", L"u2,1"}, {L"u2,2"}}},
      {"a total of 10 for 3 units: the interval 3 makes 3 or 4 selections", "a,4\nb,3\nc,3\n", L"3", 3, 10,
       {{L"a,2", L"b,1", L"c,1"}, {L"a,1", L"b,1", L"c,1"}}},
      {"no unit has animals: nothing is selected", "a,0\nb,0\n", L"1", 2, 0, {{}}},
  };
  int file = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const std::wstring input = List(L"list" + std::to_wstring(++file) + L".txt", c.list);
    const std::wstring output = PathOf(L"drawn" + std::to_wstring(file) + L".txt");
    Fill(input, c.units, output);
    ASSERT_TRUE(RunToCompletion());
    const std::wstring text = TextOfFile(ReadBytes(output));
    std::vector<std::wstring> drawn;
    for (const std::vector<std::wstring>& allowed : c.outputs) {
      const int selected = allowed.empty() ? -1 : static_cast<int>(allowed.size());
      const std::vector<std::wstring> lines =
          DrawnLines(text, ProportionalHeader(c.total_units, c.total_animals, selected));
      if (lines == allowed) drawn = lines;
    }
    EXPECT_FALSE(drawn.empty() && !c.outputs[0].empty()) << testing::PrintToString(text);
    if (c.outputs[0].empty()) {
      EXPECT_EQ(text, ProportionalHeader(2, 0, -1) + L"\r\n") << "the header and its empty line only";
    }
    EXPECT_EQ(WaitForEditorShowing(output), text);
  }
}

TEST_F(SelectionForm, EachInputCheckNamesItsFieldWithTheFocus) {
  const std::wstring input = List(L"list.txt", "u1,10\r\nu2,30\r\n");
  const std::wstring output = PathOf(L"out.txt");
  const std::wstring missing = PathOf(L"missing.txt");
  struct Case {
    std::wstring input, units, output;
    int message_id;
    int focus;
  } cases[] = {
      {L"", L"1", output, kBadInputPath, kInputPathEdit},
      {missing, L"1", output, kBadInputPath, kInputPathEdit},
      {L"", L"0", L"", kBadInputPath, kInputPathEdit},  // the first bad input is named
      {input, L"0", output, kBadUnits, kUnitsEdit},
      {input, L"-2", output, kBadUnits, kUnitsEdit},
      {input, L"abc", output, kBadUnits, kUnitsEdit},
      {input, L"2.9", output, kBadUnits, kUnitsEdit},  // never read as 2
      {input, L"", output, kBadUnits, kUnitsEdit},
      {input, L"0", L"", kBadUnits, kUnitsEdit},
      {input, L"1", L"", kNoOutputPath, kOutputPathEdit},
  };
  for (int form_kind : {kSimpleRandom, kProportional}) {
    ASSERT_NE(Open(form_kind), nullptr);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_wstring(form_kind) + L" [" + c.input + L"] [" + c.units + L"] [" + c.output + L"]");
      Fill(c.input, c.units, c.output);
      Press(kRunButton);
      const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_INVALID_INPUT));
      EXPECT_EQ(box.text, Text(c.message_id));
      EXPECT_EQ(box.icon, ui::BoxIcon::kInformation);
      EXPECT_TRUE(WaitForFocusOn(c.focus));
    }
    EXPECT_EQ(GetFileAttributesW(output.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing ran";
  }
}

// The library would replace the list by the selection: an output path that
// names the list in any spelling is refused before anything runs.
TEST_F(SelectionForm, OutputNamingTheInputIsRefusedAndTheListKept) {
  const std::string list = "u1,10\r\nu2,30\r\n";
  const std::wstring input = List(L"Farm List.txt", list);
  std::wstring upper = input;
  std::transform(upper.begin(), upper.end(), upper.begin(), towupper);
  std::wstring slashes = input;
  std::replace(slashes.begin(), slashes.end(), L'\\', L'/');
  CreateDirectoryW(PathOf(L"sub").c_str(), nullptr);
  std::vector<std::wstring> spellings = {input, upper, slashes, PathOf(L"sub\\..\\Farm List.txt"),
                                         PathOf(L".\\farm list.TXT")};
  wchar_t short_name[MAX_PATH] = L"";
  if (GetShortPathNameW(input.c_str(), short_name, MAX_PATH) > 0 && input != short_name)
    spellings.push_back(short_name);
  for (int form_kind : {kSimpleRandom, kProportional}) {
    ASSERT_NE(Open(form_kind), nullptr);
    for (const std::wstring& output : spellings) {
      SCOPED_TRACE(output);
      Fill(input, L"1", output);
      SetWindowTextW(Item(kStatusLine), L"untouched");
      Press(kRunButton);
      const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_INVALID_INPUT));
      EXPECT_EQ(box.text, Text(kOutputIsInput));
      EXPECT_EQ(box.icon, ui::BoxIcon::kInformation);
      EXPECT_TRUE(WaitForFocusOn(kOutputPathEdit));
      EXPECT_EQ(ItemText(kStatusLine), L"untouched") << "nothing ran";
      EXPECT_EQ(ReadBytes(input), list);
    }
    // Another file of the same folder is no list.
    Fill(input, L"1", PathOf(L"Farm List 2.txt"));
    EXPECT_TRUE(RunToCompletion());
    WaitForEditorShowing(PathOf(L"Farm List 2.txt"));
    EXPECT_EQ(ReadBytes(input), list);
  }
}

TEST_F(SelectionForm, LibraryRefusalIsReportedWithItsRowAndEmptiesTheStatus) {
  struct Case {
    const char* why;
    int form_kind;
    std::string list;
    const wchar_t* units;
    int message_id;
    std::wstring row;  // appended to the message
  } cases[] = {
      {"a unit without its size", kProportional, "u1,10\r\nu2,30\r\nu3\r\nu4,5\r\n", L"2", 12044, L" 3"},
      {"a size field that is missing", kProportional, "u1,10\r\nu2,\r\n", L"1", 12044, L" 2"},
      {"a line beyond 255 characters", kSimpleRandom, "u1\r\n" + std::string(300, 'x') + "\r\n", L"1",
       12040, L" 2"},
      {"more units than the list holds", kSimpleRandom, "u1\r\nu2\r\n", L"3", 12045, L""},
      {"more units than the list holds", kProportional, "u1,1\r\nu2,1\r\n", L"3", 12045, L""},
      {"the sizes add up to fewer animals than units", kProportional, "a,1\r\nb,1\r\nc,0\r\n", L"3", 12047,
       L""},
  };
  int file = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ASSERT_NE(Open(c.form_kind), nullptr);
    const std::wstring good = List(L"good" + std::to_wstring(++file) + L".txt", Separated("a,5\r\nb,5\r\nc,5\r\n"));
    const std::wstring output = PathOf(L"drawn" + std::to_wstring(file) + L".txt");
    Fill(good, L"1", output);
    ASSERT_TRUE(RunToCompletion());
    WaitForEditorShowing(output);
    const std::string completed = ReadBytes(output);

    Fill(List(L"bad" + std::to_wstring(file) + L".txt", Separated(c.list)), c.units, output);
    Press(kRunButton);
    const ui::MessageBoxContent box = TakeMessageBox(Text(IDS_LIBRARY_ERROR_TITLE));
    EXPECT_EQ(box.text, LibraryReportText(c.form_kind, c.message_id) + c.row);
    EXPECT_EQ(box.icon, ui::BoxIcon::kError);
    EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kStatusLine).empty(); }));
    EXPECT_NE(ProgramCursor(), L"wait") << "the wait cursor is gone";
    EXPECT_EQ(ReadBytes(output), completed) << "a refused selection writes nothing";
    EXPECT_TRUE(EditorWindows().empty());
  }
}

TEST_F(SelectionForm, BrowseButtonsChooseThePathsInTheLastFolder) {
  ASSERT_NE(Open(kSimpleRandom), nullptr);
  const std::wstring input = List(L"chosen list.txt", "u1\r\nu2\r\n");
  // Types a name into a file dialog and presses its OK button.
  auto choose = [&](int button, const std::wstring& name) {
    Press(button);
    HWND dialog = nullptr;
    ui::WaitUntil([&] {
      dialog = form_test::SharedSession().program->FindWindowOfClass(L"#32770");
      return dialog != nullptr;
    });
    ASSERT_NE(dialog, nullptr);
    HWND name_edit = nullptr;
    ui::WaitUntil([&] { return (name_edit = FileNameEdit(dialog)) != nullptr; });
    ASSERT_NE(name_edit, nullptr);
    ASSERT_TRUE(ui::SetEditText(name_edit, name));
    ui::PostCommand(dialog, IDOK);
    EXPECT_TRUE(ui::WaitForWindowGone(dialog));
  };
  choose(kInputBrowseButton, input);
  EXPECT_EQ(ItemText(kInputPathEdit), input);
  // The save dialog opens in the folder of the list; a name without ".txt" gets it.
  struct Case {
    const wchar_t* typed;
    const wchar_t* written;
  } cases[] = {{L"drawn", L"drawn.txt"}, {L"drawn.TXT", L"drawn.TXT"}, {L"drawn.csv", L"drawn.csv.txt"},
               {L"drawn.t", L"drawn.t.txt"}};
  for (const Case& c : cases) {
    choose(kOutputBrowseButton, c.typed);
    EXPECT_EQ(ItemText(kOutputPathEdit), PathOf(c.written)) << c.typed;
  }
  // A cancelled dialog empties the path and the status line.
  SetWindowTextW(Item(kStatusLine), Text(kOutputCompleted).c_str());
  Press(kOutputBrowseButton);
  HWND dialog = nullptr;
  ASSERT_TRUE(ui::WaitUntil([&] {
    dialog = form_test::SharedSession().program->FindWindowOfClass(L"#32770");
    return dialog != nullptr;
  }));
  ui::PostCommand(dialog, IDCANCEL);
  EXPECT_TRUE(ui::WaitForWindowGone(dialog));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kOutputPathEdit).empty() && ItemText(kStatusLine).empty(); }));
  Press(kInputBrowseButton);
  ASSERT_TRUE(ui::WaitUntil([&] {
    dialog = form_test::SharedSession().program->FindWindowOfClass(L"#32770");
    return dialog != nullptr;
  }));
  ui::PostCommand(dialog, IDCANCEL);
  EXPECT_TRUE(ui::WaitForWindowGone(dialog));
  EXPECT_TRUE(ui::WaitUntil([&] { return ItemText(kInputPathEdit).empty(); }));
}

TEST_F(SelectionForm, HelpButtonAndF1OpenEachFormsTopic) {
  ASSERT_TRUE(viewer().registered());
  std::size_t calls = 0;
  for (auto [form_kind, topic] : {std::pair<int, unsigned>{kSimpleRandom, 1220}, {kProportional, 1210}}) {
    ASSERT_NE(Open(form_kind), nullptr);
    Press(kHelpButton);
    ASSERT_TRUE(ui::BringToForeground(frame()));
    WaitForHelpCalls(calls + 1);
    ASSERT_TRUE(ui::PressKeys({VK_F1}));
    const std::vector<ui::HelpCall> made = WaitForHelpCalls(calls + 2);
    ASSERT_EQ(made.size(), calls + 2);
    for (std::size_t k = calls; k < made.size(); ++k) EXPECT_EQ(made[k].topic, topic);
    calls = made.size();
  }
}

// Run under each language's user locale.
class SelectionFormTexts : public SelectionForm {};

TEST_F(SelectionFormTexts, TextsAndHeadersInTheUsersLanguage) {
  for (int form_kind : {kSimpleRandom, kProportional}) {
    ASSERT_NE(Open(form_kind), nullptr);
    EXPECT_EQ(ui::WindowText(form_), TitleOf(form_kind));
    form_test::ExpectTableTexts(form_, form_kind == kSimpleRandom ? selection_simple_random::kTable
                                                                  : selection_proportional::kTable);
  }
  const wchar_t* separator = form_test::LanguageOffset() == kLanguageOffsetSpanish ? L";" : L",";
  const std::string comma = separator[0] == L';' ? ";" : ",";

  // An ASCII list: the header in the user's ANSI code page, which the
  // editor reads without a mark.
  ASSERT_NE(Open(kSimpleRandom), nullptr);
  const std::wstring ascii_output = PathOf(L"ascii drawn.txt");
  Fill(List(L"ascii.txt", "u1\r\nu2\r\nu3\r\n"), L"3", ascii_output);
  ASSERT_TRUE(RunToCompletion());
  const std::string ascii_bytes = ReadBytes(ascii_output);
  EXPECT_NE(ascii_bytes.compare(0, 3, kUtf8Mark), 0);
  const std::wstring ascii_text = Decode(ascii_bytes, CP_ACP);
  EXPECT_EQ(DrawnLines(ascii_text, SimpleRandomHeader(3, 3)).size(), 3u) << testing::PrintToString(ascii_text);
  EXPECT_EQ(WaitForEditorShowing(ascii_output), ascii_text);

  // A UTF-8 list of Spanish and Thai names: a UTF-8 header, marked, and the
  // names read back whole.
  ASSERT_NE(Open(kProportional), nullptr);
  const std::string list = kUtf8Mark + "Granja \xC3\x91" "and\xC3\xBA" + comma + "10\r\n" +
                           "\xE0\xB8\x9F\xE0\xB8\xB2\xE0\xB8\xA3\xE0\xB9\x8C\xE0\xB8\xA1" + comma + "30\r\n";
  const std::wstring utf8_output = PathOf(L"utf8 drawn.txt");
  Fill(List(L"utf8.txt", list), L"1", utf8_output);
  ASSERT_TRUE(RunToCompletion());
  const std::string utf8_bytes = ReadBytes(utf8_output);
  ASSERT_EQ(utf8_bytes.compare(0, 3, kUtf8Mark), 0);
  const std::wstring utf8_text = Decode(utf8_bytes.substr(3), CP_UTF8);
  const std::vector<std::wstring> drawn = DrawnLines(utf8_text, ProportionalHeader(2, 40, 1));
  ASSERT_EQ(drawn.size(), 1u) << testing::PrintToString(utf8_text);
  EXPECT_TRUE(drawn[0] == L"Granja \u00D1and\u00FA,1" || drawn[0] == L"\u0E1F\u0E32\u0E23\u0E4C\u0E21,1")
      << testing::PrintToString(drawn[0]) << " (the list's mark is no part of its first unit)";
  EXPECT_EQ(WaitForEditorShowing(utf8_output), utf8_text);
}

}  // namespace
