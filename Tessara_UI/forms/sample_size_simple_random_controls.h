// The controls of the form "Estimate - Sample Size - Simple Random Sample":
// their identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace sample_size_simple_random {

inline constexpr int kFormKind = 10;

inline constexpr int kPrevalenceLabel = 4000;
inline constexpr int kPrevalenceEdit = 4001;
inline constexpr int kErrorLabel = 4002;
inline constexpr int kErrorEdit = 4003;
inline constexpr int kConfidenceLabel = 4004;
inline constexpr int kConfidenceList = 4005;
inline constexpr int kPopulationLabel = 4006;
inline constexpr int kPopulationEdit = 4007;
inline constexpr int kRunButton = 4008;
inline constexpr int kHelpButton = 4009;
inline constexpr int kInputGroup = 4011;
inline constexpr int kResultsGroup = 4012;
inline constexpr int kSampleSizeHeading = 4013;
inline constexpr int kLeftPopulationHeading = 4014;
inline constexpr int kRightAdjustedHeading = 4015;
inline constexpr int kRightPopulationHeading = 4016;
inline constexpr int kLeftAdjustedHeading = 4017;
// The population labels 4018 to 4033 and, beside them, results 4051 to 4066.
inline constexpr int kFirstPopulationLabel = 4018;
// Result k of the library's 17: 4050 for the user's population, then the
// fifteen fixed populations, then an infinite one.
inline constexpr int kFirstResult = 4050;
inline constexpr int kResultCount = 17;
inline constexpr int kTableLine = 4067;

extern const FormTable kTable;

}  // namespace sample_size_simple_random
