// The text of the report that the program shows when the library answers a
// run with a non-zero ResultCode. Composition only; showing it is the
// caller's.
#pragma once
#include <cstdint>
#include <string>

// How the report of a code ends: with nothing, the bad row, or the bad row
// and item of an input file.
enum class ReportForm { Plain, Row, RowAndItem };

struct ResultCodeMessage {
  int string_id;
  ReportForm form;
};

// The catalogue message of a ResultCode. Codes no export returns keep their
// own message; anything outside the table (0x60000000 included) gets the
// unknown-error text 12000.
ResultCodeMessage MessageForResultCode(std::uint32_t code);

// The report's longest text, in characters.
inline constexpr std::size_t kErrorReportLength = 255;

// "<label> <form title>\r\n\r\n<message>[ row[, item]]", cut to 255
// characters. The label is the catalogue's "Error in function:". Row and
// item are appended only when not negative, the item only after a row.
std::wstring ComposeErrorReport(const std::wstring& label, const std::wstring& form_title,
                                const std::wstring& message, ReportForm form, std::int32_t row,
                                std::int32_t item);
