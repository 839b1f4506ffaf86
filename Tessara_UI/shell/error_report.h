// The message box that tells the user the library refused a run: it names
// the form and shows the ResultCode's message from the catalogue, in the
// user's language.
#pragma once

#include <cstdint>
#include <string>

// The report's text for the form of form_kind (composition only).
std::wstring ErrorReportText(int form_kind, std::uint32_t code, std::int32_t row,
                             std::int32_t item);

// Shows the report, without owner, and returns when the user closed it.
void ShowErrorReport(int form_kind, std::uint32_t code, std::int32_t row, std::int32_t item);
