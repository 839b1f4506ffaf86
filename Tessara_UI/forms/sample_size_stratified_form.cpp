// Sample size of a stratified random sample with optimum allocation: the
// population's expected prevalence, the total sample and each stratum's
// share, for two to five strata.
#include <cstdint>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "sample_size_stratified_controls.h"
#include "strata_inputs.h"
#include "table_form.h"
#include "tessara.h"

namespace sample_size_stratified {
namespace {

constexpr int kBadRelativeError = 11029;
constexpr int kBadSize = 11045;
constexpr int kBadPrevalence = 11028;

constexpr StrataGrid kGrid = {kStratumCount, 2, 2, {kFirstSizeEdit, kFirstPrevalenceEdit}, 1};

// Strata that are not given go to the library as size 0 and prevalence 0.
struct Inputs {
  std::int32_t confidence_level = 0;
  float relative_error = 0;
  std::int32_t sizes[kStratumCount] = {};
  float prevalences[kStratumCount] = {};
};

bool ReadStratum(HWND form, int row, Inputs* inputs) {
  return ReadWholeInput(form, StratumEdit(kGrid, row, 0), kBadSize, 1, &inputs->sizes[row]) &&
         ReadFractionInput(form, StratumEdit(kGrid, row, 1), kBadPrevalence,
                           FractionRange::UpToOne, &inputs->prevalences[row]);
}

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadFractionInput(form, kErrorEdit, kBadRelativeError, FractionRange::BelowOne,
                           &inputs->relative_error) &&
         ReadStratum(form, 0, inputs) && ReadStratum(form, 1, inputs) &&
         ReadOptionalStrata(
             form, kGrid, kBadSize, [&](int row) { return ReadStratum(form, row, inputs); });
}

void ShowResults(HWND form, const StratifiedSampleSizes& sizes) {
  SetRealResult(form, kPopulationPrevalenceResult, sizes.prevalence, 4);
  SetIntegerResult(form, kTotalResult, sizes.total);
  for (int row = 0; row < kStratumCount; ++row)
    SetIntegerResult(form, kFirstStratumResult + row, sizes.strata[row]);
}

void ReadAndRun(HWND form) {
  Inputs in;
  if (!ReadInputs(form, &in)) return;
  StratifiedSampleSizes sizes = {};
  RunExport<decltype(&::SampleSize_Stratified)>(
      kFormKind,
      [&](auto entry) {
        return LibraryAnswer{entry(in.confidence_level, in.relative_error, in.sizes[0],
                                   in.prevalences[0], in.sizes[1], in.prevalences[1], in.sizes[2],
                                   in.prevalences[2], in.sizes[3], in.prevalences[3], in.sizes[4],
                                   in.prevalences[4], &sizes)};
      },
      [&] { ShowResults(form, sizes); });
}

}  // namespace
}  // namespace sample_size_stratified

const TableForm kSampleSizeStratifiedForm = {sample_size_stratified::kFormKind,
                                             &sample_size_stratified::kTable,
                                             sample_size_stratified::ReadAndRun, nullptr};
