#include "interval_simple_random_controls.h"

namespace interval_simple_random {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kPopulationSize = 11023;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kResults = 11037;
constexpr int kProportion = 11060;
constexpr int kLowerLimit = 11061;
constexpr int kUpperLimit = 11062;
constexpr int kPrevalence = 11063;
constexpr int kPositiveCases = 11067;
constexpr int kFromTheProportion = 11068;
constexpr int kFromThePositiveCases = 11069;
constexpr int kRunRight = 11070;

// The right calculator begins in the middle; the results halfway down.
constexpr Measure kX2 = kHalfW;
constexpr Measure kMid = kHalfH;

using K = ControlKind;
using F = FontRole;
using A = Align;

// The left heading is 348 pixels wide, not 360, so that it ends where the
// right heading begins.
// clang-format off
constexpr ControlRow kRows[] = {
    {kProportionHeading,    K::Label,        kFromTheProportion, {10, 5, 348, 20}, F::Bold},
    {kProportionLabel,      K::Label,        kProportion,        {20, 50, 180, 20}},
    {kProportionEdit,       K::InputEdit,    {},                 {201, 50, 100, 20}},
    {kLeftSampleLabel,      K::Label,        kSampleSize,        {20, 75, 180, 20}},
    {kLeftSampleEdit,       K::InputEdit,    {},                 {201, 75, 100, 20}},
    {kLeftPopulationLabel,  K::Label,        kPopulationSize,    {20, 100, 180, 20}},
    {kLeftPopulationEdit,   K::InputEdit,    {},                 {201, 100, 100, 20}},
    {kLeftConfidenceLabel,  K::Label,        kLevelOfConfidence, {20, 125, 180, 20}},
    {kLeftConfidenceList,   K::DropDownList, {},                 {201, 125, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kLeftInputGroup,       K::GroupBox,     kInput,             {10, 25, 310, 132}, F::Bold},
    {kLeftResultsGroup,     K::GroupBox,     kResults,           {10, kMid - 20, 310, 90}, F::Bold},
    {kLeftLowerLabel,       K::Label,        kLowerLimit,        {20, kMid + 11, 180, 20}},
    {kLeftLowerResult,      K::ResultEdit,   {},                 {201, kMid + 11, 100, 20}, F::Bold, A::Centre},
    {kLeftUpperLabel,       K::Label,        kUpperLimit,        {20, kMid + 36, 180, 20}},
    {kLeftUpperResult,      K::ResultEdit,   {},                 {201, kMid + 36, 100, 20}, F::Bold, A::Centre},
    {kLeftRunButton,        K::DefaultButton, kRun,              {220, kMid + 77, 100, 24}},
    {kPositivesHeading,     K::Label,        kFromThePositiveCases, {kX2 - 10, 5, 360, 20}, F::Bold},
    {kPositivesLabel,       K::Label,        kPositiveCases,     {kX2, 50, 180, 20}},
    {kPositivesEdit,        K::InputEdit,    {},                 {kX2 + 181, 50, 100, 20}},
    {kRightSampleLabel,     K::Label,        kSampleSize,        {kX2, 75, 180, 20}},
    {kRightSampleEdit,      K::InputEdit,    {},                 {kX2 + 181, 75, 100, 20}},
    {kRightPopulationLabel, K::Label,        kPopulationSize,    {kX2, 100, 180, 20}},
    {kRightPopulationEdit,  K::InputEdit,    {},                 {kX2 + 181, 100, 100, 20}},
    {kRightConfidenceLabel, K::Label,        kLevelOfConfidence, {kX2, 125, 180, 20}},
    {kRightConfidenceList,  K::DropDownList, {},                 {kX2 + 181, 125, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kRightInputGroup,      K::GroupBox,     kInput,             {kX2 - 10, 25, 310, 132}, F::Bold},
    {kRightResultsGroup,    K::GroupBox,     kResults,           {kX2 - 10, kMid - 20, 310, 110}, F::Bold},
    {kRightLowerLabel,      K::Label,        kLowerLimit,        {kX2, kMid + 11, 180, 20}},
    {kRightLowerResult,     K::ResultEdit,   {},                 {kX2 + 181, kMid + 11, 100, 20}, F::Bold, A::Centre},
    {kRightPrevalenceLabel, K::Label,        kPrevalence,        {kX2, kMid + 36, 180, 20}},
    {kRightPrevalenceResult, K::ResultEdit,  {},                 {kX2 + 181, kMid + 36, 100, 20}, F::Bold, A::Centre},
    {kRightUpperLabel,      K::Label,        kUpperLimit,        {kX2, kMid + 61, 180, 20}},
    {kRightUpperResult,     K::ResultEdit,   {},                 {kX2 + 181, kMid + 61, 100, 20}, F::Bold, A::Centre},
    {kRightRunButton,       K::PushButton,   kRunRight,          {kX2 + 200, kMid + 97, 100, 24}},
    {kHelpButton,           K::PushButton,   kHelp,              {10, kH - 34, 100, 24}},
};
// clang-format on

}  // namespace

const FormTable kTable =
    MakeFormTable(kRows, 4300, kProportionEdit, kLeftRunButton, kHelpButton);

}  // namespace interval_simple_random
