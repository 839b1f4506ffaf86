// Sample size to estimate a population mean within an absolute precision by
// simple random sampling, for the user's population and, as a ready
// reckoner, for fifteen fixed populations and an infinite one.
#include <cstdint>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "mean_sample_size_controls.h"
#include "table_form.h"
#include "tessara.h"

namespace mean_sample_size {
namespace {

constexpr int kBadPrecision = 11113;
constexpr int kBadDeviation = 11114;
constexpr int kBadPopulation = 11031;

// The library's 17 sizes: the fixed populations (0 to 14), an infinite one
// (15), the user's (16).
constexpr int kSizeCount = 17;
constexpr int kUserSize = 16;

struct Inputs {
  float precision = 0;
  std::int32_t confidence_level = 0;
  float deviation = 0;
  std::int32_t population = 0;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadPositiveInput(form, kPrecisionEdit, kBadPrecision, &inputs->precision) &&
         ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadPositiveInput(form, kDeviationEdit, kBadDeviation, &inputs->deviation) &&
         ReadWholeInput(form, kPopulationEdit, kBadPopulation, 1, &inputs->population);
}

bool AllCounts(const std::int32_t (&sizes)[kSizeCount]) {
  for (std::int32_t size : sizes) {
    if (size < 0) return false;
  }
  return true;
}

void ShowResults(HWND form, const std::int32_t (&sizes)[kSizeCount]) {
  SetIntegerResult(form, kUserResult, sizes[kUserSize]);
  for (int k = 0; k < kTableRowCount; ++k) SetIntegerResult(form, kFirstTableResult + k, sizes[k]);
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  std::int32_t sizes[kSizeCount] = {};
  RunExport<decltype(&::Estimating_SampleSize)>(
      kFormKind,
      [&](auto entry) {
        const ResultCode code = entry(inputs.precision, inputs.confidence_level,
                                      inputs.deviation, inputs.population, sizes);
        if (code == 0 && !AllCounts(sizes)) return LibraryAnswer{kUnexpectedFailureCode};
        return LibraryAnswer{code};
      },
      [&] { ShowResults(form, sizes); });
}

}  // namespace
}  // namespace mean_sample_size

const TableForm kMeanSampleSizeForm = {mean_sample_size::kFormKind, &mean_sample_size::kTable,
                                       mean_sample_size::ReadAndRun, nullptr};
