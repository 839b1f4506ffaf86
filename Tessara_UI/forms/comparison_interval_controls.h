// The controls of the form "Compare Two Prevalences - Magnitute of
// Difference": their identifiers, which the form and its tests share, and
// its table.
#pragma once

#include "form_table.h"

namespace comparison_interval {

inline constexpr int kFormKind = 0;

inline constexpr int kInputGroup = 4601;
inline constexpr int kOrderHint = 4602;
inline constexpr int kPrevalence1Group = 4603;
inline constexpr int kPrevalence2Group = 4604;
inline constexpr int kPrevalence1Label = 4605;
inline constexpr int kPrevalence2Label = 4606;
inline constexpr int kPrevalence1Edit = 4607;
inline constexpr int kPrevalence2Edit = 4608;
inline constexpr int kSample1Label = 4609;
inline constexpr int kSample2Label = 4610;
inline constexpr int kSample1Edit = 4611;
inline constexpr int kSample2Edit = 4612;
inline constexpr int kRunButton = 4613;
inline constexpr int kHelpButton = 4614;
inline constexpr int kLevelHeading = 4616;
inline constexpr int kIntervalHeading = 4617;
inline constexpr int kIntervalRule = 4618;
inline constexpr int kMinimumHeading = 4619;
inline constexpr int kMaximumHeading = 4620;
inline constexpr int kSignificantHeading = 4621;
inline constexpr int kHeadingRule = 4622;
// The level labels "90%", "95%", "99%", one per row.
inline constexpr int kFirstLevelLabel = 4623;
inline constexpr int kDifferenceHeading = 4626;
inline constexpr int kDifferenceRule = 4627;
inline constexpr int kResultsGroup = 4628;
// Row k (90, 95, 99 %): minimum kFirstMinimum + 3k, maximum + 1, significant + 2.
inline constexpr int kFirstMinimum = 4629;
inline constexpr int kFirstMaximum = 4630;
inline constexpr int kFirstSignificant = 4631;
inline constexpr int kLevelCount = 3;
inline constexpr int kDifference = 4638;

extern const FormTable kTable;

}  // namespace comparison_interval
