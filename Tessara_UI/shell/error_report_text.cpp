#include "error_report_text.h"

#include "result_codes.h"

namespace {
constexpr int kUnknownErrorText = 12000;

struct CodeEntry {
  ResultCode code;
  ResultCodeMessage message;
};

// Every ResultCode with its catalogue message and what the report appends:
// the bad row, or the bad row and item, of an input file.
// clang-format off
constexpr CodeEntry kCodes[] = {
    {rc::UnexpectedFailure, {12000, ReportForm::Plain}},
    {rc::InvalidExpectedPrevalence, {12001, ReportForm::Plain}},
    {rc::InvalidPrecision, {12002, ReportForm::Plain}},
    {rc::InvalidConfidenceLevel, {12004, ReportForm::Plain}},
    {rc::InvalidPopulationSize, {12005, ReportForm::Plain}},
    {rc::TooFewStrata, {12006, ReportForm::Plain}},
    {rc::InvalidPopulationPrevalence, {12007, ReportForm::Plain}},
    {rc::SizeBelowMinimum, {12008, ReportForm::Plain}},
    {rc::InvalidHomogeneity, {12003, ReportForm::Plain}},
    {rc::InvalidProportion, {12010, ReportForm::Plain}},
    {rc::SampleExceedsPopulation, {12011, ReportForm::Plain}},
    {rc::InvalidPositiveCases, {12012, ReportForm::Plain}},
    {rc::FileOpenFailed, {12013, ReportForm::Plain}},
    {rc::FileReadFailed, {12014, ReportForm::Plain}},
    {rc::OutOfMemory, {12015, ReportForm::Plain}},
    {rc::NoValidData, {12016, ReportForm::Plain}},
    {rc::InvalidFileFormat, {12017, ReportForm::Plain}},
    {rc::TooFewClusterRecords, {12018, ReportForm::Plain}},
    {rc::InvalidClusterId, {12019, ReportForm::Row}},
    {rc::ZeroSamplesBelowEvents, {12020, ReportForm::RowAndItem}},
    {rc::SamplesBelowEvents, {12021, ReportForm::RowAndItem}},
    {rc::InvalidPrevalence1, {12022, ReportForm::Plain}},
    {rc::InvalidPrevalence2, {12023, ReportForm::Plain}},
    {rc::InvalidPower, {12024, ReportForm::Plain}},
    {rc::Prevalence2BelowPrevalence1, {12025, ReportForm::Plain}},
    {rc::InvalidSampleSize1, {12026, ReportForm::Plain}},
    {rc::InvalidSampleSize2, {12027, ReportForm::Plain}},
    {rc::InvalidSensitivity, {12028, ReportForm::Plain}},
    {rc::InvalidSpecificity, {12029, ReportForm::Plain}},
    {rc::InvalidAverage, {12030, ReportForm::Plain}},
    {rc::InvalidStandardDeviation, {12031, ReportForm::Plain}},
    {rc::InvalidPrevalence, {12032, ReportForm::Plain}},
    {rc::InvalidErrorProbability, {12033, ReportForm::Plain}},
    {rc::InvalidTestCombination, {12034, ReportForm::Plain}},
    {rc::InvalidHerdPrevalence, {12035, ReportForm::Plain}},
    {rc::InvalidHerdAverage, {12036, ReportForm::Plain}},
    {rc::InvalidHerdConfidenceLevel, {12037, ReportForm::Plain}},
    {rc::InputFileEmpty, {12038, ReportForm::Plain}},
    {rc::InvalidUnitsToSelect, {12039, ReportForm::Plain}},
    {rc::InvalidInputRecord, {12040, ReportForm::Row}},
    {rc::OutputWriteFailed, {12041, ReportForm::Plain}},
    {rc::InvalidUnitsToSelectBySize, {12042, ReportForm::Plain}},
    {rc::InputFileNoData, {12043, ReportForm::Plain}},
    {rc::InvalidInputRecordBySize, {12044, ReportForm::Row}},
    {rc::MoreUnitsThanRecords, {12045, ReportForm::Plain}},
    {rc::InputFileNotFound, {12046, ReportForm::Plain}},
    {rc::InvalidRelativeError, {12009, ReportForm::Plain}},
    {rc::TotalSizeBelowUnits, {12047, ReportForm::Plain}},
};
// clang-format on
}  // namespace

ResultCodeMessage MessageForResultCode(std::uint32_t code) {
  for (const CodeEntry& entry : kCodes) {
    if (entry.code == code) return entry.message;
  }
  return {kUnknownErrorText, ReportForm::Plain};
}

std::wstring ComposeErrorReport(const std::wstring& label, const std::wstring& form_title,
                                const std::wstring& message, ReportForm form, std::int32_t row,
                                std::int32_t item) {
  std::wstring prefix = label + L" " + form_title;
  if (prefix.size() > kErrorReportLength) prefix.resize(kErrorReportLength);
  std::wstring text = prefix + L"\r\n\r\n" + message;
  if (form != ReportForm::Plain && row >= 0) {
    text += L" " + std::to_wstring(row);
    if (form == ReportForm::RowAndItem && item >= 0) text += L", " + std::to_wstring(item);
  }
  if (text.size() > kErrorReportLength) text.resize(kErrorReportLength);
  return text;
}
