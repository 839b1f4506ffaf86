// Confidence limits of an observed mean from a simple random sample of n out
// of N, with the finite population correction.
#include <cmath>
#include <cstdint>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "mean_interval_controls.h"
#include "table_form.h"
#include "tessara.h"

namespace mean_interval {
namespace {

constexpr int kBadMean = 11116;
constexpr int kBadDeviation = 11114;
constexpr int kBadSampleSize = 11064;
constexpr int kBadPopulation = 11031;

struct Inputs {
  float mean = 0;
  float deviation = 0;
  std::int32_t sample = 0;
  std::int32_t population = 0;
  std::int32_t confidence_level = 0;
};

// A sample larger than the population passes here: the library refuses it.
bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadPositiveInput(form, kMeanEdit, kBadMean, &inputs->mean) &&
         ReadPositiveInput(form, kDeviationEdit, kBadDeviation, &inputs->deviation) &&
         ReadWholeInput(form, kSampleEdit, kBadSampleSize, 1, &inputs->sample) &&
         ReadWholeInput(form, kPopulationEdit, kBadPopulation, 1, &inputs->population) &&
         ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level);
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  float limits[2] = {};
  RunExport<decltype(&::Estimating_ConfidenceInterval)>(
      kFormKind,
      [&](auto entry) {
        const ResultCode code = entry(inputs.mean, inputs.deviation, inputs.sample,
                                      inputs.population, inputs.confidence_level, limits);
        if (code == 0 && !(std::isfinite(limits[0]) && std::isfinite(limits[1]))) {
          return LibraryAnswer{kUnexpectedFailureCode};
        }
        return LibraryAnswer{code};
      },
      [&] {
        SetRealResult(form, kLowerResult, limits[0], 4);
        SetRealResult(form, kUpperResult, limits[1], 4);
      });
}

}  // namespace
}  // namespace mean_interval

const TableForm kMeanIntervalForm = {mean_interval::kFormKind, &mean_interval::kTable,
                                     mean_interval::ReadAndRun, nullptr};
