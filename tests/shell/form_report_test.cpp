// The report of a form: what a user pastes into a protocol or a spreadsheet.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "form_report.h"
#include "sample_size_simple_random_controls.h"

namespace {

// The simple random sample size form after its worked example, as its
// controls show it in English.
std::vector<ShownControl> WorkedSampleSizeForm() {
  const std::map<int, std::wstring> texts = {
      {11020, L"Expected prevalence"}, {11021, L"Acceptable relative error "},
      {11022, L"Level of confidence"}, {11023, L"Population size"},
      {11024, L"&Run"},                {11025, L"&Help"},
      {11027, L"Input"},               {11033, L"Sample size"},
      {11034, L"Adjusted n"},          {11035, L"Infinite"},
      {11036, L"Population\n\rsize"},  {11037, L"Results"},
  };
  using namespace sample_size_simple_random;
  std::map<int, std::wstring> values = {{kPrevalenceEdit, L"0.5"}, {kErrorEdit, L"0.1"},
                                        {kConfidenceList, L"95%"}, {kPopulationEdit, L"1000"}};
  const wchar_t* sizes[] = {L"278", L"45",  L"80",  L"108", L"132", L"169", L"196", L"218", L"255",
                            L"278", L"306", L"323", L"347", L"357", L"366", L"370", L"385"};
  for (int k = 0; k < kResultCount; ++k) values[kFirstResult + k] = sizes[k];
  std::vector<ShownControl> shown;
  for (const PlacedControl& c : PlaceControls(kTable, kFormClientWidth, kFormClientHeight)) {
    std::wstring text;
    if (c.text.string_id != 0) text = texts.at(c.text.string_id);
    if (c.text.is_number) text = std::to_wstring(c.text.number);
    if (values.count(c.id) != 0) text = values.at(c.id);
    shown.push_back({c, text});
  }
  return shown;
}

TEST(FormReport, ReadsLikeTheFormInputsThenTheTableByRows) {
  const FormReport report = ComposeReport(L"Estimate - Sample Size - Simple Random Sample",
                                          L"07/12/2026", WorkedSampleSizeForm());
  const std::wstring expected =
      L"Estimate - Sample Size - Simple Random Sample\r\n"
      L"07/12/2026\r\n"
      L"\r\n"
      L"Input\r\n"
      L"Expected prevalence\t0.5\r\n"
      L"Acceptable relative error\t0.1\r\n"
      L"Level of confidence\t95%\r\n"
      L"Population size\t1000\r\n"
      L"\r\n"
      L"Results\r\n"
      L"Sample size\t278\r\n"
      L"Population size\tAdjusted n\tPopulation size\tAdjusted n\r\n"
      L"50\t45\t1000\t278\r\n"
      L"100\t80\t1500\t306\r\n"
      L"150\t108\t2000\t323\r\n"
      L"200\t132\t3500\t347\r\n"
      L"300\t169\t5000\t357\r\n"
      L"400\t196\t7500\t366\r\n"
      L"500\t218\t10000\t370\r\n"
      L"750\t255\tInfinite\t385\r\n";
  EXPECT_EQ(ReportAsText(report), expected);
}

TEST(FormReport, CsvQuotesOnlyWhatWouldBreakAField) {
  FormReport report{L"Title; with separator", L"7.12.2026", {{L"a", L"b\"c"}, {}, {L"x\r\ny", L"0,5"}}};
  EXPECT_EQ(ReportAsCsv(report, L";"),
            L"\"Title; with separator\"\r\n7.12.2026\r\na;\"b\"\"c\"\r\n\r\n\"x\r\ny\";0,5\r\n");
  EXPECT_EQ(ReportAsCsv(report, L","),
            L"Title; with separator\r\n7.12.2026\r\na,\"b\"\"c\"\r\n\r\n\"x\r\ny\",\"0,5\"\r\n");
}

// Side-by-side calculators: each group is its own part of the report, the
// nested group inside the one around it, and a value takes the label to
// its left even when a label above is nearer.
TEST(FormReport, GroupsInReadingOrderAndLabelsBesideTheirValues) {
  const auto control = [](int id, ControlKind kind, int x, int y, int w, int h) {
    return PlacedControl{id, kind, {}, x, y, w, h, FontRole::Regular, Align::Left, ListFill::None, 255};
  };
  const std::vector<ShownControl> shown = {
      {control(1, ControlKind::Label, 20, 30, 100, 20), L"Left p"},
      {control(2, ControlKind::InputEdit, 130, 30, 60, 20), L"0.2"},
      {control(3, ControlKind::Label, 20, 60, 100, 40), L"Two\n\rlines"},
      {control(4, ControlKind::ResultEdit, 130, 70, 60, 20), L"0.1234"},
      {control(5, ControlKind::GroupBox, 10, 5, 200, 120), L"Left"},
      {control(6, ControlKind::Label, 320, 30, 100, 20), L"Right p"},
      {control(7, ControlKind::InputEdit, 430, 30, 60, 20), L"0.3"},
      {control(8, ControlKind::PushButton, 320, 60, 100, 24), L"&Run"},
      {control(9, ControlKind::NoteEdit, 320, 90, 100, 20), L""},
      {control(10, ControlKind::GroupBox, 300, 5, 200, 120), L"Right"},
      {control(11, ControlKind::GroupBox, 5, 0, 520, 200), L"Outer"},
  };
  const FormReport report = ComposeReport(L"T", L"D", shown);
  const std::vector<ReportLine> expected = {
      {}, {L"Left"}, {L"Left p", L"0.2"}, {L"Two lines", L"0.1234"},
      {}, {L"Right"}, {L"Right p", L"0.3"},
  };
  EXPECT_EQ(report.lines, expected);
}

}  // namespace
