// The controls of the form "Estimate True Prevalence from Apparent
// Prevalence": their identifiers, which the form and its tests share, and
// its table.
#pragma once

#include "form_table.h"

namespace true_prevalence {

inline constexpr int kFormKind = 15;

inline constexpr int kApparentLabel = 4700;
inline constexpr int kApparentEdit = 4701;
inline constexpr int kSensitivityLabel = 4702;
inline constexpr int kSensitivityEdit = 4703;
inline constexpr int kSpecificityLabel = 4704;
inline constexpr int kSpecificityEdit = 4705;
inline constexpr int kInputGroup = 4706;
inline constexpr int kRunButton = 4707;
inline constexpr int kHelpButton = 4708;
inline constexpr int kResultsGroup = 4710;
inline constexpr int kTrueLabel = 4711;
inline constexpr int kTrueResult = 4712;
// Explains a true prevalence that the inputs make impossible.
inline constexpr int kNote = 4713;

extern const FormTable kTable;

}  // namespace true_prevalence
