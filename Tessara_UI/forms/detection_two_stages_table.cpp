#include "detection_two_stages_controls.h"

namespace detection_two_stages {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kResults = 11037;
constexpr int kSensitivity = 11108;
constexpr int kSpecificity = 11109;
constexpr int kDiagnosticMethod = 11120;
constexpr int kTest1 = 11121;
constexpr int kTest2 = 11122;
constexpr int kOneTestOrTwo = 11123;
constexpr int kInterpretation = 11124;
constexpr int kFalsePositive = 11128;
constexpr int kAnimalsPerHerdAverage = 11129;
constexpr int kAnimalsPerHerdTwoLines = 11130;
constexpr int kSamplesPerHerdTwoLines = 11131;
constexpr int kHerds = 11132;
constexpr int kPopulation = 11133;
constexpr int kTypeTwoErrorProbability = 11134;
constexpr int kHerdPrevalence = 11135;
constexpr int kNumberOfHerds = 11136;
constexpr int kAnimalPrevalence = 11137;
constexpr int kAnimalsPerHerd = 11138;
constexpr int kTotalSamples = 11139;
constexpr int kFalsePositivesPerHerd = 11142;
constexpr int kFalsePositiveResults = 11143;

// The herd sizes of the table's rows.
constexpr ControlText kHerdSizes[kTableRows] = {ControlText::Number(50),  ControlText::Number(100),
                                                ControlText::Number(250), ControlText::Number(500),
                                                ControlText::Number(750), ControlText::Number(1000),
                                                ControlText::Number(5000)};

// H is half the client height.
constexpr Measure kB = kH;

using K = ControlKind;
using F = FontRole;
using A = Align;
using L = ListFill;

// The labels beside the first inputs stop where the next one begins: the
// level of confidence at 36 pixels high above the type II error, the
// population's two labels a pixel short of their edits. The results on the
// left take the room up to their line, 74 pixels: a total of samples runs
// to nine digits (a thousand herds of a hundred thousand animals), which
// 60 pixels cut to six. The two headings of the table are 36 pixels high
// from 2 above where they were drawn, the two lines of Thai (32 cut the
// second).
// clang-format off
constexpr ControlRow kRows[] = {
    {kConfidenceLabel,       K::Label,        kLevelOfConfidence,       {15, 25, 115, 36}},
    {kConfidenceList,        K::DropDownList, {},                       {141, 40, 70, 120}, F::Regular, A::Left, L::Confidence},
    {kBetaLabel,             K::Label,        kTypeTwoErrorProbability, {15, 61, 115, 40}},
    {kBetaEdit,              K::InputEdit,    L"0.05",                  {141, 71, 70, 20}},
    {kHerdPrevalenceLabel,   K::Label,        kHerdPrevalence,          {20, 117, 119, 60}},
    {kHerdPrevalenceEdit,    K::InputEdit,    {},                       {139, 142, 70, 20}},
    {kHerdsLabel,            K::Label,        kNumberOfHerds,           {20, 178, 119, 20}},
    {kHerdsEdit,             K::InputEdit,    {},                       {139, 178, 70, 20}},
    {kAnimalPrevalenceLabel, K::Label,        kAnimalPrevalence,        {225, 35, 115, 60}},
    {kAnimalPrevalenceEdit,  K::InputEdit,    {},                       {341, 60, 70, 20}},
    {kHerdSizeLabel,         K::Label,        kAnimalsPerHerdAverage,   {225, 101, 110, 60}},
    {kHerdSizeEdit,          K::InputEdit,    {},                       {341, 121, 70, 20}},
    {kHerdConfidenceLabel,   K::Label,        kLevelOfConfidence,       {225, 167, 95, 40}},
    {kHerdConfidenceEdit,    K::InputEdit,    {},                       {341, 177, 70, 20}},
    {kInputGroup,            K::GroupBox,     kInput,                   {10, 5, kW - 20, 210}, F::Bold},
    {kPopulationGroup,       K::GroupBox,     kPopulation,              {15, 100, 200, 110}, F::Bold, A::Centre},
    {kHerdsGroup,            K::GroupBox,     kHerds,                   {220, 20, 195, 190}, F::Bold, A::Centre},
    {kMethodGroup,           K::GroupBox,     kDiagnosticMethod,        {420, 20, 290, 170}, F::Bold, A::Centre},
    {kMethodNote,            K::Label,        kOneTestOrTwo,            {425, 40, 280, 40}, F::Italic, A::Centre},
    {kSensitivityHeading,    K::Label,        kSensitivity,             {510, 83, 80, 20}, F::Regular, A::Centre},
    {kSpecificityHeading,    K::Label,        kSpecificity,             {610, 83, 80, 20}, F::Regular, A::Centre},
    {kMethodRule,            K::Rule,         {},                       {430, 105, 275, 2}},
    {kTest1Label,            K::Label,        kTest1,                   {430, 116, 70, 20}},
    {kSensitivity1Edit,      K::InputEdit,    {},                       {505, 116, 90, 20}},
    {kSpecificity1Edit,      K::InputEdit,    {},                       {605, 116, 90, 20}},
    {kTest2Label,            K::Label,        kTest2,                   {430, 137, 70, 20}},
    {kSensitivity2Edit,      K::InputEdit,    {},                       {505, 137, 90, 20}},
    {kSpecificity2Edit,      K::InputEdit,    {},                       {605, 137, 90, 20}},
    {kInterpretationLabel,   K::Label,        kInterpretation,          {430, 161, 100, 20}},
    {kInterpretationList,    K::DropDownList, {},                       {540, 161, 120, 80}, F::Regular, A::Left, L::Interpretation},
    {kRunButton,             K::DefaultButton, kRun,                    {kW - 90, kB - 58, 80, 24}},
    {kHelpButton,            K::PushButton,   kHelp,                    {kW - 90, kB - 32, 80, 24}},
    {kLeftRule,              K::Rule,         {},                       {210, kHalfH + 15, 2, 185}},
    {kTableRule,             K::Rule,         {},                       {215, kHalfH + 45, 180, 2}},
    {kRightRule,             K::Rule,         {},                       {400, kHalfH + 15, 2, 185}},
    {kMethodResultsHeading,  K::Label,        kDiagnosticMethod,        {20, kHalfH + 25, 190, 20}, F::Bold, A::Centre},
    {kSensitivityResultLabel, K::Label,       kSensitivity,             {15, kHalfH + 50, 115, 20}},
    {kSensitivityResult,     K::ResultEdit,   {},                       {134, kHalfH + 50, 74, 20}, F::Default, A::Centre},
    {kSpecificityResultLabel, K::Label,       kSpecificity,             {15, kHalfH + 74, 115, 20}},
    {kSpecificityResult,     K::ResultEdit,   {},                       {134, kHalfH + 74, 74, 20}, F::Default, A::Centre},
    {kSampleSizeHeading,     K::Label,        kSampleSize,              {15, kHalfH + 105, 190, 20}, F::Bold, A::Centre},
    {kHerdsResultLabel,      K::Label,        kHerds,                   {15, kHalfH + 129, 115, 20}},
    {kHerdsResult,           K::ResultEdit,   {},                       {134, kHalfH + 129, 74, 20}, F::Default, A::Centre},
    {kAnimalsResultLabel,    K::Label,        kAnimalsPerHerd,          {15, kHalfH + 153, 115, 20}},
    {kAnimalsResult,         K::ResultEdit,   {},                       {134, kHalfH + 153, 74, 20}, F::Default, A::Centre},
    {kTotalResultLabel,      K::Label,        kTotalSamples,            {15, kHalfH + 177, 115, 20}},
    {kTotalResult,           K::ResultEdit,   {},                       {134, kHalfH + 177, 74, 20}, F::Default, A::Centre},
    {kAnimalsHeading,        K::Label,        kAnimalsPerHerdTwoLines,  {230, kHalfH + 8, 70, 36}, F::Regular, A::Centre},
    {kSamplesHeading,        K::Label,        kSamplesPerHerdTwoLines,  {315, kHalfH + 8, 70, 36}, F::Regular, A::Centre},
    // Seven rows of herd size and animals per herd.
    {kFirstHerdSizeLabel,    K::Label,        {},                       {230, kHalfH + 51, 50, 20}, F::Regular, A::Right, L::None,
     Repeat{kTableRows, 2, 22, 0, 0, kHerdSizes}},
    {kFirstTableResult,      K::ResultEdit,   {},                       {310, kHalfH + 51, 75, 20}, F::Default, A::Centre},
    {kFalsePositiveHeading,  K::Label,        kFalsePositive,           {407, kHalfH + 10, 210, 20}, F::Bold, A::Centre},
    {kBetaLine,              K::Label,        {},                       {407, kHalfH + 31, 210, 20}, F::Italic, A::Centre},
    {kPerHerdSentence,       K::Label,        {},                       {407, kHalfH + 52, 210, 65}},
    {kPerHerdResult,         K::ResultEdit,   {},                       {407, kHalfH + 118, 50, 20}, F::Default, A::Centre},
    {kPerHerdUnit,           K::Label,        kFalsePositivesPerHerd,   {459, kHalfH + 118, 158, 20}},
    {kSampleSentence,        K::Label,        {},                       {407, kHalfH + 139, 210, 40}},
    {kSampleResult,          K::ResultEdit,   {},                       {407, kHalfH + 180, 50, 20}, F::Default, A::Centre},
    {kSampleUnit,            K::Label,        kFalsePositiveResults,    {459, kHalfH + 180, 158, 20}},
    {kResultsGroup,          K::GroupBox,     kResults,                 {10, kHalfH, kW - 110, kB - 6 - kHalfH}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 5200, kHerdPrevalenceEdit, kRunButton, kHelpButton);

}  // namespace detection_two_stages
