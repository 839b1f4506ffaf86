// Individuals to sample in each of two populations to detect the difference
// between two expected prevalences, for a level of confidence and a power:
// for a two-sided and for a one-sided test (Fleiss, with the correction for
// continuity; the sizes come from the library).
#include <cstdint>

#include "comparison_sample_size_controls.h"
#include "edit_readers.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "table_form.h"
#include "tessara.h"

namespace comparison_sample_size {
namespace {

constexpr int kBadPrevalence = 11028;
constexpr int kBadPower = 11089;
constexpr int kPrevalencesInWrongOrder = 12025;

struct Inputs {
  float p1 = 0;
  float p2 = 0;
  std::int32_t confidence_level = 0;
  std::int32_t power = 0;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  if (!ReadFractionInput(form, kPrevalence1Edit, kBadPrevalence, FractionRange::UpToOne,
                         &inputs->p1) ||
      !ReadFractionInput(form, kPrevalence2Edit, kBadPrevalence, FractionRange::UpToOne,
                         &inputs->p2) ||
      !ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) ||
      !ReadListInput(form, kPowerList, kBadPower, &inputs->power)) {
    return false;
  }
  // Prevalence 1 is the lower one; equal prevalences pass here and the
  // library answers for them.
  if (inputs->p2 < inputs->p1) {
    ShowInputMessage(form, kPrevalencesInWrongOrder, kPrevalence1Edit);
    return false;
  }
  return true;
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  std::int32_t sizes[2] = {};
  RunExport<decltype(&::Comparison_SampleSize)>(
      kFormKind,
      [&](auto entry) {
        const ResultCode code =
            entry(inputs.p1, inputs.p2, inputs.confidence_level, inputs.power, sizes);
        // A size is a count of individuals, at least one.
        if (code == 0 && (sizes[0] < 1 || sizes[1] < 1)) {
          return LibraryAnswer{kUnexpectedFailureCode};
        }
        return LibraryAnswer{code};
      },
      [&] {
        SetIntegerResult(form, kTwoSidedResult, sizes[0]);
        SetIntegerResult(form, kOneSidedResult, sizes[1]);
      });
}

}  // namespace
}  // namespace comparison_sample_size

const TableForm kComparisonSampleSizeForm = {comparison_sample_size::kFormKind,
                                             &comparison_sample_size::kTable,
                                             comparison_sample_size::ReadAndRun, nullptr};
