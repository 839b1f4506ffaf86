#include "mean_interval_controls.h"

namespace mean_interval {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kPopulationSize = 11023;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kResults = 11037;
constexpr int kMinimum = 11098;
constexpr int kMaximum = 11099;
constexpr int kStandardDeviation = 11112;
constexpr int kAverage = 11115;

using K = ControlKind;
using F = FontRole;
using A = Align;

// clang-format off
constexpr ControlRow kRows[] = {
    {kMeanLabel,       K::Label,         kAverage,           {20, 30, 180, 20}},
    {kMeanEdit,        K::InputEdit,     {},                 {201, 30, 100, 20}},
    {kDeviationLabel,  K::Label,         kStandardDeviation, {20, 55, 180, 20}},
    {kDeviationEdit,   K::InputEdit,     {},                 {201, 55, 100, 20}},
    {kSampleLabel,     K::Label,         kSampleSize,        {20, 80, 180, 20}},
    {kSampleEdit,      K::InputEdit,     {},                 {201, 80, 100, 20}},
    {kPopulationLabel, K::Label,         kPopulationSize,    {20, 105, 180, 20}},
    {kPopulationEdit,  K::InputEdit,     {},                 {201, 105, 100, 20}},
    {kConfidenceLabel, K::Label,         kLevelOfConfidence, {20, 130, 180, 20}},
    {kConfidenceList,  K::DropDownList,  {},                 {201, 130, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kInputGroup,      K::GroupBox,      kInput,             {10, 5, 310, 160}, F::Bold},
    {kResultsGroup,    K::GroupBox,      kResults,           {kHalfW, 5, 310, 90}, F::Bold},
    {kMinimumLabel,    K::Label,         kMinimum,           {kHalfW + 10, 30, 180, 20}},
    {kLowerResult,     K::ResultEdit,    {},                 {kHalfW + 194, 30, 100, 20}, F::Bold, A::Centre},
    {kMaximumLabel,    K::Label,         kMaximum,           {kHalfW + 10, 55, 180, 20}},
    {kUpperResult,     K::ResultEdit,    {},                 {kHalfW + 194, 55, 100, 20}, F::Bold, A::Centre},
    {kRunButton,       K::DefaultButton, kRun,               {10, kH - 34, 100, 24}},
    {kHelpButton,      K::PushButton,    kHelp,              {112, kH - 34, 100, 24}},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4900, kMeanEdit, kRunButton, kHelpButton);

}  // namespace mean_interval
