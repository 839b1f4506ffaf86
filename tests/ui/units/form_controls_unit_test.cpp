// The form framework on real controls of this process: edit readers, the
// shared lists, the system-menu trim, and the layouts the main window and
// the simple random sample size form build.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "control_layout.h"
#include "edit_readers.h"
#include "form_registry.h"
#include "list_fillers.h"
#include "main_window.h"
#include "main_window_layout.h"
#include "sample_size_simple_random_form.h"

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

TEST(EditReaders, NumbersAsTheConversionReadsThem) {
  FormWindow form;
  ASSERT_NE(CreateInputEdit(form.get(), kEdit, {0, 0, 100, 20}), nullptr);
  struct Case {
    const wchar_t* text;
    bool real_ok;
    double real;
    bool integer_ok;
    std::int32_t integer;
  } cases[] = {
      {L"0,5", true, 0.0, true, 0},     {L"1.2.3", true, 1.2, true, 1},
      {L"-", true, 0.0, true, 0},       {L"12.7", true, 12.7, true, 12},
      {L"1000", true, 1000, true, 1000}, {L"", false, 0, false, 0},
      {L"1 000", false, 0, false, 0},   {L"2e5", false, 0, false, 0},
  };
  for (const Case& c : cases) {
    SetDlgItemTextW(form.get(), kEdit, c.text);
    double real = -1;
    std::int32_t integer = -1;
    EXPECT_EQ(ReadRealNumber(form.get(), kEdit, &real), c.real_ok) << c.text;
    EXPECT_EQ(ReadInteger(form.get(), kEdit, &integer), c.integer_ok) << c.text;
    if (c.real_ok) {
      EXPECT_DOUBLE_EQ(real, c.real) << c.text;
    }
    if (c.integer_ok) {
      EXPECT_EQ(integer, c.integer) << c.text;
    }
  }
}

TEST(EditReaders, OnlyTheFirst31CharactersOfAnEditCount) {
  FormWindow form;
  CreateInputEdit(form.get(), kEdit, {0, 0, 100, 20});
  // 40 characters: 31 digits, then a letter the number check would refuse.
  const std::wstring text = std::wstring(31, L'1') + L"x23456789";
  ASSERT_EQ(text.size(), 40u);
  SetDlgItemTextW(form.get(), kEdit, text.c_str());
  EXPECT_EQ(ReadNumberTextOf(form.get(), kEdit), std::wstring(31, L'1'));
  double real = 0;
  ASSERT_TRUE(ReadRealNumber(form.get(), kEdit, &real));
  EXPECT_DOUBLE_EQ(real, 1111111111111111111111111111111.0);
  std::int32_t integer = 0;
  ASSERT_TRUE(ReadInteger(form.get(), kEdit, &integer));
  EXPECT_EQ(integer, 2147483647);  // held at the end of the range
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

RECT ClientRectOf(HWND form, int id) {
  RECT rect = {};
  HWND control = GetDlgItem(form, id);
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void ExpectRect(HWND form, int id, int x, int y, int width, int height) {
  const RECT rect = ClientRectOf(form, id);
  EXPECT_EQ(rect.left, x) << id;
  EXPECT_EQ(rect.top, y) << id;
  EXPECT_EQ(rect.right - rect.left, width) << id;
  EXPECT_EQ(rect.bottom - rect.top, height) << id;
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

TEST(SampleSizeFormBuild, TableBelowTheMiddleOfTheClientArea) {
  FormWindow form(745, 460);
  HWND first = BuildSampleSizeSimpleRandomForm(form.get());
  EXPECT_EQ(first, GetDlgItem(form.get(), 4001));
  RECT client = {};
  GetClientRect(form.get(), &client);
  const int width = client.right;
  const int height = client.bottom;
  const int y = height / 2 - 20;
  const int first_row = y + 44;
  ExpectRect(form.get(), 4001, 201, 30, 100, 20);
  ExpectRect(form.get(), 4008, width - 110, 10, 100, 24);
  ExpectRect(form.get(), 4009, width - 110, 36, 100, 24);
  ExpectRect(form.get(), 4011, 10, 5, 310, 128);
  ExpectRect(form.get(), 4050, 60, y + 25, 100, 20);
  ExpectRect(form.get(), 4014, 220, y, 100, 40);
  ExpectRect(form.get(), 4067, 220, y + 40, 400, 2);
  ExpectRect(form.get(), 4018, 230, first_row, 50, 20);
  ExpectRect(form.get(), 4051, 330, first_row, 75, 20);
  ExpectRect(form.get(), 4058, 330, first_row + 147, 75, 20);  // 750
  ExpectRect(form.get(), 4026, 430, first_row, 50, 20);        // 1000
  ExpectRect(form.get(), 4066, 530, first_row + 147, 75, 20);  // infinite
  ExpectRect(form.get(), 4012, 10, first_row - 70, width - 20, height - first_row + 60);
  wchar_t text[32] = L"";
  GetDlgItemTextW(form.get(), 4032, text, 32);
  EXPECT_STREQ(text, L"10000");
  // Results are read-only, inputs are not.
  EXPECT_NE(GetWindowLongPtrW(GetDlgItem(form.get(), 4066), GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(form.get(), 4007), GWL_STYLE) & ES_READONLY, 0);
}

}  // namespace
