// Confidence interval of a prevalence from a two-stage (cluster) sample
// read from a file of clusters: the ratio estimate, its limits and standard
// error, the design effect and the rate of homogeneity it implies.
#include <cstdint>
#include <string>

#include "edit_readers.h"
#include "file_dialogs.h"
#include "file_operations.h"
#include "form_definitions.h"
#include "form_inputs.h"
#include "form_results.h"
#include "interval_two_stages_controls.h"
#include "library_binding.h"
#include "table_form.h"
#include "tessara.h"

namespace interval_two_stages {
namespace {

constexpr int kBadPath = 11077;

struct Inputs {
  std::int32_t confidence_level = 0;
  std::wstring path;
};

bool ReadInputs(HWND form, Inputs* inputs) {
  if (!ReadConfidenceInput(form, kConfidenceList, &inputs->confidence_level)) return false;
  if (!ReadText(form, kFileEdit, &inputs->path) || !FileExists(inputs->path.c_str())) {
    ShowInputMessage(form, kBadPath, kFileEdit);
    return false;
  }
  return true;
}

void ShowResults(HWND form, const TwoStageInterval& interval) {
  SetRealResult(form, kPrevalenceResult, interval.prevalence, 4);
  SetRealResult(form, kLowerResult, interval.lower, 4);
  SetRealResult(form, kUpperResult, interval.upper, 4);
  SetRealResult(form, kStandardErrorResult, interval.standard_error, 4);
  SetRealResult(form, kDesignEffectResult, interval.design_effect, 4);
  SetRealResult(form, kHomogeneityResult, interval.homogeneity, 4);
  SetIntegerResult(form, kClustersResult, interval.clusters);
  SetIntegerResult(form, kSamplesResult, interval.samples);
  SetIntegerResult(form, kEventsResult, interval.events);
}

void ReadAndRun(HWND form) {
  Inputs in;
  if (!ReadInputs(form, &in)) return;
  TwoStageInterval interval = {};
  RunExport<decltype(&::ConfidenceInterval_TwoStages)>(
      kFormKind,
      [&](auto entry) {
        std::int32_t row = 0;
        std::int32_t item = 0;
        const ResultCode code = entry(in.confidence_level, in.path.c_str(), &row, &item, &interval);
        return LibraryAnswer{code, row, item};
      },
      [&] { ShowResults(form, interval); });
}

// The browse button: a chosen file's path replaces the typed one; a
// cancelled dialog leaves what the user typed.
bool MoreCommands(HWND form, WORD command, WORD /*notification*/) {
  if (command != kBrowseButton) return false;
  wchar_t path[kPathCapacity] = L"";
  if (ChooseFileToOpen(form, path)) SetDlgItemTextW(form, kFileEdit, path);
  return true;
}

}  // namespace
}  // namespace interval_two_stages

const TableForm kIntervalTwoStagesForm = {interval_two_stages::kFormKind,
                                          &interval_two_stages::kTable,
                                          interval_two_stages::ReadAndRun,
                                          interval_two_stages::MoreCommands};
