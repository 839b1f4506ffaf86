// The form framework on real controls of this process: edit readers, the
// shared lists, the system-menu trim, and the layouts the main window and
// the simple random sample size form build.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "control_layout.h"
#include "edit_readers.h"
#include "form_registry.h"
#include "list_fillers.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "table_form.h"

namespace {

constexpr int kEdit = 100;
constexpr int kList = 101;

// A hidden top-level window standing in for a form.
class FormWindow {
 public:
  FormWindow(int width = 400, int height = 300)
      : window_(CreateWindowExW(0, L"static", L"form", WS_OVERLAPPEDWINDOW, 0, 0, width, height,
                                nullptr, nullptr, nullptr, nullptr)) {}
  ~FormWindow() { DestroyWindow(window_); }
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_;
};

// The readers on a real edit: what a user typed is read whole or refused,
// and a text too long to be a number is seen whole (not cut at 31).
TEST(EditReaders, TypedNumbersAreReadWholeOrRefused) {
  FormWindow form;
  ASSERT_NE(CreateInputEdit(form.get(), kEdit, {0, 0, 100, 20}), nullptr);
  struct Case {
    std::wstring text;
    bool real_ok;
    double real;
    bool integer_ok;
    std::int32_t integer;
  } cases[] = {
      {L"0,5", false, 0, false, 0},          {L"1.2.3", false, 0, false, 0},
      {L"-", false, 0, false, 0},            {L"12.7", true, 12.7, false, 0},
      {L"1000", true, 1000, true, 1000},     {L"10,000", true, 10000, true, 10000},
      {L"", false, 0, false, 0},             {L"1 000", false, 0, false, 0},
      {L"2e5", false, 0, false, 0},          {std::wstring(31, L'1'), true, 1111111111111111111111111111111.0, false, 0},
      {std::wstring(31, L'1') + L"x23456789", false, 0, false, 0},
      {std::wstring(40, L'1'), false, 0, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetDlgItemTextW(form.get(), kEdit, c.text.c_str());
    double real = -1;
    std::int32_t integer = -1;
    EXPECT_EQ(ReadRealNumber(form.get(), kEdit, &real), c.real_ok);
    EXPECT_EQ(ReadInteger(form.get(), kEdit, &integer), c.integer_ok);
    if (c.real_ok) {
      EXPECT_DOUBLE_EQ(real, c.real);
    }
    if (c.integer_ok) {
      EXPECT_EQ(integer, c.integer);
    }
  }
}

TEST(EditReaders, TextsOfAtMost254Characters) {
  FormWindow form;
  CreateInputEdit(form.get(), kEdit, {0, 0, 100, 20});
  std::wstring text;
  EXPECT_FALSE(ReadText(form.get(), kEdit, &text));
  EXPECT_FALSE(HasText(form.get(), kEdit));
  SetDlgItemTextW(form.get(), kEdit, std::wstring(300, L'a').c_str());
  ASSERT_TRUE(ReadText(form.get(), kEdit, &text));
  EXPECT_EQ(text, std::wstring(254, L'a'));
  EXPECT_TRUE(HasText(form.get(), kEdit));
}

std::wstring ItemText(HWND list, int index) {
  wchar_t text[64] = L"";
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

TEST(ListFillers, PercentListsWithTheirDataAndDefaults) {
  FormWindow form;
  HWND list = CreateDropDownList(form.get(), kList, {0, 0, 100, 120});
  FillConfidenceList(form.get(), kList);
  ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
  const wchar_t* levels[] = {L"90%", L"95%", L"99%"};
  const int data[] = {90, 95, 99};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(ItemText(list, i), levels[i]);
    EXPECT_EQ(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0), data[i]);
  }
  EXPECT_EQ(ReadListSelection(form.get(), kList), 95);
  SendMessageW(list, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(ReadListSelection(form.get(), kList), 99);
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  EXPECT_EQ(ReadListSelection(form.get(), kList), -1);

  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  FillPowerList(form.get(), kList);
  EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(ItemText(list, 3), L"95%");
  EXPECT_EQ(ReadListSelection(form.get(), kList), 80);
}

TEST(ListFillers, CatalogueListsStartEmptyAndUnselected) {
  FormWindow form;
  HWND list = CreateDropDownList(form.get(), kList, {0, 0, 100, 120});
  FillHomogeneityList(form.get(), kList);
  ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0), i);
  EXPECT_EQ(ItemText(list, 0), L"");
  EXPECT_EQ(ReadListSelection(form.get(), kList), -1);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  FillInterpretationList(form.get(), kList);
  ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(list, CB_GETITEMDATA, 2, 0), 2);
  EXPECT_EQ(ReadListSelection(form.get(), kList), -1);
}

