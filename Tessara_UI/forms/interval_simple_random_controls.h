// The controls of the form "Estimate Prevalence - Simple Random Sample",
// two calculators side by side (from the proportion, from the number of
// positive cases): their identifiers, which the form and its tests share,
// and its table.
#pragma once

#include "form_table.h"

namespace interval_simple_random {

inline constexpr int kFormKind = 2;

// Left: from the proportion.
inline constexpr int kProportionHeading = 4300;
inline constexpr int kProportionLabel = 4301;
inline constexpr int kProportionEdit = 4302;
inline constexpr int kLeftSampleLabel = 4303;
inline constexpr int kLeftSampleEdit = 4304;
inline constexpr int kLeftPopulationLabel = 4305;
inline constexpr int kLeftPopulationEdit = 4306;
inline constexpr int kLeftConfidenceLabel = 4307;
inline constexpr int kLeftConfidenceList = 4308;
inline constexpr int kLeftInputGroup = 4309;
inline constexpr int kLeftRunButton = 4310;
inline constexpr int kLeftResultsGroup = 4311;
inline constexpr int kLeftLowerLabel = 4326;
inline constexpr int kLeftUpperLabel = 4327;
inline constexpr int kLeftLowerResult = 4331;
inline constexpr int kLeftUpperResult = 4332;

// Right: from the number of positive cases.
inline constexpr int kPositivesHeading = 4312;
inline constexpr int kPositivesLabel = 4313;
inline constexpr int kPositivesEdit = 4314;
inline constexpr int kRightSampleLabel = 4315;
inline constexpr int kRightSampleEdit = 4316;
inline constexpr int kRightPopulationLabel = 4317;
inline constexpr int kRightPopulationEdit = 4318;
inline constexpr int kRightConfidenceLabel = 4319;
inline constexpr int kRightConfidenceList = 4320;
inline constexpr int kRightInputGroup = 4321;
inline constexpr int kRightRunButton = 4322;
inline constexpr int kRightResultsGroup = 4323;
inline constexpr int kRightLowerLabel = 4328;
inline constexpr int kRightPrevalenceLabel = 4329;
inline constexpr int kRightUpperLabel = 4330;
inline constexpr int kRightLowerResult = 4333;
inline constexpr int kRightPrevalenceResult = 4334;
inline constexpr int kRightUpperResult = 4335;

inline constexpr int kHelpButton = 4324;

// True for the controls of the right-hand calculator.
constexpr bool IsRightSide(int id) {
  return (id >= kPositivesHeading && id <= kRightResultsGroup) ||
         (id >= kRightLowerLabel && id <= kRightUpperLabel) ||
         (id >= kRightLowerResult && id <= kRightUpperResult);
}

extern const FormTable kTable;

}  // namespace interval_simple_random
