// Sample size to detect disease in a population of herds by two-stage
// sampling: the herds to sample and the animals to test in each, with one
// diagnostic test or two read together; the animals per herd for fixed herd
// sizes, and the false positives to expect per herd and in the whole sample.
#include <cmath>
#include <cstdint>

#include "detection_two_stages_controls.h"
#include "diagnostic_method_inputs.h"
#include "edit_readers.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "form_sentences.h"
#include "input_ranges.h"
#include "library_binding.h"
#include "table_form.h"
#include "tessara.h"

namespace detection_two_stages {
namespace {

constexpr int kBadPrevalence = 11028;
constexpr int kBadHerds = 11031;
constexpr int kBadErrorProbability = 11117;
constexpr int kBadHerdAverage = 11156;
constexpr int kBadHerdConfidence = 11208;
constexpr int kTypeTwoErrorLine = 11140;
constexpr int kPerHerdText = 11141;
constexpr int kSampleText = 11144;
// The sentences are loaded and filled in this many characters.
constexpr int kSentenceCapacity = 255;

constexpr DiagnosticMethodControls kMethodControls = {kSensitivity1Edit, kSpecificity1Edit,
                                                      kSensitivity2Edit, kSpecificity2Edit,
                                                      kInterpretationList};

struct Inputs {
  std::int32_t confidence_level = 0;
  float beta = 0;
  float herd_prevalence = 0;
  std::int32_t herds = 0;
  float animal_prevalence = 0;
  float herd_size = 0;
  std::int32_t herd_confidence = 0;  // percent
  DiagnosticMethod method;
};

// The herd-level confidence is typed as a fraction and passed as the
// nearest whole percent of the number as typed: 0.954 is 95, 0.957 is 96.
bool ReadHerdConfidence(HWND form, std::int32_t* percent) {
  double fraction = 0;
  if (!ReadRealNumber(form, kHerdConfidenceEdit, &fraction) || !IsFractionUpToOne(fraction)) {
    ShowInputMessage(form, kBadHerdConfidence, kHerdConfidenceEdit);
    return false;
  }
  *percent = static_cast<std::int32_t>(std::floor(fraction * 100 + 0.5));
  return true;
}

bool ReadInputs(HWND form, Inputs* inputs) {
  std::int32_t herd_size = 0;
  if (!ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) ||
      !ReadFractionInput(form, kBetaEdit, kBadErrorProbability, FractionRange::UpToOne,
                         &inputs->beta) ||
      !ReadFractionInput(form, kHerdPrevalenceEdit, kBadPrevalence, FractionRange::UpToOne,
                         &inputs->herd_prevalence) ||
      !ReadWholeInput(form, kHerdsEdit, kBadHerds, 1, &inputs->herds) ||
      !ReadFractionInput(form, kAnimalPrevalenceEdit, kBadPrevalence, FractionRange::UpToOne,
                         &inputs->animal_prevalence) ||
      !ReadWholeInput(form, kHerdSizeEdit, kBadHerdAverage, 1, &herd_size) ||
      !ReadHerdConfidence(form, &inputs->herd_confidence))
    return false;
  inputs->herd_size = static_cast<float>(herd_size);
  return ReadDiagnosticMethod(form, kMethodControls, &inputs->method);
}

bool IsShowable(const TwoStageDetection& out) {
  if (!(out.sensitivity >= 0 && out.sensitivity <= 1)) return false;
  if (!(out.specificity >= 0 && out.specificity <= 1)) return false;
  if (out.herds < 0 || out.animals_per_herd < 0 || out.samples < 0 ||
      out.false_positives_per_herd < 0 || out.false_positives_in_sample < 0)
    return false;
  for (std::int32_t animals : out.animals_per_herd_table)
    if (animals < 0) return false;
  return true;
}

// The false-positive block: the type II error of this run, and the two
// sentences with their counts.
void ShowFalsePositives(HWND form, const TwoStageDetection& out) {
  double beta = 0;
  if (!ReadRealNumber(form, kBetaEdit, &beta) || IsZeroForForms(beta) || beta < 0) return;
  SetDlgItemTextW(
      form, kBetaLine,
      FilledSentence(kTypeTwoErrorLine, kSentenceCapacity, {TrimmedNumber(beta, 1, 4)}).c_str());
  SetDlgItemTextW(
      form, kPerHerdSentence,
      FilledSentence(kPerHerdText, kSentenceCapacity,
                     {WholeNumber(out.animals_per_herd), TrimmedNumber(out.specificity, 1, 4)})
          .c_str());
  SetDlgItemTextW(
      form, kSampleSentence,
      FilledSentence(kSampleText, kSentenceCapacity, {WholeNumber(out.samples)}).c_str());
  SetIntegerResult(form, kPerHerdResult, out.false_positives_per_herd);
  SetIntegerResult(form, kSampleResult, out.false_positives_in_sample);
}

void ShowResults(HWND form, const TwoStageDetection& out) {
  SetRealResult(form, kSensitivityResult, out.sensitivity, 4);
  SetRealResult(form, kSpecificityResult, out.specificity, 4);
  SetIntegerResult(form, kHerdsResult, out.herds);
  SetIntegerResult(form, kAnimalsResult, out.animals_per_herd);
  SetIntegerResult(form, kTotalResult, out.samples);
  for (int row = 0; row < kTableRows; ++row)
    SetIntegerResult(form, kFirstTableResult + row, out.animals_per_herd_table[row]);
  ShowFalsePositives(form, out);
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  TwoStageDetection out{};
  const DiagnosticMethod& tests = inputs.method;
  RunExport<decltype(&::DetectingEvent_SampleSize_TwoStages)>(
      kFormKind,
      [&](auto entry) {
        const std::uint32_t code = entry(
            inputs.confidence_level, inputs.herd_prevalence, inputs.herds, inputs.animal_prevalence,
            inputs.herd_size, inputs.herd_confidence, tests.sensitivity1, tests.specificity1,
            tests.sensitivity2, tests.specificity2, &out, inputs.beta, tests.interpretation);
        if (code == 0 && !IsShowable(out)) return LibraryAnswer{kUnexpectedFailureCode};
        return LibraryAnswer{code};
      },
      [&] { ShowResults(form, out); });
}

}  // namespace
}  // namespace detection_two_stages

const TableForm kDetectionTwoStagesForm = {detection_two_stages::kFormKind,
                                           &detection_two_stages::kTable,
                                           detection_two_stages::ReadAndRun, nullptr};
