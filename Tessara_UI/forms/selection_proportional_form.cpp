// Selection with probability proportional to size: units of a list with
// their numbers of animals drawn by systematic sampling along the cumulated
// sizes, into an output file that gets a header with the totals and opens
// in the system's text editor.
#include "form_definitions.h"
#include "selection_controls.h"
#include "selection_form.h"
#include "table_form.h"

namespace selection_proportional {
namespace {
void ReadAndRun(HWND form) { selection::ReadAndRun(form, selection::Method::Proportional); }
}  // namespace
}  // namespace selection_proportional

const TableForm kSelectionProportionalForm = {selection_proportional::kFormKind,
                                              &selection_proportional::kTable,
                                              selection_proportional::ReadAndRun,
                                              selection::HandleBrowseCommand};
