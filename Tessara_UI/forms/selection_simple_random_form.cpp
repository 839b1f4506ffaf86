// Simple random selection: units drawn at random, without replacement, from
// a list file into an output file that gets a header of counts and opens in
// the system's text editor.
#include "form_definitions.h"
#include "selection_controls.h"
#include "selection_form.h"
#include "table_form.h"

namespace selection_simple_random {
namespace {
void ReadAndRun(HWND form) { selection::ReadAndRun(form, selection::Method::SimpleRandom); }
}  // namespace
}  // namespace selection_simple_random

const TableForm kSelectionSimpleRandomForm = {selection_simple_random::kFormKind,
                                              &selection_simple_random::kTable,
                                              selection_simple_random::ReadAndRun,
                                              selection::HandleBrowseCommand};
