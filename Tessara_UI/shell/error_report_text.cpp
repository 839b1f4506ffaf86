#include "error_report_text.h"

namespace {
constexpr std::uint32_t kFirstCode = 0x60000000;
constexpr std::uint32_t kLastCode = 0x6000002E;
constexpr int kUnknownErrorText = 12000;

// Messages follow the codes one StringId ahead from 0x60000005 on; the
// first codes and two late additions have their own.
int MessageStringId(std::uint32_t number) {
  switch (number) {
    case 0x00: return kUnknownErrorText;
    case 0x01: return 12001;
    case 0x02: return 12002;
    case 0x03: return 12004;
    case 0x04: return 12005;
    case 0x08: return 12003;
    case 0x2E: return 12009;
    default: return 12000 + static_cast<int>(number) + 1;
  }
}

ReportForm FormOfCode(std::uint32_t code) {
  switch (code) {
    case 0x60000012:
    case 0x60000027:
    case 0x6000002B: return ReportForm::Row;
    case 0x60000013:
    case 0x60000014: return ReportForm::RowAndItem;
    default: return ReportForm::Plain;
  }
}
}  // namespace

ResultCodeMessage MessageForResultCode(std::uint32_t code) {
  if (code < kFirstCode || code > kLastCode) return {kUnknownErrorText, ReportForm::Plain};
  return {MessageStringId(code - kFirstCode), FormOfCode(code)};
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
