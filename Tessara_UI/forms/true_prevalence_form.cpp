// True prevalence from the apparent prevalence of an imperfect test and the
// test's sensitivity and specificity (the Rogan-Gladen estimator), with a
// note when the inputs contradict each other.
#include <cmath>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "result_codes.h"
#include "table_form.h"
#include "tessara.h"
#include "true_prevalence_controls.h"

namespace true_prevalence {
namespace {

constexpr int kBadApparentPrevalence = 11104;
constexpr int kBadSensitivity = 11105;
constexpr int kBadSpecificity = 11106;
// A true prevalence below 0, or above 1, is impossible: the apparent
// prevalence lies outside what a test of this sensitivity and specificity
// can show (below 1 - Sp, or above Se).
constexpr int kNegativeNote = 11103;
constexpr int kAboveOneNote = 11173;

struct Inputs {
  float apparent = 0;
  float sensitivity = 0;
  float specificity = 0;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadFractionInput(form, kApparentEdit, kBadApparentPrevalence, FractionRange::UpToOne,
                           &inputs->apparent) &&
         ReadFractionInput(form, kSensitivityEdit, kBadSensitivity, FractionRange::UpToOne,
                           &inputs->sensitivity) &&
         ReadFractionInput(form, kSpecificityEdit, kBadSpecificity, FractionRange::UpToOne,
                           &inputs->specificity);
}

void ShowResults(HWND form, const TruePrevalence& result) {
  SetRealResult(form, kTrueResult, result.tp, 4);
  if (result.negative != 0) {
    SetCatalogueResult(form, kNote, kNegativeNote);
  } else if (result.tp > 1.0f) {
    SetCatalogueResult(form, kNote, kAboveOneNote);
  } else {
    ClearResult(form, kNote);
  }
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  TruePrevalence result{};
  RunExport<decltype(&::True_Prevelance)>(
      kFormKind,
      [&](auto entry) {
        const ResultCode code =
            entry(inputs.apparent, inputs.sensitivity, inputs.specificity, &result);
        // Se + Sp = 1 describes a test that tells nothing, and the quotient
        // has no value (an infinity, or NaN): that is the specificity's
        // fault, as the library itself reports it.
        if (code == rc::Success && !std::isfinite(result.tp)) {
          return LibraryAnswer{rc::InvalidSpecificity};
        }
        return LibraryAnswer{code};
      },
      [&] { ShowResults(form, result); });
}

}  // namespace
}  // namespace true_prevalence

const TableForm kTruePrevalenceForm = {true_prevalence::kFormKind, &true_prevalence::kTable,
                                       true_prevalence::ReadAndRun, nullptr};
