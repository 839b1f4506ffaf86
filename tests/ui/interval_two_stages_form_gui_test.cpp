// The form "Estimate Prevalence - Two Stage Sample" driven as a user would:
// a file of clusters typed or chosen with the browse button, Run pressed,
// the results read back, bad lines reported with their row and item.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "checked_form_test.h"
#include "interval_two_stages_controls.h"

namespace {

using namespace interval_two_stages;

// A cluster file in the temporary folder, which the program (in the same
// Wine prefix) reads too; removed with the object.
class ClusterFile {
 public:
  // lines use "," between fields; written with the user's list separator,
  // in the temporary folder or in folder.
  explicit ClusterFile(const std::vector<std::string>& lines,
                       const std::wstring& folder = L"") {
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    wchar_t name[MAX_PATH] = L"";
    GetTempFileNameW(folder.empty() ? temporary : folder.c_str(), L"clu", 0, name);
    path_ = name;
    const char separator = form_test::LanguageOffset() == kLanguageOffsetSpanish ? ';' : ',';
    std::string content;
    for (std::string line : lines) {
      for (char& c : line) c = c == ',' ? separator : c;
      content += line + "\r\n";
    }
    FILE* file = _wfopen(path_.c_str(), L"wb");
    if (file != nullptr) {
      fwrite(content.data(), 1, content.size(), file);
      fclose(file);
    }
  }
  ~ClusterFile() { DeleteFileW(path_.c_str()); }
  ClusterFile(const ClusterFile&) = delete;
  ClusterFile& operator=(const ClusterFile&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

const std::vector<std::string> kFourClusters = {"A,10,2", "B,10,4", "G,20,3", "D,15,6"};
// Top to bottom: prevalence, upper, lower, standard error, design effect,
// rate of homogeneity, clusters, samples, events.
const std::wstring kFourClustersShown =
    L"0.2727 0.4142 0.1313 0.0722 1.4444 0.0349 4 55 15";

class IntervalTwoStagesForm : public form_test::CheckedFormTest {
 protected:
  void SetUp() override {
    CheckedFormTest::SetUp();
    if (HasFatalFailure()) return;
    OpenForm(kFormKind);
  }

  std::wstring Shown() const {
    const int ids[] = {kPrevalenceResult,   kUpperResult,       kLowerResult,
                       kStandardErrorResult, kDesignEffectResult, kHomogeneityResult,
                       kClustersResult,     kSamplesResult,     kEventsResult};
    std::wstring shown = ItemText(ids[0]);
    for (int k = 1; k < 9; ++k) shown += L" " + ItemText(ids[k]);
    return shown;
  }

  bool RunAndWaitFor(const std::wstring& expected) {
    Press(kRunButton);
    return ui::WaitUntil([&] { return Shown() == expected; });
  }

  // The open dialog that the browse button shows.
  HWND WaitForOpenDialog() const {
    HWND dialog = nullptr;
    ui::WaitUntil([&] {
      dialog = nullptr;
      for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == form_test::SharedSession().program->id() && IsWindowVisible(window) &&
            ui::ClassName(window) == L"#32770" && ui::Control(window, IDOK) != nullptr &&
            GetWindow(window, GW_OWNER) == GetAncestor(form_, GA_ROOT)) {
          dialog = window;
          return true;
        }
      }
      return false;
    });
    return dialog;
  }

