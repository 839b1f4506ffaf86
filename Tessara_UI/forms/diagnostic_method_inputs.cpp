#include "diagnostic_method_inputs.h"

#include "edit_readers.h"
#include "form_inputs.h"
#include "list_fillers.h"

namespace {
constexpr int kBadSensitivity = 11105;
constexpr int kBadSpecificity = 11106;
constexpr int kNoCombination = 11118;

// The interpretation list's empty item (data 0) is no choice either.
bool ReadInterpretation(HWND form, int list, std::int32_t* interpretation) {
  const int selected = ReadListSelection(form, list);
  if (selected < 1) {
    ShowInputMessage(form, kNoCombination, list);
    return false;
  }
  *interpretation = selected;
  return true;
}
}  // namespace

bool ReadDiagnosticMethod(HWND form, const DiagnosticMethodControls& controls,
                          DiagnosticMethod* method) {
  if (!ReadFractionInput(form, controls.sensitivity1, kBadSensitivity, FractionRange::UpToOne,
                         &method->sensitivity1) ||
      !ReadFractionInput(form, controls.specificity1, kBadSpecificity, FractionRange::UpToOne,
                         &method->specificity1))
    return false;
  if (!HasText(form, controls.sensitivity2) && !HasText(form, controls.specificity2)) {
    method->sensitivity2 = 0;
    method->specificity2 = 0;
    method->interpretation = 0;
    return true;
  }
  return ReadFractionInput(form, controls.sensitivity2, kBadSensitivity, FractionRange::UpToOne,
                           &method->sensitivity2) &&
         ReadFractionInput(form, controls.specificity2, kBadSpecificity, FractionRange::UpToOne,
                           &method->specificity2) &&
         ReadInterpretation(form, controls.interpretation, &method->interpretation);
}
