// The controls of the two selection forms, "Simple Random Sample" and
// "Selection Proportional to Size": both are laid out alike and share their
// control identifiers, which the forms and their tests take from here.
#pragma once

#include "form_table.h"

namespace selection {

inline constexpr int kInputLabel = 5400;
inline constexpr int kInputPathEdit = 5401;
inline constexpr int kInputBrowseButton = 5402;
inline constexpr int kUnitsLabel = 5403;
inline constexpr int kUnitsEdit = 5404;
inline constexpr int kInputExplanation = 5405;
inline constexpr int kOutputLabel = 5406;
inline constexpr int kOutputPathEdit = 5407;
inline constexpr int kOutputBrowseButton = 5408;
inline constexpr int kStatusLine = 5409;
inline constexpr int kInputGroup = 5410;
inline constexpr int kResultsGroup = 5411;
inline constexpr int kRunButton = 5412;
inline constexpr int kHelpButton = 5413;

inline constexpr int kIdBlock = 5400;

}  // namespace selection

// "Simple Random Sample": draws units of a list at random.
namespace selection_simple_random {
inline constexpr int kFormKind = 14;
extern const FormTable kTable;
}  // namespace selection_simple_random

// "Selection Proportional to Size": draws units with probability
// proportional to their numbers of animals.
namespace selection_proportional {
inline constexpr int kFormKind = 13;
extern const FormTable kTable;
}  // namespace selection_proportional
