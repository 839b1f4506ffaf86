// The controls of the form "Mean - Sample Size - Simple Random Sample": their
// identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace mean_sample_size {

inline constexpr int kFormKind = 9;

inline constexpr int kPrecisionLabel = 4800;
inline constexpr int kPrecisionEdit = 4801;
inline constexpr int kConfidenceLabel = 4802;
inline constexpr int kConfidenceList = 4803;
inline constexpr int kDeviationLabel = 4804;
inline constexpr int kDeviationEdit = 4805;
inline constexpr int kPopulationLabel = 4806;
inline constexpr int kPopulationEdit = 4807;
inline constexpr int kRunButton = 4808;
inline constexpr int kHelpButton = 4809;
inline constexpr int kInputGroup = 4811;
inline constexpr int kResultsGroup = 4812;
inline constexpr int kSampleSizeHeading = 4813;
inline constexpr int kLeftPopulationHeading = 4814;
inline constexpr int kRightAdjustedHeading = 4815;
inline constexpr int kRightPopulationHeading = 4816;
inline constexpr int kLeftAdjustedHeading = 4817;
// The population labels 4818 to 4833 and, beside them, results 4851 to 4866.
inline constexpr int kFirstPopulationLabel = 4818;
// 4850 holds the size for the user's population (the library's element
// 16), 4851 to 4865 those for the fifteen fixed populations (elements 0 to
// 14), 4866 the one for an infinite population (element 15).
inline constexpr int kUserResult = 4850;
inline constexpr int kFirstTableResult = 4851;
inline constexpr int kTableRowCount = 16;
inline constexpr int kTableLine = 4867;

extern const FormTable kTable;

}  // namespace mean_sample_size
