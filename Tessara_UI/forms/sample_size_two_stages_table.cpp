#include "sample_size_two_stages_controls.h"

namespace sample_size_two_stages {
namespace {

constexpr int kExpectedPrevalence = 11020;
constexpr int kAcceptableRelativeError = 11021;
constexpr int kLevelOfConfidence = 11022;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kResults = 11037;
constexpr int kSamplesPerCluster = 11046;
constexpr int kIfTheExactValueIsUnknown = 11048;
constexpr int kApproximate = 11049;
constexpr int kExact = 11050;
constexpr int kNumberOfClusters = 11051;
constexpr int kTotalNumberOfSamples = 11052;
constexpr int kRateOfHomogeneity = 11078;

constexpr Measure kX2 = kHalfW;

using K = ControlKind;
using F = FontRole;
using A = Align;

// The labels beside an input or a result end where it begins: "Approximate"
// and "Exact" are 171 pixels wide (not 180), the two result labels 197 (not
// 200).
// clang-format off
constexpr ControlRow kRows[] = {
    {kPrevalenceLabel,   K::Label,        kExpectedPrevalence,      {20, 30, 180, 20}},
    {kPrevalenceEdit,    K::InputEdit,    {},                       {201, 30, 100, 20}},
    {kErrorLabel,        K::Label,        kAcceptableRelativeError, {20, 55, 180, 20}},
    {kErrorEdit,         K::InputEdit,    {},                       {201, 55, 100, 20}},
    {kConfidenceLabel,   K::Label,        kLevelOfConfidence,       {20, 80, 180, 20}},
    {kConfidenceList,    K::DropDownList, {},                       {201, 80, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kPerClusterLabel,   K::Label,        kSamplesPerCluster,       {20, 109, 180, 60}},
    {kPerClusterEdit,    K::InputEdit,    {},                       {201, 140, 100, 20}},
    {kInputGroup,        K::GroupBox,     kInput,                   {10, 5, 310, 312}, F::Bold},
    {kHomogeneityGroup,  K::GroupBox,     kRateOfHomogeneity,       {15, 176, 300, 132}, F::Regular, A::Centre},
    {kHomogeneityNote,   K::Label,        kIfTheExactValueIsUnknown, {20, 195, 290, 40}, F::Italic, A::Centre},
    {kApproximateLabel,  K::Label,        kApproximate,             {30, 246, 171, 20}},
    {kHomogeneityList,   K::DropDownList, {},                       {201, 246, 100, 120}, F::Regular, A::Left, ListFill::Homogeneity},
    {kExactLabel,        K::Label,        kExact,                   {30, 273, 171, 20}},
    {kExactEdit,         K::InputEdit,    {},                       {201, 273, 100, 20}},
    {kRunButton,         K::DefaultButton, kRun,                    {10, kH - 34, 100, 24}},
    {kHelpButton,        K::PushButton,   kHelp,                    {112, kH - 34, 100, 24}},
    {kClustersLabel,     K::Label,        kNumberOfClusters,        {kX2 + 5, 30, 197, 20}},
    {kClustersResult,    K::ResultEdit,   {},                       {kX2 + 202, 30, 100, 20}, F::Bold, A::Centre},
    {kSamplesLabel,      K::Label,        kTotalNumberOfSamples,    {kX2 + 5, 71, 197, 20}},
    {kSamplesResult,     K::ResultEdit,   {},                       {kX2 + 202, 71, 100, 20}, F::Bold, A::Centre},
    {kMinimumWarning,    K::NoteEdit,     {},                       {kX2, 112, kHalfW - 20, 120}, F::Bold},
    {kResultsGroup,      K::GroupBox,     kResults,                 {kX2 - 5, 5, kHalfW - 10, 292}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4200, kPrevalenceEdit, kRunButton, kHelpButton);

}  // namespace sample_size_two_stages
