// The controls of the form "Detect - Sample Size - Two Stage Sample": their
// identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace detection_two_stages {

inline constexpr int kFormKind = 7;

inline constexpr int kConfidenceLabel = 5200;
inline constexpr int kConfidenceList = 5201;
inline constexpr int kBetaLabel = 5202;
inline constexpr int kBetaEdit = 5203;
inline constexpr int kHerdPrevalenceLabel = 5204;
inline constexpr int kHerdPrevalenceEdit = 5205;
inline constexpr int kHerdsLabel = 5206;
inline constexpr int kHerdsEdit = 5207;
inline constexpr int kAnimalPrevalenceLabel = 5208;
inline constexpr int kAnimalPrevalenceEdit = 5209;
inline constexpr int kHerdSizeLabel = 5210;
inline constexpr int kHerdSizeEdit = 5211;
inline constexpr int kHerdConfidenceLabel = 5212;
inline constexpr int kHerdConfidenceEdit = 5213;
inline constexpr int kPopulationGroup = 5214;
inline constexpr int kHerdsGroup = 5215;
inline constexpr int kMethodGroup = 5216;
inline constexpr int kMethodNote = 5217;
inline constexpr int kMethodRule = 5218;
inline constexpr int kSensitivityHeading = 5219;
inline constexpr int kSpecificityHeading = 5220;
inline constexpr int kTest1Label = 5221;
inline constexpr int kTest2Label = 5222;
inline constexpr int kSensitivity1Edit = 5223;
inline constexpr int kSpecificity1Edit = 5224;
inline constexpr int kSensitivity2Edit = 5225;
inline constexpr int kSpecificity2Edit = 5226;
inline constexpr int kInterpretationLabel = 5227;
inline constexpr int kInterpretationList = 5228;
inline constexpr int kRunButton = 5229;
inline constexpr int kHelpButton = 5230;
inline constexpr int kInputGroup = 5232;
inline constexpr int kResultsGroup = 5233;
inline constexpr int kMethodResultsHeading = 5234;
inline constexpr int kSensitivityResultLabel = 5235;
inline constexpr int kSpecificityResultLabel = 5236;
inline constexpr int kSampleSizeHeading = 5237;
inline constexpr int kHerdsResultLabel = 5238;
inline constexpr int kAnimalsResultLabel = 5239;
inline constexpr int kTotalResultLabel = 5240;
inline constexpr int kLeftRule = 5241;
inline constexpr int kTableRule = 5242;
inline constexpr int kRightRule = 5243;
inline constexpr int kAnimalsHeading = 5244;
inline constexpr int kSamplesHeading = 5245;
// The herd sizes 50 ... 5000 heading the rows, 5246 to 5252, beside their
// animals per herd 5264 to 5270.
inline constexpr int kFirstHerdSizeLabel = 5246;
inline constexpr int kFalsePositiveHeading = 5253;
inline constexpr int kBetaLine = 5254;
inline constexpr int kPerHerdSentence = 5255;
inline constexpr int kPerHerdUnit = 5256;
inline constexpr int kSampleSentence = 5257;
inline constexpr int kSampleUnit = 5258;
inline constexpr int kSensitivityResult = 5259;
inline constexpr int kSpecificityResult = 5260;
inline constexpr int kHerdsResult = 5261;
inline constexpr int kAnimalsResult = 5262;
inline constexpr int kTotalResult = 5263;
inline constexpr int kFirstTableResult = 5264;
inline constexpr int kTableRows = 7;
inline constexpr int kPerHerdResult = 5271;
inline constexpr int kSampleResult = 5272;

extern const FormTable kTable;

}  // namespace detection_two_stages