bool InSystemMenu(HWND window, UINT command) {
  return GetMenuState(GetSystemMenu(window, FALSE), command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

TEST(FormWindowPreparation, NoSizingNoMaximizingButClosing) {
  FormWindow form;
  ASSERT_TRUE(InSystemMenu(form.get(), SC_SIZE));
  PrepareFormWindow(form.get());
  const LONG_PTR style = GetWindowLongPtrW(form.get(), GWL_STYLE);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_FALSE(InSystemMenu(form.get(), SC_SIZE));
  EXPECT_FALSE(InSystemMenu(form.get(), SC_MAXIMIZE));
  EXPECT_TRUE(InSystemMenu(form.get(), SC_CLOSE));
  EXPECT_TRUE(InSystemMenu(form.get(), SC_MINIMIZE));
}

RECT ClientRectOf(HWND form, HWND control) {
  RECT rect = {};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT ClientRectOf(HWND form, int id) { return ClientRectOf(form, GetDlgItem(form, id)); }

void ExpectRect(HWND form, HWND control, int x, int y, int width, int height) {
  const RECT rect = ClientRectOf(form, control);
  const int id = GetDlgCtrlID(control);
  EXPECT_EQ(rect.left, x) << id;
  EXPECT_EQ(rect.top, y) << id;
  EXPECT_EQ(rect.right - rect.left, width) << id;
  EXPECT_EQ(rect.bottom - rect.top, height) << id;
}

void ExpectRect(HWND form, int id, int x, int y, int width, int height) {
  ExpectRect(form, GetDlgItem(form, id), x, y, width, height);
}

// The form's child of the identifier that was created after `earlier`
// others of it (lines that nothing addresses may share one); children
// follow one another in the order they were created.
HWND NthChildWithId(HWND form, int id, int earlier) {
  for (HWND child = GetWindow(form, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(child) == id && earlier-- == 0) return child;
  }
  return nullptr;
}

TEST(MainWindowBuild, NoCloseAndOnlyBuiltFormsButtonsEnabled) {
  FormWindow window(820, 580);
  HWND first = BuildMainWindow(window.get());
  EXPECT_EQ(first, GetDlgItem(window.get(), 3001));
  EXPECT_FALSE(InSystemMenu(window.get(), SC_CLOSE));
  EXPECT_FALSE(InSystemMenu(window.get(), SC_SIZE));
  EXPECT_FALSE(InSystemMenu(window.get(), SC_MAXIMIZE));
  RECT client = {};
  GetClientRect(window.get(), &client);
  const int width = client.right;
  for (int id = kFirstCategoryButton; id <= kLastCategoryButton; ++id) {
    HWND button = GetDlgItem(window.get(), id);
    ASSERT_NE(button, nullptr) << id;
    EXPECT_EQ(IsWindowEnabled(button) != FALSE, IsFormBuilt(FormKindOfButton(id))) << id;
    EXPECT_EQ(ClientRectOf(window.get(), id).left, width - 360) << id;
  }
  EXPECT_TRUE(IsFormBuilt(10));
  ExpectRect(window.get(), 3023, 10, 10, width - 380, 20);
  ExpectRect(window.get(), 3026, 20, 311, width - 390, 40);
  ExpectRect(window.get(), 3022, 5, 464, width - 10, 2);
  ExpectRect(window.get(), 3016, width - 360, 505, 350, 24);
}

// Every built form, built on a real window: each control of its table
// exists where the table places it on that client area, in the style of
// its kind, and the build returns the table's first focus.
TEST(TableFormBuild, EveryControlWhereItsTableSays) {
  for (int form_kind = 0; form_kind < 16; ++form_kind) {
    const FormEntry& entry = FormEntryOf(form_kind);
    if (entry.form == nullptr) continue;
    SCOPED_TRACE(form_kind);
    FormWindow form(745, 460);
    HWND first = BuildTableForm(form.get(), *entry.form);
    const FormTable& table = *entry.form->table;
    EXPECT_EQ(first, GetDlgItem(form.get(), table.first_focus));
    RECT client = {};
    GetClientRect(form.get(), &client);
    std::map<int, int> created;
    for (const PlacedControl& c : PlaceControls(table, client.right, client.bottom)) {
      SCOPED_TRACE(c.id);
      HWND control = NthChildWithId(form.get(), c.id, created[c.id]++);
      ASSERT_NE(control, nullptr);
      const int shown_height = c.kind == ControlKind::DropDownList
                                   ? ClientRectOf(form.get(), control).bottom - c.y
                                   : c.height;
      ExpectRect(form.get(), control, c.x, c.y, c.width, shown_height);
      const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
      const bool read_only = (style & ES_READONLY) != 0;
      if (c.kind == ControlKind::ResultEdit || c.kind == ControlKind::NoteEdit) {
        EXPECT_TRUE(read_only);
      }
      if (c.kind == ControlKind::InputEdit) {
        EXPECT_FALSE(read_only);
        EXPECT_NE(style & WS_TABSTOP, 0);
      }
      if (c.kind == ControlKind::DefaultButton) {
        EXPECT_EQ(style & 0x0F, BS_DEFPUSHBUTTON);
      }
    }
  }
}

}  // namespace
