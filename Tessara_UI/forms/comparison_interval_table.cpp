#include "comparison_interval_controls.h"

namespace comparison_interval {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kResults = 11037;
constexpr int kPrevalence = 11063;
constexpr int kOrderOfPrevalences = 11088;
constexpr int kPrevalence1 = 11092;
constexpr int kPrevalence2 = 11093;
constexpr int kIntervalOfDifference = 11096;
constexpr int kSignificantDifference = 11097;
constexpr int kMinimum = 11098;
constexpr int kMaximum = 11099;
constexpr int kDifferenceOfProportions = 11100;

constexpr ControlText kLevels[kLevelCount] = {L"90%", L"95%", L"99%"};

using K = ControlKind;
using F = FontRole;
using A = Align;

// clang-format off
constexpr ControlRow kRows[] = {
    {kInputGroup,         K::GroupBox,   kInput,                   {10, 5, 530, 212}, F::Bold},
    {kOrderHint,          K::Label,      kOrderOfPrevalences,      {20, 30, 510, 20}, F::Italic, A::Centre},
    {kPrevalence1Group,   K::GroupBox,   kPrevalence1,             {20, 70, 510, 60}},
    {kPrevalence1Label,   K::Label,      kPrevalence,              {30, 101, 150, 20}},
    {kPrevalence1Edit,    K::InputEdit,  {},                       {181, 101, 80, 20}},
    {kSample1Label,       K::Label,      kSampleSize,              {290, 101, 150, 20}},
    {kSample1Edit,        K::InputEdit,  {},                       {440, 101, 80, 20}},
    {kPrevalence2Group,   K::GroupBox,   kPrevalence2,             {20, 142, 510, 60}},
    {kPrevalence2Label,   K::Label,      kPrevalence,              {30, 173, 150, 20}},
    {kPrevalence2Edit,    K::InputEdit,  {},                       {181, 173, 80, 20}},
    {kSample2Label,       K::Label,      kSampleSize,              {290, 173, 150, 20}},
    {kSample2Edit,        K::InputEdit,  {},                       {440, 173, 80, 20}},
    {kResultsGroup,       K::GroupBox,   kResults,                 {10, 234, 630, 180}, F::Bold},
    {kLevelHeading,       K::Label,      kLevelOfConfidence,       {30, 275, 80, 40}, F::Regular, A::Centre},
    {kIntervalHeading,    K::Label,      kIntervalOfDifference,    {150, 255, 150, 40}, F::Regular, A::Centre},
    {kIntervalRule,       K::Rule,       {},                       {125, 295, 210, 2}},
    {kMinimumHeading,     K::Label,      kMinimum,                 {130, 305, 80, 20}, F::Regular, A::Centre},
    {kMaximumHeading,     K::Label,      kMaximum,                 {250, 305, 80, 20}, F::Regular, A::Centre},
    {kSignificantHeading, K::Label,      kSignificantDifference,   {380, 275, 80, 40}, F::Regular, A::Centre},
    {kDifferenceHeading,  K::Label,      kDifferenceOfProportions, {480, 265, 150, 40}, F::Regular, A::Centre},
    {kDifferenceRule,     K::Rule,       {},                       {475, 245, 2, 160}, F::Default},
    {kHeadingRule,        K::Rule,       {},                       {20, 330, 450, 2}},
    // A row per level: its label, then minimum, maximum and significance.
    {kFirstLevelLabel + 0,  K::Label,      kLevels[0],               {30, 341, 80, 20}, F::Regular, A::Centre},
    {kFirstMinimum + 0,     K::ResultEdit, {},                       {130, 341, 80, 20}, F::Bold, A::Centre},
    {kFirstMaximum + 0,     K::ResultEdit, {},                       {250, 341, 80, 20}, F::Bold, A::Centre},
    {kFirstSignificant + 0, K::ResultEdit, {},                       {380, 341, 80, 20}, F::Bold, A::Centre},
    {kFirstLevelLabel + 1,  K::Label,      kLevels[1],               {30, 362, 80, 20}, F::Regular, A::Centre},
    {kFirstMinimum + 3,     K::ResultEdit, {},                       {130, 362, 80, 20}, F::Bold, A::Centre},
    {kFirstMaximum + 3,     K::ResultEdit, {},                       {250, 362, 80, 20}, F::Bold, A::Centre},
    {kFirstSignificant + 3, K::ResultEdit, {},                       {380, 362, 80, 20}, F::Bold, A::Centre},
    {kFirstLevelLabel + 2,  K::Label,      kLevels[2],               {30, 383, 80, 20}, F::Regular, A::Centre},
    {kFirstMinimum + 6,     K::ResultEdit, {},                       {130, 383, 80, 20}, F::Bold, A::Centre},
    {kFirstMaximum + 6,     K::ResultEdit, {},                       {250, 383, 80, 20}, F::Bold, A::Centre},
    {kFirstSignificant + 6, K::ResultEdit, {},                       {380, 383, 80, 20}, F::Bold, A::Centre},
    {kDifference,         K::ResultEdit, {},                       {520, 323, 80, 20}, F::Bold, A::Centre},
    {kRunButton,          K::DefaultButton, kRun,                  {kW - 110, 10, 100, 24}},
    {kHelpButton,         K::PushButton,    kHelp,                 {kW - 110, 36, 100, 24}},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4600, kPrevalence1Edit, kRunButton, kHelpButton);

}  // namespace comparison_interval
