// The controls of the form "Compare Two Prevalences - Sample Size": their
// identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace comparison_sample_size {

inline constexpr int kFormKind = 1;

inline constexpr int kPrevalence1Label = 4500;
inline constexpr int kPrevalence1Edit = 4501;
inline constexpr int kPrevalence2Label = 4502;
inline constexpr int kPrevalence2Edit = 4503;
inline constexpr int kConfidenceLabel = 4504;
inline constexpr int kConfidenceList = 4505;
inline constexpr int kPowerLabel = 4506;
inline constexpr int kPowerList = 4507;
inline constexpr int kInputGroup = 4508;
inline constexpr int kOrderHint = 4509;
inline constexpr int kRunButton = 4510;
inline constexpr int kHelpButton = 4511;
inline constexpr int kResultsGroup = 4513;
inline constexpr int kTwoSidedText = 4514;
inline constexpr int kOneSidedText = 4515;
// Individuals per population: to tell the prevalences apart (two-sided),
// and to tell that one is greater (one-sided).
inline constexpr int kTwoSidedResult = 4516;
inline constexpr int kOneSidedResult = 4517;

extern const FormTable kTable;

}  // namespace comparison_sample_size
