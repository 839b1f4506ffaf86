// Confidence interval of a prevalence from a simple random sample, two
// calculators side by side: from the observed proportion (left) and from
// the number of positive cases (right), each with its own Run.
#include <cstdint>

#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "interval_simple_random_controls.h"
#include "library_binding.h"
#include "report_commands.h"
#include "table_form.h"
#include "tessara.h"

namespace interval_simple_random {
namespace {

constexpr int kBadPopulation = 11031;
constexpr int kBadSample = 11064;
constexpr int kBadProportion = 11065;
constexpr int kBadPositives = 11066;

constexpr char kPositiveCasesExport[] = "ConfidenceInterval_SimpleRandom_PositiveCases";

struct ProportionInputs {
  float proportion = 0;
  std::int32_t sample = 0;
  std::int32_t population = 0;
  std::int32_t confidence_level = 0;
};

struct PositiveCasesInputs {
  std::int32_t positives = 0;
  std::int32_t sample = 0;
  std::int32_t population = 0;
  std::int32_t confidence_level = 0;
};

bool ReadProportionInputs(HWND form, ProportionInputs* inputs) {
  return ReadFractionInput(form, kProportionEdit, kBadProportion, FractionRange::BelowOne,
                           &inputs->proportion) &&
         ReadWholeInput(form, kLeftSampleEdit, kBadSample, 1, &inputs->sample) &&
         ReadWholeInput(form, kLeftPopulationEdit, kBadPopulation, 1, &inputs->population) &&
         ReadConfidenceInput(form, kLeftConfidenceList, &inputs->confidence_level);
}

bool ReadPositiveCasesInputs(HWND form, PositiveCasesInputs* inputs) {
  return ReadWholeInput(form, kPositivesEdit, kBadPositives, 1, &inputs->positives) &&
         ReadWholeInput(form, kRightSampleEdit, kBadSample, 1, &inputs->sample) &&
         ReadWholeInput(form, kRightPopulationEdit, kBadPopulation, 1, &inputs->population) &&
         ReadConfidenceInput(form, kRightConfidenceList, &inputs->confidence_level);
}

void RunFromProportion(HWND form) {
  ProportionInputs in;
  if (!ReadProportionInputs(form, &in)) return;
  float limits[2] = {};
  RunExport<decltype(&::ConfidenceInterval_SimpleRandom_Proportion)>(
      kFormKind,
      [&](auto entry) {
        return LibraryAnswer{
            entry(in.proportion, in.sample, in.population, in.confidence_level, limits)};
      },
      [&] {
        SetRealResult(form, kLeftLowerResult, limits[0], 4);
        SetRealResult(form, kLeftUpperResult, limits[1], 4);
      });
}

void RunFromPositiveCases(HWND form) {
  PositiveCasesInputs in;
  if (!ReadPositiveCasesInputs(form, &in)) return;
  float interval[3] = {};
  RunExport<decltype(&::ConfidenceInterval_SimpleRandom_PositiveCases)>(
      kFormKind, kPositiveCasesExport,
      [&](auto entry) {
        return LibraryAnswer{
            entry(in.positives, in.sample, in.population, in.confidence_level, interval)};
      },
      [&] {
        SetRealResult(form, kRightLowerResult, interval[1], 4);
        SetRealResult(form, kRightPrevalenceResult, interval[0], 4);
        SetRealResult(form, kRightUpperResult, interval[2], 4);
        // Run from its own button too, where the framework does not see it.
        SetResultsCurrent(form, true);
      });
}

// The left Run button and Ctrl+R run the calculator from the proportion:
// the accelerator always runs the left side, wherever the focus is.
void ReadAndRun(HWND form) { RunFromProportion(form); }

// Enter runs the calculator the user is typing in: the right one's Run
// while the focus is on its side, the left one's otherwise.
int EnterButton(HWND form) {
  HWND focus = GetFocus();
  const bool right = focus != nullptr && IsChild(form, focus) && IsRightSide(GetDlgCtrlID(focus));
  return right ? kRightRunButton : kLeftRunButton;
}

bool MoreCommands(HWND form, WORD command, WORD /*notification*/) {
  if (command != kRightRunButton) return false;
  RunFromPositiveCases(form);
  return true;
}

}  // namespace
}  // namespace interval_simple_random

const TableForm kIntervalSimpleRandomForm = {interval_simple_random::kFormKind,
                                             &interval_simple_random::kTable,
                                             interval_simple_random::ReadAndRun,
                                             interval_simple_random::MoreCommands,
                                             interval_simple_random::EnterButton};
