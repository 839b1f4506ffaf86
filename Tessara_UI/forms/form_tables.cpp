#include "form_tables.h"

#include "comparison_interval_controls.h"
#include "comparison_sample_size_controls.h"
#include "detection_simple_random_controls.h"
#include "detection_two_stages_controls.h"
#include "interval_simple_random_controls.h"
#include "interval_stratified_controls.h"
#include "interval_two_stages_controls.h"
#include "maximum_prevalence_controls.h"
#include "mean_interval_controls.h"
#include "mean_sample_size_controls.h"
#include "sample_size_simple_random_controls.h"
#include "sample_size_stratified_controls.h"
#include "sample_size_two_stages_controls.h"
#include "selection_controls.h"
#include "true_prevalence_controls.h"

namespace {
constexpr int kCalculatorFormCount = 16;

// In FormKind order.
const FormTable* const kTables[kCalculatorFormCount] = {
    &comparison_interval::kTable,
    &comparison_sample_size::kTable,
    &interval_simple_random::kTable,
    &interval_stratified::kTable,
    &interval_two_stages::kTable,
    &maximum_prevalence::kTable,
    &detection_simple_random::kTable,
    &detection_two_stages::kTable,
    &mean_interval::kTable,
    &mean_sample_size::kTable,
    &sample_size_simple_random::kTable,
    &sample_size_stratified::kTable,
    &sample_size_two_stages::kTable,
    &selection_proportional::kTable,
    &selection_simple_random::kTable,
    &true_prevalence::kTable,
};
}  // namespace

const FormTable* FormTableOf(int form_kind) {
  if (form_kind < 0 || form_kind >= kCalculatorFormCount) return nullptr;
  return kTables[form_kind];
}
