#include "form_registry.h"

#include "main_window.h"
#include "program_state.h"
#include "form_definitions.h"
#include "table_form.h"

namespace {

// In FormKind order. Each form, once built, fills in its two operations.
constexpr FormEntry kForms[kFormKindCount] = {
    {11001, "Comparison_ConfidenceInterval", 1090, &kComparisonIntervalForm, nullptr, nullptr},
    {11002, "Comparison_SampleSize", 1140, &kComparisonSampleSizeForm, nullptr, nullptr},
    // Its run binds ConfidenceInterval_SimpleRandom_PositiveCases as well.
    {11003, "ConfidenceInterval_SimpleRandom_Proportion", 1100, &kIntervalSimpleRandomForm, nullptr, nullptr},
    {11004, "ConfidenceInterval_Stratified", 1110, &kIntervalStratifiedForm, nullptr, nullptr},
    {11005, "ConfidenceInterval_TwoStages", 1120, &kIntervalTwoStagesForm, nullptr, nullptr},
    {11006, "DetectingEvent_MaximumPrevalence", 1020, &kMaximumPrevalenceForm, nullptr, nullptr},
    {11007, "DetectingEvent_SampleSize_SimpleRandom", 1040, &kDetectionSimpleRandomForm, nullptr, nullptr},
    {11008, "DetectingEvent_SampleSize_TwoStages", 1050, &kDetectionTwoStagesForm, nullptr, nullptr},
    {11009, "Estimating_ConfidenceInterval", 1060, &kMeanIntervalForm, nullptr, nullptr},
    {11010, "Estimating_SampleSize", 1080, &kMeanSampleSizeForm, nullptr, nullptr},
    {11011, "SampleSize_SimpleRandom", 1150, &kSampleSizeSimpleRandomForm, nullptr, nullptr},
    {11012, "SampleSize_Stratified", 1160, &kSampleSizeStratifiedForm, nullptr, nullptr},
    {11013, "SampleSize_TwoStages", 1170, &kSampleSizeTwoStagesForm, nullptr, nullptr},
    {11014, "Selection_ProbabilityProportional", 1210, &kSelectionProportionalForm, nullptr, nullptr},
    {11015, "Selection_SimpleRandom", 1220, &kSelectionSimpleRandomForm, nullptr, nullptr},
    {11016, "True_Prevelance", 1180, &kTruePrevalenceForm, nullptr, nullptr},
    {11017, nullptr, 1190, nullptr, BuildMainWindow, HandleMainWindowCommand},
};

}  // namespace

const FormEntry& FormEntryOf(int form_kind) {
  return kForms[IsCalculatorForm(form_kind) ? form_kind : kMainWindowFormKind];
}

bool IsFormBuilt(int form_kind) {
  const FormEntry& entry = FormEntryOf(form_kind);
  return entry.form != nullptr || entry.build != nullptr;
}

int DefaultButtonOf(int form_kind, HWND window) {
  const TableForm* form = FormEntryOf(form_kind).form;
  if (form == nullptr) return 0;
  return form->enter_button != nullptr ? form->enter_button(window) : form->table->run_button;
}
