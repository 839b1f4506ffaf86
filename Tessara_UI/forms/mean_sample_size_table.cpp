#include "mean_sample_size_controls.h"
#include "population_labels.h"

namespace mean_sample_size {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kPopulationSize = 11023;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kAdjustedN = 11034;
constexpr int kPopulationTwoLines = 11036;
constexpr int kResults = 11037;
constexpr int kPrecision = 11111;
constexpr int kStandardDeviation = 11112;

// Y is the top of the results, R the top of the table's first row.
constexpr Measure kY = kHalfH - 20;
constexpr Measure kR = kY + 44;

using K = ControlKind;
using F = FontRole;
using A = Align;

// clang-format off
constexpr ControlRow kRows[] = {
    {kPrecisionLabel,    K::Label,        kPrecision,               {20, 30, 180, 20}},
    {kPrecisionEdit,     K::InputEdit,    {},                       {201, 30, 100, 20}},
    {kConfidenceLabel,   K::Label,        kLevelOfConfidence,       {20, 55, 180, 20}},
    {kConfidenceList,    K::DropDownList, {},                       {201, 55, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kDeviationLabel,    K::Label,        kStandardDeviation,       {20, 82, 180, 20}},
    {kDeviationEdit,     K::InputEdit,    {},                       {201, 82, 100, 20}},
    {kPopulationLabel,   K::Label,        kPopulationSize,          {20, 107, 180, 20}},
    {kPopulationEdit,    K::InputEdit,    {},                       {201, 107, 100, 20}},
    {kInputGroup,        K::GroupBox,     kInput,                   {10, 5, 310, 128}, F::Bold},
    {kRunButton,         K::DefaultButton, kRun,                    {kW - 110, 10, 100, 24}},
    {kHelpButton,        K::PushButton,   kHelp,                    {kW - 110, 36, 100, 24}},
    {kSampleSizeHeading, K::Label,        kSampleSize,              {20, kY, 180, 20}, F::Regular, A::Centre},
    {kUserResult,        K::ResultEdit,   {},                       {60, kY + 25, 100, 20}, F::Default, A::Centre},
    {kLeftPopulationHeading,  K::Label,   kPopulationTwoLines,      {220, kY, 100, 40}, F::Regular, A::Centre},
    {kLeftAdjustedHeading,    K::Label,   kAdjustedN,               {320, kY + 16, 100, 20}, F::Regular, A::Centre},
    {kRightPopulationHeading, K::Label,   kPopulationTwoLines,      {420, kY, 100, 40}, F::Regular, A::Centre},
    {kRightAdjustedHeading,   K::Label,   kAdjustedN,               {520, kY + 16, 100, 20}, F::Regular, A::Centre},
    {kTableLine,         K::Rule,         {},                       {220, kY + 40, 400, 2}, F::Default},
    // Sixteen rows of population and adjusted n, eight to a column.
    {kFirstPopulationLabel, K::Label,     {},                       {230, kR, 50, 20}, F::Regular, A::Right, ListFill::None,
     Repeat{kPopulationLabelCount, 2, 21, 8, 200, kPopulationLabels.data()}},
    {kFirstTableResult,  K::ResultEdit,   {},                       {330, kR, 75, 20}, F::Default, A::Centre},
    {kResultsGroup,      K::GroupBox,     kResults,                 {10, kR - 70, kW - 20, kH - kR + 60}, F::Bold},
};
// clang-format on

static_assert(kPopulationLabelCount == kTableRowCount, "a label for every row of the table");

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4800, kPrecisionEdit, kRunButton, kHelpButton);

}  // namespace mean_sample_size
