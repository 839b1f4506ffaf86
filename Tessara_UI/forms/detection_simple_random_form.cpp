// Sample size to detect disease by simple random sampling: the animals to
// test so that at least one positive is found with the given confidence
// when the prevalence is at least the minimum expected, with one diagnostic
// test or two read together; the false positives such a sample may give,
// and a ready reckoner of sizes for fixed populations and prevalences.
#include <cmath>
#include <cstdint>

#include "detection_simple_random_controls.h"
#include "diagnostic_method_inputs.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "table_form.h"
#include "tessara.h"

namespace detection_simple_random {
namespace {

constexpr int kBadPrevalence = 11028;
constexpr int kBadPopulation = 11031;
constexpr int kBadErrorProbability = 11117;

constexpr DiagnosticMethodControls kMethodControls = {kSensitivity1Edit, kSpecificity1Edit,
                                                      kSensitivity2Edit, kSpecificity2Edit,
                                                      kInterpretationList};

struct Inputs {
  float prevalence = 0;
  std::int32_t population = 0;
  std::int32_t confidence_level = 0;
  float beta = 0;
  DiagnosticMethod method;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadFractionInput(form, kPrevalenceEdit, kBadPrevalence, FractionRange::UpToOne,
                           &inputs->prevalence) &&
         ReadWholeInput(form, kPopulationEdit, kBadPopulation, 1, &inputs->population) &&
         ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadFractionInput(form, kBetaEdit, kBadErrorProbability, FractionRange::UpToOne,
                           &inputs->beta) &&
         ReadDiagnosticMethod(form, kMethodControls, &inputs->method);
}

// What the form shows must be counts and probabilities: a result outside
// them is reported as the library's failure rather than shown.
bool IsShowable(const DetectionSampleSize& out) {
  if (out.sample_size < 0 || out.false_positives < 0) return false;
  if (!(out.sensitivity >= 0 && out.sensitivity <= 1)) return false;
  if (!(out.specificity >= 0 && out.specificity <= 1)) return false;
  for (const auto& row : out.table)
    for (float size : row)
      if (!(size >= 0 && std::isfinite(size))) return false;
  return true;
}

void ShowResults(HWND form, const DetectionSampleSize& out) {
  SetRealResult(form, kSensitivityResult, out.sensitivity, 4);
  SetRealResult(form, kSpecificityResult, out.specificity, 4);
  SetIntegerResult(form, kSampleSizeResult, out.sample_size);
  for (int row = 0; row < kTableRows; ++row)
    for (int column = 0; column < kTableColumns; ++column)
      SetRealResult(form, TableCell(row, column), out.table[row][column], 0);
  SetIntegerResult(form, kFalsePositiveResult, out.false_positives);
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  DetectionSampleSize out{};
  const DiagnosticMethod& tests = inputs.method;
  RunExport<decltype(&::DetectingEvent_SampleSize_SimpleRandom)>(
      kFormKind,
      [&](auto entry) {
        const std::uint32_t code =
            entry(inputs.prevalence, inputs.population, inputs.confidence_level, tests.sensitivity1,
                  tests.specificity1, tests.sensitivity2, tests.specificity2, &out, inputs.beta,
                  tests.interpretation);
        if (code == 0 && !IsShowable(out)) return LibraryAnswer{kUnexpectedFailureCode};
        return LibraryAnswer{code};
      },
      [&] { ShowResults(form, out); });
}

}  // namespace
}  // namespace detection_simple_random

const TableForm kDetectionSimpleRandomForm = {detection_simple_random::kFormKind,
                                              &detection_simple_random::kTable,
                                              detection_simple_random::ReadAndRun, nullptr};