  // Browse, type name into the dialog's file name box and press Open.
  void ChooseWithBrowse(const std::wstring& name) {
    Press(kBrowseButton);
    HWND dialog = WaitForOpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND box = ui::Control(dialog, 0x480);  // the file name edit (edt1)
    if (box == nullptr) box = ui::Control(dialog, 0x47c);  // or its combo box (cmb13)
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(ui::SetEditText(box, name));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(ui::WaitForWindowGone(dialog));
  }
};

TEST_F(IntervalTwoStagesForm, WorkedExample) {
  EXPECT_TRUE(WaitForFocusOn(kBrowseButton)) << "the browse button has the focus first";
  ClusterFile file(kFourClusters);
  ASSERT_TRUE(Type(kFileEdit, file.path()));
  EXPECT_TRUE(RunAndWaitFor(kFourClustersShown)) << Shown();
  // Lines after an empty one are no clusters.
  ClusterFile longer({"A,10,2", "B,10,4", "G,20,3", "D,15,6", "", "E,5,7"});
  ASSERT_TRUE(Type(kFileEdit, longer.path()));
  EXPECT_TRUE(RunAndWaitFor(kFourClustersShown)) << Shown();
}

TEST_F(IntervalTwoStagesForm, EachInvalidInputIsNamedWithTheFocusOnItsControl) {
  ASSERT_TRUE(Type(kFileEdit, L""));
  ExpectRefusedInput(kRunButton, 11077, kFileEdit);
  ASSERT_TRUE(Type(kFileEdit, L"C:\\no such folder\\clusters.txt"));
  ExpectRefusedInput(kRunButton, 11077, kFileEdit);
  ClusterFile file(kFourClusters);
  ASSERT_TRUE(Type(kFileEdit, file.path()));
  SendMessageW(Item(kConfidenceList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ExpectRefusedInput(kRunButton, 11030, kConfidenceList);
  EXPECT_EQ(Shown(), L"        ") << "nothing ran";
}

TEST_F(IntervalTwoStagesForm, LibraryRefusalNamesTheBadRowAndItem) {
  ClusterFile good(kFourClusters);
  ASSERT_TRUE(Type(kFileEdit, good.path()));
  ASSERT_TRUE(RunAndWaitFor(kFourClustersShown));
  // Row 3 has more events than samples: the events, item 3.
  ClusterFile events_over_samples({"A,10,2", "B,10,4", "G,2,3", "D,15,6"});
  ASSERT_TRUE(Type(kFileEdit, events_over_samples.path()));
  ExpectLibraryRefusal(kRunButton, kFormKind, 12021, L" 3, 3");
  EXPECT_EQ(Shown(), kFourClustersShown) << "the earlier results stay";
}

TEST_F(IntervalTwoStagesForm, OtherBadFilesAreReported) {
  struct Case {
    std::vector<std::string> lines;
    int message_id;
    const wchar_t* appended;
  } cases[] = {
      {{"A,10,2", "E,0,2"}, 12020, L" 2, 2"},                 // events but no samples
      {{"A,10,2", " ,5,3"}, 12019, L" 2"},                    // a blank identifier
      {{"A,10,1", "B,10,0"}, 12018, L""},                     // fewer than two events
      {{"A,10,5"}, 12018, L""},                               // one cluster: no spread
      {{"A,10,10", "B,5,5"}, 12018, L""},                     // all positive
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    ClusterFile file(c.lines);
    ASSERT_TRUE(Type(kFileEdit, file.path()));
    ExpectLibraryRefusal(kRunButton, kFormKind, c.message_id, c.appended);
  }
  EXPECT_EQ(Shown(), L"        ");
}

TEST_F(IntervalTwoStagesForm, BrowseChoosesAFileAndCancelKeepsTheTypedPath) {
  ClusterFile file(kFourClusters);
  ASSERT_TRUE(Type(kFileEdit, L"typed by hand.txt"));
  Press(kBrowseButton);
  HWND dialog = WaitForOpenDialog();
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(ui::WaitForWindowGone(dialog));
  EXPECT_EQ(ItemText(kFileEdit), L"typed by hand.txt") << "a cancelled dialog changes nothing";

  Press(kBrowseButton);
  dialog = WaitForOpenDialog();
  ASSERT_NE(dialog, nullptr);
  HWND name = ui::Control(dialog, 0x480);  // the file name edit (edt1)
  if (name == nullptr) name = ui::Control(dialog, 0x47c);  // or its combo box (cmb13)
  ASSERT_NE(name, nullptr);
  ASSERT_TRUE(ui::SetEditText(name, file.path()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(ui::WaitForWindowGone(dialog));
  EXPECT_TRUE(ui::WaitUntil([&] { return SamePath(ItemText(kFileEdit), file.path()); }))
      << ItemText(kFileEdit);
  EXPECT_TRUE(RunAndWaitFor(kFourClustersShown)) << Shown();
}

// The next dialog opens where the user last chose a file: a bare file name
// typed there is a file of that folder.
TEST_F(IntervalTwoStagesForm, BrowseOpensInTheFolderOfTheLastChoice) {
  wchar_t temporary[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, temporary);
  const std::wstring folder =
      std::wstring(temporary) + L"tessara-clusters-" + std::to_wstring(GetTickCount());
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  {
    ClusterFile first(kFourClusters, folder);
    ClusterFile second({"A,10,2", "B,10,4"}, folder);
    ChooseWithBrowse(first.path());
    ASSERT_TRUE(ui::WaitUntil([&] { return SamePath(ItemText(kFileEdit), first.path()); }))
        << ItemText(kFileEdit);
    ASSERT_TRUE(Type(kFileEdit, L""));
    const std::wstring bare = second.path().substr(second.path().rfind(L'\\') + 1);
    ChooseWithBrowse(bare);
    EXPECT_TRUE(ui::WaitUntil([&] { return SamePath(ItemText(kFileEdit), second.path()); }))
        << ItemText(kFileEdit);
  }
  RemoveDirectoryW(folder.c_str());
}

TEST_F(IntervalTwoStagesForm, EnterAndCtrlRRunAndEscapeCloses) {
  ClusterFile file(kFourClusters);
  ASSERT_TRUE(Type(kFileEdit, file.path()));
  PressEnter(kFileEdit);
  EXPECT_TRUE(ui::WaitUntil([&] { return Shown() == kFourClustersShown; })) << Shown();
  ASSERT_TRUE(Type(kFileEdit, L""));
  PressCtrlR(kFileEdit);
  EXPECT_EQ(TakeMessageBox(Text(IDS_INVALID_INPUT)).text, Text(11077));
  EXPECT_TRUE(WaitForFocusOn(kFileEdit));
  ExpectEscapeCloses();
}

TEST_F(IntervalTwoStagesForm, HelpButtonAndF1OpenTopic1120) { ExpectHelpTopic(kHelpButton, 1120); }

// Run under each language's user locale.
class IntervalTwoStagesFormTexts : public IntervalTwoStagesForm {};

TEST_F(IntervalTwoStagesFormTexts, TextsInTheUsersLanguage) {
  EXPECT_EQ(ui::WindowText(form_), TitleOf(kFormKind));
  form_test::ExpectTableTexts(form_, kTable);
  EXPECT_EQ(ui::ListSelection(Item(kConfidenceList)), 1);
}

}  // namespace
