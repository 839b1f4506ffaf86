// The controls of the form "Confidence Interval - Simple Random Sample" (of a
// mean): their identifiers, which the form and its tests share, and its
// table.
#pragma once

#include "form_table.h"

namespace mean_interval {

inline constexpr int kFormKind = 8;

inline constexpr int kMeanLabel = 4900;
inline constexpr int kMeanEdit = 4901;
inline constexpr int kDeviationLabel = 4902;
inline constexpr int kDeviationEdit = 4903;
inline constexpr int kSampleLabel = 4904;
inline constexpr int kSampleEdit = 4905;
inline constexpr int kPopulationLabel = 4906;
inline constexpr int kPopulationEdit = 4907;
inline constexpr int kConfidenceLabel = 4908;
inline constexpr int kConfidenceList = 4909;
inline constexpr int kInputGroup = 4910;
inline constexpr int kRunButton = 4911;
inline constexpr int kHelpButton = 4912;
inline constexpr int kResultsGroup = 4914;
inline constexpr int kMinimumLabel = 4915;
inline constexpr int kMaximumLabel = 4916;
inline constexpr int kLowerResult = 4917;
inline constexpr int kUpperResult = 4918;

extern const FormTable kTable;

}  // namespace mean_interval
