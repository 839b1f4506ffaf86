// The controls of the form "Detect - Sample Size - Simple Random Sample":
// their identifiers, which the form and its tests share, and its table.
#pragma once

#include "form_table.h"

namespace detection_simple_random {

inline constexpr int kFormKind = 6;

inline constexpr int kPrevalenceLabel = 5000;
inline constexpr int kPrevalenceEdit = 5001;
inline constexpr int kPopulationLabel = 5002;
inline constexpr int kPopulationEdit = 5003;
inline constexpr int kConfidenceLabel = 5004;
inline constexpr int kConfidenceList = 5005;
inline constexpr int kBetaLabel = 5006;
inline constexpr int kBetaEdit = 5007;
inline constexpr int kMethodGroup = 5008;
inline constexpr int kMethodNote = 5009;
inline constexpr int kSensitivityHeading = 5010;
inline constexpr int kSpecificityHeading = 5011;
inline constexpr int kMethodRule = 5012;
inline constexpr int kTest1Label = 5013;
inline constexpr int kTest2Label = 5014;
inline constexpr int kInterpretationLabel = 5015;
inline constexpr int kSensitivity1Edit = 5016;
inline constexpr int kSpecificity1Edit = 5017;
inline constexpr int kSensitivity2Edit = 5018;
inline constexpr int kSpecificity2Edit = 5019;
inline constexpr int kInterpretationList = 5020;
inline constexpr int kRunButton = 5021;
inline constexpr int kHelpButton = 5022;
inline constexpr int kInputGroup = 5024;
inline constexpr int kResultsGroup = 5025;
inline constexpr int kMethodResultsHeading = 5026;
inline constexpr int kSensitivityResultLabel = 5027;
inline constexpr int kSpecificityResultLabel = 5028;
inline constexpr int kSampleSizeLabel = 5029;
inline constexpr int kFalsePositiveLabel = 5030;
inline constexpr int kPopulationHeading = 5031;
inline constexpr int kPrevalenceHeading = 5032;
// The six prevalences heading the table's columns, 5033 to 5038.
inline constexpr int kFirstPrevalenceLabel = 5033;
inline constexpr int kResultsRule = 5039;
// The eight populations heading the table's rows, 5040 to 5047 (the last
// one "Infinite").
inline constexpr int kFirstPopulationLabel = 5040;
inline constexpr int kSensitivityResult = 5048;
inline constexpr int kSpecificityResult = 5049;
inline constexpr int kSampleSizeResult = 5050;
inline constexpr int kFalsePositiveResult = 5051;
// The DetectionTable: the cell of population row r and prevalence column c
// is 5052 + 8c + r (created column by column).
inline constexpr int kFirstTableResult = 5052;
inline constexpr int kTableRows = 8;
inline constexpr int kTableColumns = 6;
// The two lines under the results and under the table's headings. Nothing
// addresses them; they share the identifier after the form's block.
inline constexpr int kLines = 5100;

constexpr int TableCell(int row, int column) {
  return kFirstTableResult + kTableRows * column + row;
}

extern const FormTable kTable;

}  // namespace detection_simple_random
