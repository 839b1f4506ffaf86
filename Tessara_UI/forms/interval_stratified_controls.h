// The controls of the form "Estimate Prevalence - Stratified Random
// Sample": their identifiers, which the form and its tests share, and its
// table.
#pragma once

#include "form_table.h"

namespace interval_stratified {

inline constexpr int kFormKind = 3;

inline constexpr int kConfidenceLabel = 4400;
inline constexpr int kConfidenceList = 4401;
inline constexpr int kInputGroup = 4402;
inline constexpr int kStrataGroup = 4403;
inline constexpr int kMinimumNote = 4404;
inline constexpr int kStratumHeading = 4405;
inline constexpr int kPopulationHeading = 4406;
inline constexpr int kSampleHeading = 4407;
inline constexpr int kProportionHeading = 4408;
// Stratum r (0 to 4): its number, then its population, sample and
// proportion at 4414 + 3r, 4415 + 3r and 4416 + 3r.
inline constexpr int kFirstStratumLabel = 4409;
inline constexpr int kFirstPopulationEdit = 4414;
inline constexpr int kFirstSampleEdit = 4415;
inline constexpr int kFirstProportionEdit = 4416;
inline constexpr int kEditsPerStratum = 3;
inline constexpr int kStratumCount = 5;
inline constexpr int kTopRule = 4429;
inline constexpr int kHeadingRule = 4430;
inline constexpr int kRunButton = 4431;
inline constexpr int kHelpButton = 4432;
inline constexpr int kResultsGroup = 4434;
inline constexpr int kLowerLabel = 4435;
inline constexpr int kPrevalenceLabel = 4436;
inline constexpr int kUpperLabel = 4437;
inline constexpr int kLowerResult = 4438;
inline constexpr int kPrevalenceResult = 4439;
inline constexpr int kUpperResult = 4440;

constexpr int PopulationEdit(int row) { return kFirstPopulationEdit + kEditsPerStratum * row; }
constexpr int SampleEdit(int row) { return kFirstSampleEdit + kEditsPerStratum * row; }
constexpr int ProportionEdit(int row) { return kFirstProportionEdit + kEditsPerStratum * row; }

extern const FormTable kTable;

}  // namespace interval_stratified
