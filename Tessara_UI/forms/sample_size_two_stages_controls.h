// The controls of the form "Estimate - Sample Size - Two Stage Sample":
// their identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace sample_size_two_stages {

inline constexpr int kFormKind = 12;

inline constexpr int kPrevalenceLabel = 4200;
inline constexpr int kPrevalenceEdit = 4201;
inline constexpr int kErrorLabel = 4202;
inline constexpr int kErrorEdit = 4203;
inline constexpr int kConfidenceLabel = 4204;
inline constexpr int kConfidenceList = 4205;
inline constexpr int kPerClusterLabel = 4206;
inline constexpr int kPerClusterEdit = 4207;
inline constexpr int kApproximateLabel = 4208;
inline constexpr int kHomogeneityList = 4209;
inline constexpr int kExactLabel = 4210;
inline constexpr int kExactEdit = 4211;
inline constexpr int kInputGroup = 4212;
inline constexpr int kHomogeneityGroup = 4213;
inline constexpr int kHomogeneityNote = 4214;
inline constexpr int kRunButton = 4215;
inline constexpr int kHelpButton = 4216;
inline constexpr int kResultsGroup = 4218;
inline constexpr int kClustersLabel = 4219;
inline constexpr int kSamplesLabel = 4220;
inline constexpr int kClustersResult = 4221;
inline constexpr int kSamplesResult = 4222;
inline constexpr int kMinimumWarning = 4223;

extern const FormTable kTable;

}  // namespace sample_size_two_stages
