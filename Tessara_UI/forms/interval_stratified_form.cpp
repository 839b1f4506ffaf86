// Confidence interval of a prevalence from a stratified random sample: the
// size weighted prevalence of two to five strata and its limits.
#include <cstdint>

#include "edit_readers.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "input_ranges.h"
#include "interval_stratified_controls.h"
#include "library_binding.h"
#include "strata_inputs.h"
#include "table_form.h"
#include "tessara.h"

namespace interval_stratified {
namespace {

constexpr int kBadProportion = 11065;
constexpr int kBadPopulation = 11074;
constexpr int kBadSample = 11075;

constexpr StrataGrid kGrid = {kStratumCount, 2, kEditsPerStratum,
                              {kFirstPopulationEdit, kFirstSampleEdit, kFirstProportionEdit},
                              kEditsPerStratum};

// Strata that are not given go to the library as zeros.
struct Inputs {
  std::int32_t confidence_level = 0;
  std::int32_t populations[kStratumCount] = {};
  std::int32_t samples[kStratumCount] = {};
  float proportions[kStratumCount] = {};
};

// The proportion of a stratum's sample with the event: any fraction from 0
// (no positives in the stratum, an ordinary outcome) to 1.
bool ReadProportion(HWND form, int row, float* proportion) {
  double value = 0;
  if (!ReadRealNumber(form, ProportionEdit(row), &value) ||
      !(IsZeroForForms(value) || (value >= 0.0 && value <= 1.0))) {
    ShowInputMessage(form, kBadProportion, ProportionEdit(row));
    return false;
  }
  *proportion = IsZeroForForms(value) ? 0.0f : static_cast<float>(value);
  return true;
}

bool ReadStratum(HWND form, int row, Inputs* inputs) {
  return ReadWholeInput(form, PopulationEdit(row), kBadPopulation, 1, &inputs->populations[row]) &&
         ReadWholeInput(form, SampleEdit(row), kBadSample, 1, &inputs->samples[row]) &&
         ReadProportion(form, row, &inputs->proportions[row]);
}

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadStratum(form, 0, inputs) && ReadStratum(form, 1, inputs) &&
         ReadOptionalStrata(
             form, kGrid, kBadPopulation, [&](int row) { return ReadStratum(form, row, inputs); });
}

void ReadAndRun(HWND form) {
  Inputs in;
  if (!ReadInputs(form, &in)) return;
  float interval[3] = {};
  RunExport<decltype(&::ConfidenceInterval_Stratified)>(
      kFormKind,
      [&](auto entry) {
        return LibraryAnswer{entry(in.confidence_level, in.populations[0], in.samples[0],
                                   in.proportions[0], in.populations[1], in.samples[1],
                                   in.proportions[1], in.populations[2], in.samples[2],
                                   in.proportions[2], in.populations[3], in.samples[3],
                                   in.proportions[3], in.populations[4], in.samples[4],
                                   in.proportions[4], interval)};
      },
      [&] {
        SetRealResult(form, kLowerResult, interval[1], 4);
        SetRealResult(form, kPrevalenceResult, interval[0], 4);
        SetRealResult(form, kUpperResult, interval[2], 4);
      });
}

}  // namespace
}  // namespace interval_stratified

const TableForm kIntervalStratifiedForm = {interval_stratified::kFormKind,
                                           &interval_stratified::kTable,
                                           interval_stratified::ReadAndRun, nullptr};
