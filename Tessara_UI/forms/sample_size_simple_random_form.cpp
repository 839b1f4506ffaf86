// Sample size to estimate a prevalence by simple random sampling, for the
// user's population and, as a ready reckoner, for fifteen fixed populations
// and an infinite one.
#include <cstdint>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "sample_size_simple_random_controls.h"
#include "table_form.h"
#include "tessara.h"

namespace sample_size_simple_random {
namespace {

constexpr int kBadPrevalence = 11028;
constexpr int kBadRelativeError = 11029;
constexpr int kBadPopulation = 11031;

struct Inputs {
  float prevalence = 0;
  float relative_error = 0;
  std::int32_t confidence_level = 0;
  std::int32_t population = 0;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadFractionInput(form, kPrevalenceEdit, kBadPrevalence, FractionRange::BelowOne,
                           &inputs->prevalence) &&
         ReadFractionInput(form, kErrorEdit, kBadRelativeError, FractionRange::BelowOne,
                           &inputs->relative_error) &&
         ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadWholeInput(form, kPopulationEdit, kBadPopulation, 1, &inputs->population);
}

void ShowResults(HWND form, const std::int32_t (&sizes)[kResultCount]) {
  for (int k = 0; k < kResultCount; ++k) SetIntegerResult(form, kFirstResult + k, sizes[k]);
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  std::int32_t sizes[kResultCount] = {};
  RunExport<decltype(&::SampleSize_SimpleRandom)>(
      kFormKind,
      [&](auto entry) {
        return LibraryAnswer{entry(inputs.prevalence, inputs.relative_error,
                                   inputs.confidence_level, inputs.population, sizes)};
      },
      [&] { ShowResults(form, sizes); });
}

}  // namespace
}  // namespace sample_size_simple_random

const TableForm kSampleSizeSimpleRandomForm = {sample_size_simple_random::kFormKind,
                                               &sample_size_simple_random::kTable,
                                               sample_size_simple_random::ReadAndRun, nullptr};
