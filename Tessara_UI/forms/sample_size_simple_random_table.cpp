#include "population_labels.h"
#include "sample_size_simple_random_controls.h"

namespace sample_size_simple_random {
namespace {

constexpr int kExpectedPrevalence = 11020;
constexpr int kAcceptableRelativeError = 11021;
constexpr int kLevelOfConfidence = 11022;
constexpr int kPopulationSize = 11023;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kAdjustedN = 11034;
constexpr int kPopulationTwoLines = 11036;
constexpr int kResults = 11037;

// Y is the top of the results, R the top of the table's first row.
constexpr Measure kY = kHalfH - 20;
constexpr Measure kR = kY + 44;

using K = ControlKind;
using F = FontRole;
using A = Align;

// clang-format off
constexpr ControlRow kRows[] = {
    {kPrevalenceLabel,   K::Label,        kExpectedPrevalence,      {20, 30, 180, 20}},
    {kPrevalenceEdit,    K::InputEdit,    {},                       {201, 30, 100, 20}},
    {kErrorLabel,        K::Label,        kAcceptableRelativeError, {20, 55, 180, 20}},
    {kErrorEdit,         K::InputEdit,    {},                       {201, 55, 100, 20}},
    {kConfidenceLabel,   K::Label,        kLevelOfConfidence,       {20, 80, 180, 20}},
    {kConfidenceList,    K::DropDownList, {},                       {201, 80, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kPopulationLabel,   K::Label,        kPopulationSize,          {20, 105, 180, 20}},
    {kPopulationEdit,    K::InputEdit,    {},                       {201, 105, 100, 20}},
    {kInputGroup,        K::GroupBox,     kInput,                   {10, 5, 310, 128}, F::Bold},
    {kRunButton,         K::DefaultButton, kRun,                    {kW - 110, 10, 100, 24}},
    {kHelpButton,        K::PushButton,   kHelp,                    {kW - 110, 36, 100, 24}},
    {kSampleSizeHeading, K::Label,        kSampleSize,              {20, kY, 180, 20}, F::Regular, A::Centre},
    {kFirstResult,       K::ResultEdit,   {},                       {60, kY + 25, 100, 20}, F::Default, A::Centre},
    {kLeftPopulationHeading,  K::Label,   kPopulationTwoLines,      {220, kY, 100, 40}, F::Regular, A::Centre},
    {kLeftAdjustedHeading,    K::Label,   kAdjustedN,               {320, kY + 16, 100, 20}, F::Regular, A::Centre},
    {kRightPopulationHeading, K::Label,   kPopulationTwoLines,      {420, kY, 100, 40}, F::Regular, A::Centre},
    {kRightAdjustedHeading,   K::Label,   kAdjustedN,               {520, kY + 16, 100, 20}, F::Regular, A::Centre},
    {kTableLine,         K::Rule,         {},                       {220, kY + 40, 400, 2}, F::Default},
    // Sixteen rows of population and adjusted n, eight to a column.
    {kFirstPopulationLabel, K::Label,     {},                       {230, kR, 50, 20}, F::Regular, A::Right, ListFill::None,
     Repeat{kPopulationLabelCount, 2, 21, 8, 200, kPopulationLabels.data()}},
    {kFirstResult + 1,   K::ResultEdit,   {},                       {330, kR, 75, 20}, F::Default, A::Centre},
    {kResultsGroup,      K::GroupBox,     kResults,                 {10, kR - 70, kW - 20, kH - kR + 60}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4000, kPrevalenceEdit, kRunButton, kHelpButton);

}  // namespace sample_size_simple_random
