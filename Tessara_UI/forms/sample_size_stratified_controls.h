// The controls of the form "Estimate - Sample Size - Stratified Random
// Sample": their identifiers, which the form and its tests share, and its
// table.
#pragma once

#include "form_table.h"

namespace sample_size_stratified {

inline constexpr int kFormKind = 11;

inline constexpr int kConfidenceLabel = 4100;
inline constexpr int kConfidenceList = 4101;
inline constexpr int kErrorLabel = 4102;
inline constexpr int kErrorEdit = 4103;
inline constexpr int kInputGroup = 4104;
inline constexpr int kStrataGroup = 4105;
inline constexpr int kMinimumNote = 4106;
inline constexpr int kStratumHeading = 4107;
inline constexpr int kSizeHeading = 4108;
inline constexpr int kPrevalenceHeading = 4109;
// Stratum r (0 to 4): its number, its size and its expected prevalence.
inline constexpr int kFirstStratumLabel = 4110;
inline constexpr int kFirstSizeEdit = 4115;
inline constexpr int kFirstPrevalenceEdit = 4120;
inline constexpr int kStrataRule = 4125;
inline constexpr int kRunButton = 4126;
inline constexpr int kHelpButton = 4127;
inline constexpr int kResultsGroup = 4129;
inline constexpr int kSizesGroup = 4130;
inline constexpr int kResultStratumHeading = 4131;
inline constexpr int kResultSizeHeading = 4132;
inline constexpr int kResultsRule = 4133;
inline constexpr int kPopulationPrevalenceLabel = 4134;
inline constexpr int kTotalLabel = 4135;
inline constexpr int kFirstResultStratumLabel = 4136;
inline constexpr int kPopulationPrevalenceResult = 4141;
inline constexpr int kTotalResult = 4142;
// The sample size of stratum r (0 to 4).
inline constexpr int kFirstStratumResult = 4143;
inline constexpr int kStratumCount = 5;

extern const FormTable kTable;

}  // namespace sample_size_stratified
