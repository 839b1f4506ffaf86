#include "error_report.h"

#include <windows.h>

#include "catalogue.h"
#include "error_report_text.h"
#include "string_ids.h"

namespace {
// The message part of the report is loaded into 1793 characters.
constexpr int kReportMessageCapacity = 1793;

std::wstring Load(int string_id, int capacity) {
  std::wstring text(static_cast<std::size_t>(capacity), L'\0');
  LoadText(string_id, &text[0], capacity);
  text.resize(wcslen(text.c_str()));
  return text;
}
}  // namespace

std::wstring ErrorReportText(int form_kind, std::uint32_t code, std::int32_t row,
                             std::int32_t item) {
  const ResultCodeMessage message = MessageForResultCode(code);
  return ComposeErrorReport(Load(IDS_LIBRARY_ERROR_PREFIX, kShortTextCapacity),
                            Load(IDS_FORM_TITLE_FIRST + form_kind, kShortTextCapacity),
                            Load(message.string_id, kReportMessageCapacity), message.form, row,
                            item);
}

void ShowErrorReport(int form_kind, std::uint32_t code, std::int32_t row, std::int32_t item) {
  const std::wstring text = ErrorReportText(form_kind, code, row, item);
  const std::wstring title = Load(IDS_LIBRARY_ERROR_TITLE, kShortTextCapacity);
  MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}
