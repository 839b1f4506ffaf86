// What an all-negative simple random sample says about the prevalence: how
// many positives the population may still hold undetected, and how
// confident one can be that the prevalence is no greater than expected,
// each answered in a sentence beside its figure.
#include <cmath>
#include <cstdint>
#include <string>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "form_sentences.h"
#include "library_binding.h"
#include "maximum_prevalence_controls.h"
#include "table_form.h"
#include "tessara.h"

namespace maximum_prevalence {
namespace {

constexpr int kBadSampleSize = 11064;
constexpr int kBadPopulation = 11031;
constexpr int kBadSensitivity = 11105;
constexpr int kBadPrevalence = 11095;
constexpr int kPositivesText = 11148;
constexpr int kPrevalenceText = 11149;
constexpr int kNoteText = 11150;
constexpr int kConfidenceText = 11151;
// The sentences are loaded and filled in this many characters.
constexpr int kSentenceCapacity = 2048;

struct Inputs {
  std::int32_t sample_size = 0;
  std::int32_t population = 0;
  float sensitivity = 0;
  std::int32_t confidence_level = 0;
  float prevalence = 0;
};

// The form does not compare n with N: the library refuses a sample larger
// than its population.
bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadWholeInput(form, kSampleSizeEdit, kBadSampleSize, 1, &inputs->sample_size) &&
         ReadWholeInput(form, kPopulationEdit, kBadPopulation, 1, &inputs->population) &&
         ReadFractionInput(form, kSensitivityEdit, kBadSensitivity, FractionRange::UpToOne,
                           &inputs->sensitivity) &&
         ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadFractionInput(form, kPrevalenceEdit, kBadPrevalence, FractionRange::UpToOne,
                           &inputs->prevalence);
}

bool IsShowable(const MaximumPrevalence& out) {
  return out.positives >= 0 && out.prevalence >= 0 && std::isfinite(out.prevalence) &&
         out.confidence >= 0 && out.confidence <= 1;
}

// A fraction as a percentage with up to two decimals: 0.0937 is "9.37%",
// 0.1 is "10.%".
std::wstring Percent(float fraction) { return TrimmedNumber(fraction * 100.0, 3, 2) + L"%"; }

void Show(HWND form, int id, const std::wstring& text) { SetDlgItemTextW(form, id, text.c_str()); }

void ShowResults(HWND form, const Inputs& inputs, const MaximumPrevalence& out) {
  const std::wstring sensitivity = TrimmedNumber(inputs.sensitivity, 1, 4);
  Show(form, kPositivesSentence,
       FilledSentence(kPositivesText, kSentenceCapacity,
                      {WholeNumber(inputs.population), WholeNumber(inputs.sample_size), sensitivity,
                       WholeNumber(inputs.confidence_level)}));
  Show(form, kPrevalenceSentence, FilledSentence(kPrevalenceText, kSentenceCapacity, {}));
  Show(form, kNote, FilledSentence(kNoteText, kSentenceCapacity, {WholeNumber(out.positives)}));
  Show(form, kConfidenceSentence,
       FilledSentence(
           kConfidenceText, kSentenceCapacity,
           {WholeNumber(inputs.sample_size), sensitivity, TrimmedNumber(inputs.prevalence, 1, 4)}));
  SetIntegerResult(form, kPositivesResult, out.positives);
  Show(form, kPrevalenceResult, Percent(out.prevalence));
  Show(form, kConfidenceResult, Percent(out.confidence));
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  MaximumPrevalence out{};
  RunExport<decltype(&::DetectingEvent_MaximumPrevalence)>(
      kFormKind,
      [&](auto entry) {
        const std::uint32_t code = entry(inputs.sample_size, inputs.population, inputs.sensitivity,
                                         inputs.confidence_level, inputs.prevalence, &out);
        if (code == 0 && !IsShowable(out)) return LibraryAnswer{kUnexpectedFailureCode};
        return LibraryAnswer{code};
      },
      [&] { ShowResults(form, inputs, out); });
}

}  // namespace
}  // namespace maximum_prevalence

const TableForm kMaximumPrevalenceForm = {maximum_prevalence::kFormKind,
                                          &maximum_prevalence::kTable,
                                          maximum_prevalence::ReadAndRun, nullptr};
