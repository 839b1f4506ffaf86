// The controls of the form "Estimate Maximum Detectable Prevalence": their
// identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace maximum_prevalence {

inline constexpr int kFormKind = 5;

inline constexpr int kHeadline = 5301;
inline constexpr int kSampleSizeLabel = 5302;
inline constexpr int kSampleSizeEdit = 5303;
inline constexpr int kPopulationLabel = 5304;
inline constexpr int kPopulationEdit = 5305;
inline constexpr int kSensitivityLabel = 5306;
inline constexpr int kSensitivityEdit = 5307;
inline constexpr int kConfidenceLabel = 5308;
inline constexpr int kConfidenceList = 5309;
inline constexpr int kPrevalenceLabel = 5310;
inline constexpr int kPrevalenceEdit = 5311;
inline constexpr int kInputGroup = 5312;
inline constexpr int kRunButton = 5313;
inline constexpr int kHelpButton = 5314;
inline constexpr int kResultsGroup = 5316;
inline constexpr int kFirstQuestion = 5317;
inline constexpr int kPositivesSentence = 5318;
inline constexpr int kPrevalenceSentence = 5319;
inline constexpr int kNote = 5320;
inline constexpr int kSecondQuestion = 5321;
inline constexpr int kConfidenceSentence = 5322;
inline constexpr int kPositivesResult = 5323;
inline constexpr int kPrevalenceResult = 5324;
inline constexpr int kConfidenceResult = 5325;

extern const FormTable kTable;

}  // namespace maximum_prevalence
