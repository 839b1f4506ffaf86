#include "sample_size_stratified_controls.h"

namespace sample_size_stratified {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kAcceptableRelativeError = 11021;
constexpr int kInput = 11027;
constexpr int kDescriptionOfTheStrata = 11038;
constexpr int kMinimumOfTwoStrata = 11039;
constexpr int kStratum = 11040;
constexpr int kNumberOfIndividualsTwoLines = 11041;
constexpr int kExpectedPrevalenceTwoLines = 11042;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kExpectedPrevalence = 11043;
constexpr int kSampleSize = 11033;
constexpr int kResults = 11037;
constexpr int kN = 11044;

// The results stand in the right half; the table of strata a little inside.
constexpr Measure kX2 = kHalfW;
constexpr Measure kX3 = kX2 + 65;

// A row of five strata, 21 pixels apart.
constexpr Repeat kFiveStrata{kStratumCount, 3, 21, 0, 0, nullptr, true};
constexpr Repeat kFiveResults{kStratumCount, 2, 21, 0, 0, nullptr, true};

using K = ControlKind;
using F = FontRole;
using A = Align;

// The two result labels are 197 pixels wide, not 200, so that they end
// where their results begin.
// clang-format off
constexpr ControlRow kRows[] = {
    {kConfidenceLabel,   K::Label,        kLevelOfConfidence,       {20, 30, 180, 20}},
    {kConfidenceList,    K::DropDownList, {},                       {201, 30, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kErrorLabel,        K::Label,        kAcceptableRelativeError, {20, 55, 180, 20}},
    {kErrorEdit,         K::InputEdit,    {},                       {201, 55, 100, 20}},
    {kInputGroup,        K::GroupBox,     kInput,                   {10, 5, 310, 292}, F::Bold},
    {kStrataGroup,       K::GroupBox,     kDescriptionOfTheStrata,  {15, 80, 300, 212}, F::Regular, A::Centre},
    {kMinimumNote,       K::Label,        kMinimumOfTwoStrata,      {20, 99, 290, 20}, F::Italic, A::Centre},
    {kStratumHeading,    K::Label,        kStratum,                 {20, 140, 80, 20}, F::Regular, A::Centre},
    {kSizeHeading,       K::Label,        kNumberOfIndividualsTwoLines, {120, 130, 80, 40}, F::Regular, A::Centre},
    {kPrevalenceHeading, K::Label,        kExpectedPrevalenceTwoLines,  {220, 130, 80, 40}, F::Regular, A::Centre},
    {kStrataRule,        K::Rule,         {},                       {20, 170, 290, 2}},
    {kFirstStratumLabel, K::Label,        {},                       {40, 180, 40, 20}, F::Regular, A::Centre, ListFill::None, kFiveStrata},
    {kFirstSizeEdit,     K::InputEdit,    {},                       {120, 180, 80, 20}},
    {kFirstPrevalenceEdit, K::InputEdit,  {},                       {220, 180, 80, 20}},
    {kRunButton,         K::DefaultButton, kRun,                    {10, kH - 34, 100, 24}},
    {kHelpButton,        K::PushButton,   kHelp,                    {112, kH - 34, 100, 24}},
    {kPopulationPrevalenceLabel, K::Label, kExpectedPrevalence,     {kX2 + 5, 30, 197, 20}},
    {kPopulationPrevalenceResult, K::ResultEdit, {},                {kX2 + 202, 30, 100, 20}, F::Bold, A::Centre},
    {kTotalLabel,        K::Label,        kSampleSize,              {kX2 + 5, 71, 197, 20}},
    {kTotalResult,       K::ResultEdit,   {},                       {kX2 + 202, 71, 100, 20}, F::Bold, A::Centre},
    {kResultsGroup,      K::GroupBox,     kResults,                 {kX2 - 5, 5, kHalfW - 10, 292}, F::Bold},
    {kSizesGroup,        K::GroupBox,     {},                       {kX3 - 5, 112, 220, 168}, F::Regular, A::Centre},
    {kResultStratumHeading, K::Label,     kStratum,                 {kX3, 133, 100, 20}, F::Regular, A::Centre},
    {kResultSizeHeading, K::Label,        kN,                       {kX3 + 100, 133, 100, 20}, F::Regular, A::Centre},
    {kResultsRule,       K::Rule,         {},                       {kX3, 153, 210, 2}},
    {kFirstResultStratumLabel, K::Label,  {},                       {kX3, 163, 100, 20}, F::Regular, A::Centre, ListFill::None, kFiveResults},
    {kFirstStratumResult, K::ResultEdit,  {},                       {kX3 + 100, 163, 100, 20}, F::Bold, A::Centre},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4100, kErrorEdit, kRunButton, kHelpButton);

}  // namespace sample_size_stratified
