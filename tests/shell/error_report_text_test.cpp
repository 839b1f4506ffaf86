// The text of the report of a ResultCode.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "error_report_text.h"

namespace {
TEST(ResultCodeMessages, StringIdAndFormOfEachCode) {
  struct Case {
    std::uint32_t code;
    int string_id;
    ReportForm form;
  } cases[] = {
      {0x60000000, 12000, ReportForm::Plain}, {0x60000001, 12001, ReportForm::Plain},
      {0x60000002, 12002, ReportForm::Plain}, {0x60000003, 12004, ReportForm::Plain},
      {0x60000004, 12005, ReportForm::Plain}, {0x60000005, 12006, ReportForm::Plain},
      {0x60000007, 12008, ReportForm::Plain}, {0x60000008, 12003, ReportForm::Plain},
      {0x60000009, 12010, ReportForm::Plain}, {0x6000000C, 12013, ReportForm::Plain},
      {0x60000011, 12018, ReportForm::Plain}, {0x60000012, 12019, ReportForm::Row},
      {0x60000013, 12020, ReportForm::RowAndItem}, {0x60000014, 12021, ReportForm::RowAndItem},
      {0x60000017, 12024, ReportForm::Plain}, {0x60000018, 12025, ReportForm::Plain},
      {0x60000027, 12040, ReportForm::Row},   {0x6000002B, 12044, ReportForm::Row},
      {0x6000002C, 12045, ReportForm::Plain}, {0x6000002D, 12046, ReportForm::Plain},
      {0x6000002E, 12009, ReportForm::Plain}, {0x6000002F, 12047, ReportForm::Plain},
      {0x60000030, 12000, ReportForm::Plain},
      {0x60001000, 12000, ReportForm::Plain}, {0x5FFFFFFF, 12000, ReportForm::Plain},
      {0x00000001, 12000, ReportForm::Plain}, {0xFFFFFFFF, 12000, ReportForm::Plain},
  };
  for (const Case& c : cases) {
    const ResultCodeMessage message = MessageForResultCode(c.code);
    EXPECT_EQ(message.string_id, c.string_id) << std::hex << c.code;
    EXPECT_EQ(message.form, c.form) << std::hex << c.code;
  }
}

TEST(ErrorReportText, TitleLineEmptyLineThenMessageWithRowAndItem) {
  struct Case {
    ReportForm form;
    std::int32_t row, item;
    const wchar_t* ending;
  } cases[] = {
      {ReportForm::Plain, 12, 3, L"Bad."},
      {ReportForm::Row, 12, 3, L"Bad. 12"},
      {ReportForm::Row, 0, -1, L"Bad. 0"},  // row 0 is shown, only negatives are left out
      {ReportForm::Row, -1, 3, L"Bad."},
      {ReportForm::RowAndItem, 12, 3, L"Bad. 12, 3"},
      {ReportForm::RowAndItem, 5, -1, L"Bad. 5"},
      {ReportForm::RowAndItem, -1, 3, L"Bad."},  // no item without its row
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComposeErrorReport(L"Error in function:", L"Some Form", L"Bad.", c.form, c.row, c.item),
              std::wstring(L"Error in function: Some Form\r\n\r\n") + c.ending);
  }
}

TEST(ErrorReportText, WholeTextIsCutTo255Characters) {
  const std::wstring long_message(400, L'm');
  const std::wstring text =
      ComposeErrorReport(L"Error in function:", L"Form", long_message, ReportForm::Row, 7, -1);
  EXPECT_EQ(text.size(), 255u);
  EXPECT_EQ(text.substr(0, 28), L"Error in function: Form\r\n\r\nm");
  EXPECT_EQ(text.back(), L'm');

  // A title long enough to fill the prefix leaves nothing after the cut.
  const std::wstring long_title(300, L't');
  const std::wstring cut =
      ComposeErrorReport(L"Error in function:", long_title, L"Bad.", ReportForm::Plain, -1, -1);
  EXPECT_EQ(cut.size(), 255u);
  EXPECT_EQ(cut.find(L"Bad."), std::wstring::npos);
}
}  // namespace
