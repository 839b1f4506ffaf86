// Sample size of a two-stage (cluster) sample: the number of clusters and
// of samples, the simple random size inflated by the design effect
// 1 + (m - 1) rho, with a minimum of 25 clusters.
#include <cstdint>

#include "catalogue.h"
#include "edit_readers.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "input_ranges.h"
#include "library_binding.h"
#include "sample_size_two_stages_controls.h"
#include "strata_inputs.h"
#include "table_form.h"
#include "tessara.h"

namespace sample_size_two_stages {
namespace {

constexpr int kBadPrevalence = 11028;
constexpr int kBadRelativeError = 11029;
constexpr int kBadSamplesPerCluster = 11053;
constexpr int kNoHomogeneity = 11058;
constexpr int kMinimumImposedText = 11059;
constexpr int kWarningCapacity = 255;

struct Inputs {
  float prevalence = 0;
  float relative_error = 0;
  std::int32_t confidence_level = 0;
  std::int32_t per_cluster = 0;
  std::int32_t homogeneity_level = homogeneity::Exact;
  float rate = 0;  // the exact rate of homogeneity; 0 when a level is used
};

// The exact rate of homogeneity, when one is typed, is an intra-cluster
// correlation: a fraction from 0 to 1. A typed 0 means no exact value, as
// an empty edit does, and the approximate level is used instead.
enum class TypedRate { None, Given, Refused };

TypedRate ReadTypedRate(HWND form, float* rate) {
  if (IsBlankEdit(form, kExactEdit)) return TypedRate::None;
  double value = 0;
  if (!ReadRealNumber(form, kExactEdit, &value)) return TypedRate::Refused;
  if (IsZeroForForms(value)) return TypedRate::None;
  if (value < 0.0 || value > 1.0) return TypedRate::Refused;
  *rate = static_cast<float>(value);
  return TypedRate::Given;
}

bool ReadHomogeneity(HWND form, Inputs* inputs) {
  switch (ReadTypedRate(form, &inputs->rate)) {
    case TypedRate::Refused:
      ShowInputMessage(form, kNoHomogeneity, kExactEdit);
      return false;
    case TypedRate::Given:
      inputs->homogeneity_level = homogeneity::Exact;
      SendDlgItemMessageW(form, kHomogeneityList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      return true;
    case TypedRate::None: break;
  }
  std::int32_t level = 0;
  if (!ReadListInput(form, kHomogeneityList, kNoHomogeneity, &level)) return false;
  if (level < homogeneity::Low) {
    ShowInputMessage(form, kNoHomogeneity, kHomogeneityList);
    return false;
  }
  inputs->homogeneity_level = level;
  inputs->rate = 0;
  return true;
}

bool ReadInputs(HWND form, Inputs* inputs) {
  return ReadFractionInput(form, kPrevalenceEdit, kBadPrevalence, FractionRange::BelowOne,
                           &inputs->prevalence) &&
         ReadFractionInput(form, kErrorEdit, kBadRelativeError, FractionRange::BelowOne,
                           &inputs->relative_error) &&
         ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level) &&
         ReadWholeInput(form, kPerClusterEdit, kBadSamplesPerCluster, 1, &inputs->per_cluster) &&
         ReadHomogeneity(form, inputs);
}

void ShowResults(HWND form, const TwoStageSampleSize& size) {
  SetIntegerResult(form, kClustersResult, size.clusters);
  SetIntegerResult(form, kSamplesResult, size.samples);
  if (size.minimum_imposed != 0) {
    wchar_t warning[kWarningCapacity] = L"";
    LoadText(kMinimumImposedText, warning, kWarningCapacity);
    SetDlgItemTextW(form, kMinimumWarning, warning);
  } else {
    SetDlgItemTextW(form, kMinimumWarning, L"");
  }
}

void ReadAndRun(HWND form) {
  Inputs in;
  if (!ReadInputs(form, &in)) return;
  TwoStageSampleSize size = {};
  RunExport<decltype(&::SampleSize_TwoStages)>(
      kFormKind,
      [&](auto entry) {
        return LibraryAnswer{entry(in.prevalence, in.relative_error, in.confidence_level,
                                   in.per_cluster, in.homogeneity_level, in.rate, &size)};
      },
      [&] { ShowResults(form, size); });
}

}  // namespace
}  // namespace sample_size_two_stages

const TableForm kSampleSizeTwoStagesForm = {sample_size_two_stages::kFormKind,
                                            &sample_size_two_stages::kTable,
                                            sample_size_two_stages::ReadAndRun, nullptr};
