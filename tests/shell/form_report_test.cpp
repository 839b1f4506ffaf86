// The report of a form: what a user pastes into a protocol or a spreadsheet.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "detection_two_stages_controls.h"
#include "form_report.h"
#include "interval_simple_random_controls.h"
#include "maximum_prevalence_controls.h"
#include "sample_size_simple_random_controls.h"

namespace {

// A control of a made-up form, its text given apart.
PlacedControl Placed(int id, ControlKind kind, int x, int y, int w, int h) {
  return PlacedControl{id,          kind,          {}, x, y, w, h, FontRole::Regular,
                       Align::Left, ListFill::None, 255};
}

// The controls of a form's table laid out in the form's client area, each
// showing its catalogue text (texts), its number, or what a user typed or a
// run wrote into it (values).
std::vector<ShownControl> ShownForm(const FormTable& table,
                                    const std::map<int, std::wstring>& texts,
                                    const std::map<int, std::wstring>& values) {
  std::vector<ShownControl> shown;
  for (const PlacedControl& c : PlaceControls(table, kFormClientWidth, kFormClientHeight)) {
    std::wstring text;
    if (c.text.string_id != 0) text = texts.at(c.text.string_id);
    if (c.text.is_number) text = std::to_wstring(c.text.number);
    if (values.count(c.id) != 0) text = values.at(c.id);
    shown.push_back({c, text});
  }
  return shown;
}

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
  return ShownForm(kTable, texts, values);
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

// Results beside a table beside two sentences, parted by vertical lines:
// each block is read whole, the sentences are not cut into the table's
// rows, and a count reads with the unit written after it.
TEST(FormReport, BlocksPartedByVerticalLinesAreReadOneAfterTheOther) {
  const std::map<int, std::wstring> texts = {
      {11022, L"Level of confidence"},
      {11024, L"&Run"},
      {11025, L"&Help"},
      {11027, L"Input"},
      {11033, L"Sample size"},
      {11037, L"Results"},
      {11108, L"Sensitivity"},
      {11109, L"Specificity"},
      {11120, L"Diagnostic method"},
      {11121, L"Test 1"},
      {11122, L"Test 2"},
      {11123, L"One test: use Test 1\r\nTwo tests: define both and their interpretation"},
      {11124, L"Interpretation"},
      {11128, L"False positive"},
      {11129, L"Average number of animals per herd"},
      {11130, L"Animals\n\r/herd"},
      {11131, L"samples\n\r/herd"},
      {11132, L"Herds"},
      {11133, L"Population"},
      {11134, L"Probability of type II error"},
      {11135, L"Minimum expected prevalence of positive herds"},
      {11136, L"Number of herds"},
      {11137, L"Minimum expected prevalence of positive animals"},
      {11138, L"Animals / herd"},
      {11139, L"Total no. samples"},
      {11142, L"false positives per herd"},
      {11143, L"false positive results"},
  };
  using namespace detection_two_stages;
  std::map<int, std::wstring> values = {
      {kConfidenceList, L"95%"},
      {kBetaEdit, L"0.05"},
      {kHerdPrevalenceEdit, L"0.05"},
      {kHerdsEdit, L"500"},
      {kAnimalPrevalenceEdit, L"0.1"},
      {kHerdSizeEdit, L"100"},
      {kHerdConfidenceEdit, L"0.95"},
      {kSensitivity1Edit, L"0.9"},
      {kSpecificity1Edit, L"0.98"},
      {kSensitivityResult, L"0.9000"},
      {kSpecificityResult, L"0.9800"},
      {kHerdsResult, L"57"},
      {kAnimalsResult, L"27"},
      {kTotalResult, L"1539"},
      {kBetaLine, L"(for type II error: 0.05)"},
      {kPerHerdSentence, L"Analysing 27 samples with a diagnostic method having a specificity of "
                         L"0.98, their will be up to:"},
      {kPerHerdResult, L"1"},
      {kSampleSentence, L"Furthermore, from 1539 samples there may be as many as:"},
      {kSampleResult, L"39"},
  };
  const wchar_t* animals[kTableRows] = {L"23", L"27", L"29", L"30", L"31", L"31", L"31"};
  for (int row = 0; row < kTableRows; ++row) values[kFirstTableResult + row] = animals[row];
  const FormReport report = ComposeReport(L"T", L"D", ShownForm(kTable, texts, values));
  const std::vector<ReportLine> expected = {
      {},
      {L"Input"},
      {L"Level of confidence", L"95%"},
      {L"Probability of type II error", L"0.05"},
      {},
      {L"Population"},
      {L"Minimum expected prevalence of positive herds", L"0.05"},
      {L"Number of herds", L"500"},
      {},
      {L"Herds"},
      {L"Minimum expected prevalence of positive animals", L"0.1"},
      {L"Average number of animals per herd", L"100"},
      {L"Level of confidence", L"0.95"},
      {},
      {L"Diagnostic method"},
      {L"One test: use Test 1 Two tests: define both and their interpretation"},
      {L"Sensitivity", L"Specificity"},
      {L"Test 1", L"0.9", L"0.98"},
      {L"Test 2", L"", L""},
      {L"Interpretation", L""},
      {},
      {L"Results"},
      {L"Diagnostic method"},
      {L"Sensitivity", L"0.9000"},
      {L"Specificity", L"0.9800"},
      {L"Sample size"},
      {L"Herds", L"57"},
      {L"Animals / herd", L"27"},
      {L"Total no. samples", L"1539"},
      {L"Animals /herd", L"samples /herd"},
      {L"50", L"23"},
      {L"100", L"27"},
      {L"250", L"29"},
      {L"500", L"30"},
      {L"750", L"31"},
      {L"1000", L"31"},
      {L"5000", L"31"},
      {L"False positive"},
      {L"(for type II error: 0.05)"},
      {values.at(kPerHerdSentence)},
      {L"1", L"false positives per herd"},
      {values.at(kSampleSentence)},
      {L"39", L"false positive results"},
  };
  EXPECT_EQ(report.lines, expected);
}

// Each answer is its sentence with the figure that ends it.
TEST(FormReport, SentencesReadWithTheFigureBesideThem) {
  const std::map<int, std::wstring> texts = {
      {11022, L"Level of confidence"},
      {11023, L"Population size"},
      {11024, L"&Run"},
      {11025, L"&Help"},
      {11027, L"Input"},
      {11033, L"Sample size"},
      {11037, L"Results"},
      {11145, L"Result of simple random sampling: 100% of samples NEGATIVE."},
      {11146, L"Sensitivity of diagnostic method"},
      {11147, L"Minimum expected prevalence"},
      {11152, L"1. How many undetected?"},
      {11153, L"2. How confident?"},
  };
  using namespace maximum_prevalence;
  const std::map<int, std::wstring> values = {
      {kSampleSizeEdit, L"30"},
      {kPopulationEdit, L"1000"},
      {kSensitivityEdit, L"1"},
      {kConfidenceList, L"95%"},
      {kPrevalenceEdit, L"0.05"},
      {kPositivesSentence, L"From a population of 1000 ... less than or equal to:"},
      {kPositivesResult, L"94"},
      {kPrevalenceSentence, L"This means a prevalence of:"},
      {kPrevalenceResult, L"9.37%"},
      {kNote, L"NOTE: If ... greater than 94, then ..."},
      {kConfidenceSentence, L"From a sample of 30 ... with a level of confidence of:"},
      {kConfidenceResult, L"79.02%"},
  };
  const FormReport report = ComposeReport(L"T", L"D", ShownForm(kTable, texts, values));
  const std::vector<ReportLine> expected = {
      {},
      // The headline stands just above both groups: it heads the form.
      {L"Result of simple random sampling: 100% of samples NEGATIVE."},
      {L"Input"},
      {L"Sample size", L"30"},
      {L"Population size", L"1000"},
      {L"Sensitivity of diagnostic method", L"1"},
      {L"Level of confidence", L"95%"},
      {L"Minimum expected prevalence", L"0.05"},
      {},
      {L"Results"},
      {L"1. How many undetected?"},
      {values.at(kPositivesSentence), L"94"},
      {L"This means a prevalence of:", L"9.37%"},
      {values.at(kNote)},
      {L"2. How confident?"},
      {values.at(kConfidenceSentence), L"79.02%"},
  };
  EXPECT_EQ(report.lines, expected);
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
  const std::vector<ShownControl> shown = {
      {Placed(1, ControlKind::Label, 20, 30, 100, 20), L"Left p"},
      {Placed(2, ControlKind::InputEdit, 130, 30, 60, 20), L"0.2"},
      {Placed(3, ControlKind::Label, 20, 60, 100, 40), L"Two\n\rlines"},
      {Placed(4, ControlKind::ResultEdit, 130, 70, 60, 20), L"0.1234"},
      {Placed(5, ControlKind::GroupBox, 10, 5, 200, 120), L"Left"},
      {Placed(6, ControlKind::Label, 320, 30, 100, 20), L"Right p"},
      {Placed(7, ControlKind::InputEdit, 430, 30, 60, 20), L"0.3"},
      {Placed(8, ControlKind::PushButton, 320, 60, 100, 24), L"&Run"},
      {Placed(9, ControlKind::NoteEdit, 320, 90, 100, 20), L""},
      {Placed(10, ControlKind::GroupBox, 300, 5, 200, 120), L"Right"},
      {Placed(11, ControlKind::GroupBox, 5, 0, 520, 200), L"Outer"},
  };
  const FormReport report = ComposeReport(L"T", L"D", shown);
  const std::vector<ReportLine> expected = {
      {}, {L"Left"}, {L"Left p", L"0.2"}, {L"Two lines", L"0.1234"},
      {}, {L"Right"}, {L"Right p", L"0.3"},
  };
  EXPECT_EQ(report.lines, expected);
}

// The two calculators of the simple random interval form side by side, each
// under its heading: the heading leads its own inputs and results, so that
// every label keeps its value and no value is read under the other
// calculator's heading.
TEST(FormReport, SideBySideCalculatorsEachUnderItsHeading) {
  const std::map<int, std::wstring> texts = {
      {11022, L"Level of confidence"}, {11023, L"Population size"},
      {11024, L"&Run"},                {11025, L"&Help"},
      {11027, L"Input"},               {11033, L"Sample size"},
      {11037, L"Results"},             {11060, L"Proportion"},
      {11061, L"Lower limit"},         {11062, L"Upper limit"},
      {11063, L"Prevalence"},          {11067, L"Positive cases"},
      {11068, L"From the proportion"}, {11069, L"From the number of positive cases"},
      {11070, L"Ru&n"},
  };
  using namespace interval_simple_random;
  const std::map<int, std::wstring> values = {
      {kProportionEdit, L"0.3"},         {kLeftSampleEdit, L"100"},
      {kLeftPopulationEdit, L"1000"},    {kLeftConfidenceList, L"95%"},
      {kLeftLowerResult, L"0.2148"},     {kLeftUpperResult, L"0.3852"},
      {kPositivesEdit, L"30"},           {kRightSampleEdit, L"120"},
      {kRightPopulationEdit, L"2000"},   {kRightConfidenceList, L"99%"},
      {kRightLowerResult, L"0.1511"},    {kRightPrevalenceResult, L"0.2500"},
      {kRightUpperResult, L"0.3489"},
  };
  const FormReport report = ComposeReport(L"Estimate Prevalence - Simple Random Sample",
                                          L"07/12/2026", ShownForm(kTable, texts, values));
  const std::wstring expected =
      L"Estimate Prevalence - Simple Random Sample\r\n"
      L"07/12/2026\r\n"
      L"\r\n"
      L"From the proportion\r\n"
      L"Input\r\n"
      L"Proportion\t0.3\r\n"
      L"Sample size\t100\r\n"
      L"Population size\t1000\r\n"
      L"Level of confidence\t95%\r\n"
      L"\r\n"
      L"Results\r\n"
      L"Lower limit\t0.2148\r\n"
      L"Upper limit\t0.3852\r\n"
      L"\r\n"
      L"From the number of positive cases\r\n"
      L"Input\r\n"
      L"Positive cases\t30\r\n"
      L"Sample size\t120\r\n"
      L"Population size\t2000\r\n"
      L"Level of confidence\t99%\r\n"
      L"\r\n"
      L"Results\r\n"
      L"Lower limit\t0.1511\r\n"
      L"Prevalence\t0.2500\r\n"
      L"Upper limit\t0.3489\r\n";
  EXPECT_EQ(ReportAsText(report), expected);
}

// A label outside every group heads only the groups just under it and
// those below them in its column; one far above any group, or beside them,
// stays a line of its own.
TEST(FormReport, OnlyALabelJustAboveAGroupHeadsIt) {
  const std::vector<ShownControl> shown = {
      {Placed(1, ControlKind::Label, 10, 0, 300, 20), L"Note far above"},
      {Placed(2, ControlKind::Label, 10, 100, 180, 20), L"Heading"},
      {Placed(3, ControlKind::Label, 20, 140, 100, 20), L"a"},
      {Placed(4, ControlKind::InputEdit, 130, 140, 60, 20), L"1"},
      {Placed(5, ControlKind::GroupBox, 10, 120, 200, 50), L"Upper"},
      {Placed(6, ControlKind::Label, 20, 200, 100, 20), L"b"},
      {Placed(7, ControlKind::ResultEdit, 130, 200, 60, 20), L"2"},
      {Placed(8, ControlKind::GroupBox, 10, 180, 200, 50), L"Lower"},
      {Placed(9, ControlKind::Label, 400, 100, 100, 20), L"Aside"},
  };
  const FormReport report = ComposeReport(L"T", L"D", shown);
  const std::vector<ReportLine> expected = {
      {}, {L"Note far above"}, {L"Aside"},
      {}, {L"Heading"}, {L"Upper"}, {L"a", L"1"}, {}, {L"Lower"}, {L"b", L"2"},
  };
  EXPECT_EQ(report.lines, expected);
}

}  // namespace
