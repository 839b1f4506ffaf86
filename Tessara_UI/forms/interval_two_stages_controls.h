// The controls of the form "Estimate Prevalence - Two Stage Sample": their
// identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace interval_two_stages {

inline constexpr int kFormKind = 4;

inline constexpr int kConfidenceLabel = 4200;
inline constexpr int kConfidenceList = 4201;
inline constexpr int kFileLabel = 4202;
inline constexpr int kFileEdit = 4203;
inline constexpr int kBrowseButton = 4204;
inline constexpr int kInputGroup = 4205;
inline constexpr int kResultsGroup = 4206;
inline constexpr int kPrevalenceLabel = 4207;
inline constexpr int kLowerLabel = 4208;
inline constexpr int kUpperLabel = 4209;
inline constexpr int kStandardErrorLabel = 4210;
inline constexpr int kDesignEffectLabel = 4211;
inline constexpr int kHomogeneityLabel = 4212;
inline constexpr int kClustersLabel = 4213;
inline constexpr int kSamplesLabel = 4214;
inline constexpr int kEventsLabel = 4215;
inline constexpr int kRunButton = 4216;
inline constexpr int kHelpButton = 4217;
inline constexpr int kPrevalenceResult = 4219;
inline constexpr int kLowerResult = 4220;
inline constexpr int kUpperResult = 4221;
inline constexpr int kStandardErrorResult = 4222;
inline constexpr int kDesignEffectResult = 4223;
inline constexpr int kHomogeneityResult = 4224;
inline constexpr int kClustersResult = 4225;
inline constexpr int kSamplesResult = 4226;
inline constexpr int kEventsResult = 4227;

extern const FormTable kTable;

}  // namespace interval_two_stages
