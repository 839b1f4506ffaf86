// Confidence limits of the difference between two observed prevalences at
// the 90, 95 and 99 % levels (normal approximation with separate
// variances), and whether the difference is significant at each level.
#include <cmath>
#include <cstdint>

#include "comparison_interval_controls.h"
#include "edit_readers.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "library_binding.h"
#include "table_form.h"
#include "tessara.h"

namespace comparison_interval {
namespace {

constexpr int kBadPrevalence = 11095;
constexpr int kBadSampleSize = 11064;
constexpr int kPrevalencesInWrongOrder = 12025;
constexpr int kYes = 11101;
constexpr int kNo = 11102;

struct Inputs {
  float p1 = 0;
  std::int32_t n1 = 0;
  float p2 = 0;
  std::int32_t n2 = 0;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  if (!ReadFractionInput(form, kPrevalence1Edit, kBadPrevalence, FractionRange::UpToOne,
                         &inputs->p1) ||
      !ReadWholeInput(form, kSample1Edit, kBadSampleSize, 1, &inputs->n1) ||
      !ReadFractionInput(form, kPrevalence2Edit, kBadPrevalence, FractionRange::UpToOne,
                         &inputs->p2) ||
      !ReadWholeInput(form, kSample2Edit, kBadSampleSize, 1, &inputs->n2)) {
    return false;
  }
  // Prevalence 1 is the lower one: the difference p2 - p1 is never negative.
  if (inputs->p2 < inputs->p1) {
    ShowInputMessage(form, kPrevalencesInWrongOrder, kPrevalence1Edit);
    return false;
  }
  return true;
}

struct Level {
  float lower;
  float upper;
  std::uint8_t significant;
};

Level LevelOf(const ComparisonIntervals& r, int k) {
  switch (k) {
    case 0: return {r.lower90, r.upper90, r.significant90};
    case 1: return {r.lower95, r.upper95, r.significant95};
    default: return {r.lower99, r.upper99, r.significant99};
  }
}

bool AllFinite(const ComparisonIntervals& r) {
  for (int k = 0; k < kLevelCount; ++k) {
    const Level level = LevelOf(r, k);
    if (!std::isfinite(level.lower) || !std::isfinite(level.upper)) return false;
  }
  return std::isfinite(r.difference);
}

void ShowResults(HWND form, const ComparisonIntervals& result) {
  for (int k = 0; k < kLevelCount; ++k) {
    const Level level = LevelOf(result, k);
    SetRealResult(form, kFirstMinimum + 3 * k, level.lower, 4);
    SetRealResult(form, kFirstMaximum + 3 * k, level.upper, 4);
    SetCatalogueResult(form, kFirstSignificant + 3 * k, level.significant != 0 ? kYes : kNo);
  }
  SetRealResult(form, kDifference, result.difference, 3);
}

void ReadAndRun(HWND form) {
  Inputs inputs;
  if (!ReadInputs(form, &inputs)) return;
  ComparisonIntervals result{};
  RunExport<decltype(&::Comparison_ConfidenceInterval)>(
      kFormKind,
      [&](auto entry) {
        const ResultCode code = entry(inputs.p1, inputs.n1, inputs.p2, inputs.n2, &result);
        if (code == 0 && !AllFinite(result)) return LibraryAnswer{kUnexpectedFailureCode};
        return LibraryAnswer{code};
      },
      [&] { ShowResults(form, result); });
}

}  // namespace
}  // namespace comparison_interval

const TableForm kComparisonIntervalForm = {comparison_interval::kFormKind,
                                           &comparison_interval::kTable,
                                           comparison_interval::ReadAndRun, nullptr};
