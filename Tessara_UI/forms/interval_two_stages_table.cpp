#include "interval_two_stages_controls.h"

namespace interval_two_stages {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kResults = 11037;
constexpr int kNumberOfClusters = 11051;
constexpr int kPrevalence = 11063;
constexpr int kInputDataFile = 11076;
constexpr int kRateOfHomogeneity = 11078;
constexpr int kDesignEffect = 11079;
constexpr int kStandardError = 11080;
constexpr int kLowerLimit = 11081;
constexpr int kUpperLimit = 11082;
constexpr int kNumberOfSamples = 11083;
constexpr int kNumberOfEvents = 11084;

using K = ControlKind;
using F = FontRole;
using A = Align;

// The results are listed top to bottom as prevalence, upper limit, lower
// limit, standard error, design effect, rate of homogeneity, clusters,
// samples and events, each label right-aligned beside its value.
// clang-format off
constexpr ControlRow kRows[] = {
    {kConfidenceLabel,     K::Label,        kLevelOfConfidence, {20, 30, 180, 20}},
    {kConfidenceList,      K::DropDownList, {},                 {201, 30, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kFileLabel,           K::Label,        kInputDataFile,     {20, 77, 180, 20}},
    {kFileEdit,            K::InputEdit,    {},                 {20, 102, 400, 20}},
    {kBrowseButton,        K::PushButton,   L"...",             {420, 100, 24, 22}, F::Bold},
    {kInputGroup,          K::GroupBox,     kInput,             {10, 5, 444, 130}, F::Bold},
    {kRunButton,           K::DefaultButton, kRun,              {kW - 110, 10, 100, 24}},
    {kHelpButton,          K::PushButton,   kHelp,              {kW - 110, 36, 100, 24}},
    {kResultsGroup,        K::GroupBox,     kResults,           {10, 152, 444, 240}, F::Bold},
    {kPrevalenceLabel,     K::Label,        kPrevalence,        {25, 177, 250, 20}, F::Regular, A::Right},
    {kPrevalenceResult,    K::ResultEdit,   {},                 {288, 177, 100, 20}, F::Bold, A::Centre},
    {kUpperLabel,          K::Label,        kUpperLimit,        {25, 200, 250, 20}, F::Regular, A::Right},
    {kUpperResult,         K::ResultEdit,   {},                 {288, 200, 100, 20}, F::Bold, A::Centre},
    {kLowerLabel,          K::Label,        kLowerLimit,        {25, 223, 250, 20}, F::Regular, A::Right},
    {kLowerResult,         K::ResultEdit,   {},                 {288, 223, 100, 20}, F::Bold, A::Centre},
    {kStandardErrorLabel,  K::Label,        kStandardError,     {25, 246, 250, 20}, F::Regular, A::Right},
    {kStandardErrorResult, K::ResultEdit,   {},                 {288, 246, 100, 20}, F::Bold, A::Centre},
    {kDesignEffectLabel,   K::Label,        kDesignEffect,      {25, 269, 250, 20}, F::Regular, A::Right},
    {kDesignEffectResult,  K::ResultEdit,   {},                 {288, 269, 100, 20}, F::Bold, A::Centre},
    {kHomogeneityLabel,    K::Label,        kRateOfHomogeneity, {25, 292, 250, 20}, F::Regular, A::Right},
    {kHomogeneityResult,   K::ResultEdit,   {},                 {288, 292, 100, 20}, F::Bold, A::Centre},
    {kClustersLabel,       K::Label,        kNumberOfClusters,  {25, 315, 250, 20}, F::Regular, A::Right},
    {kClustersResult,      K::ResultEdit,   {},                 {288, 315, 100, 20}, F::Bold, A::Left},
    {kSamplesLabel,        K::Label,        kNumberOfSamples,   {25, 338, 250, 20}, F::Regular, A::Right},
    {kSamplesResult,       K::ResultEdit,   {},                 {288, 338, 100, 20}, F::Bold, A::Left},
    {kEventsLabel,         K::Label,        kNumberOfEvents,    {25, 361, 250, 20}, F::Regular, A::Right},
    {kEventsResult,        K::ResultEdit,   {},                 {288, 361, 100, 20}, F::Bold, A::Left},
};
// clang-format on

}  // namespace

// The browse button takes the focus first: the file is chosen before
// anything else.
const FormTable kTable = MakeFormTable(kRows, 4200, kBrowseButton, kRunButton, kHelpButton);

}  // namespace interval_two_stages
