// A form's inputs and results as a small report: the form's title, the date,
// then each group of the form (its caption) with its lines, each line the
// labels and values that stand side by side on the form; blocks that a line
// drawn down the group parts are read one after the other. Composed from the
// form's control table and the texts its controls show, so every form has
// its report without code of its own; written as tab-separated text (the
// clipboard, a .txt file, the printer) or as CSV with the user's list
// separator. Plain C++ without <windows.h>.
#pragma once

#include <string>
#include <vector>

#include "form_table.h"

// A control of the form and the text it shows now (for a list, the text of
// its selected item).
struct ShownControl {
  PlacedControl control;
  std::wstring text;
};

using ReportLine = std::vector<std::wstring>;

struct FormReport {
  std::wstring title;
  std::wstring date;
  // The groups in the order the form shows them; a caption line opens each.
  std::vector<ReportLine> lines;
};

FormReport ComposeReport(const std::wstring& title, const std::wstring& date,
                         const std::vector<ShownControl>& shown);

// Cells joined by tabs, lines by CR LF; a blank line between the heading
// and the groups and between groups.
std::wstring ReportAsText(const FormReport& report);

// Cells as CSV fields joined by the separator, quoted where they hold the
// separator, a quote or a line break.
std::wstring ReportAsCsv(const FormReport& report, const std::wstring& separator);
