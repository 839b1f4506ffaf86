#include "detection_simple_random_controls.h"

namespace detection_simple_random {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kPopulationSize = 11023;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kInfinite = 11035;
constexpr int kPopulationTwoLines = 11036;
constexpr int kResults = 11037;
constexpr int kPrevalence = 11063;
constexpr int kSensitivity = 11108;
constexpr int kSpecificity = 11109;
constexpr int kMaxTypeTwoError = 11119;
constexpr int kDiagnosticMethod = 11120;
constexpr int kTest1 = 11121;
constexpr int kTest2 = 11122;
constexpr int kOneTestOrTwo = 11123;
constexpr int kInterpretation = 11124;
constexpr int kMinExpectedPrevalence = 11127;
constexpr int kFalsePositive = 11128;

// The prevalences of the table's columns and the populations of its rows,
// the last one standing for an infinite population.
constexpr ControlText kPrevalences[kTableColumns] = {L"0.10", L"0.05",  L"0.02",
                                                     L"0.01", L"0.005", L"0.001"};
constexpr ControlText kPopulations[kTableRows] = {
    ControlText::Number(50),   ControlText::Number(100),  ControlText::Number(250),
    ControlText::Number(500),  ControlText::Number(1000), ControlText::Number(2000),
    ControlText::Number(5000), ControlText(kInfinite)};

// H is half the client height; Y the top of the table's headings.
constexpr Measure kY = kHalfH - 8;

using K = ControlKind;
using F = FontRole;
using A = Align;
using L = ListFill;

// clang-format off
constexpr ControlRow kRows[] = {
    {kPrevalenceLabel,     K::Label,        kMinExpectedPrevalence, {20, 30, 180, 20}},
    {kPrevalenceEdit,      K::InputEdit,    {},                     {201, 30, 100, 20}},
    {kPopulationLabel,     K::Label,        kPopulationSize,        {20, 55, 180, 20}},
    {kPopulationEdit,      K::InputEdit,    {},                     {201, 55, 100, 20}},
    {kConfidenceLabel,     K::Label,        kLevelOfConfidence,     {20, 82, 180, 20}},
    {kConfidenceList,      K::DropDownList, {},                     {201, 82, 100, 120}, F::Regular, A::Left, L::Confidence},
    {kBetaLabel,           K::Label,        kMaxTypeTwoError,       {20, 109, 180, 20}},
    {kBetaEdit,            K::InputEdit,    L"0.05",                {201, 109, 100, 20}},
    {kInputGroup,          K::GroupBox,     kInput,                 {10, 5, 595, 190}, F::Bold},
    {kMethodGroup,         K::GroupBox,     kDiagnosticMethod,      {310, 20, 290, 170}, F::Bold, A::Centre},
    {kMethodNote,          K::Label,        kOneTestOrTwo,          {311, 40, 282, 40}, F::Italic, A::Centre},
    {kSensitivityHeading,  K::Label,        kSensitivity,           {395, 83, 80, 20}, F::Regular, A::Centre},
    {kSpecificityHeading,  K::Label,        kSpecificity,           {495, 83, 80, 20}, F::Regular, A::Centre},
    {kMethodRule,          K::Rule,         {},                     {315, 105, 275, 2}},
    {kTest1Label,          K::Label,        kTest1,                 {315, 116, 70, 20}},
    {kSensitivity1Edit,    K::InputEdit,    {},                     {390, 116, 90, 20}},
    {kSpecificity1Edit,    K::InputEdit,    {},                     {490, 116, 90, 20}},
    {kTest2Label,          K::Label,        kTest2,                 {315, 137, 70, 20}},
    {kSensitivity2Edit,    K::InputEdit,    {},                     {390, 137, 90, 20}},
    {kSpecificity2Edit,    K::InputEdit,    {},                     {490, 137, 90, 20}},
    {kInterpretationLabel, K::Label,        kInterpretation,        {315, 161, 95, 20}},
    {kInterpretationList,  K::DropDownList, {},                     {420, 161, 120, 80}, F::Regular, A::Left, L::Interpretation},
    {kRunButton,           K::DefaultButton, kRun,                  {kW - 110, 10, 100, 24}},
    {kHelpButton,          K::PushButton,   kHelp,                  {kW - 110, 36, 100, 24}},
    {kResultsRule,         K::Rule,         {},                     {245, kHalfH + 10, 2, 180}},
    {kMethodResultsHeading, K::Label,       kDiagnosticMethod,      {20, kHalfH + 10, 220, 20}, F::Bold, A::Centre},
    {kSensitivityResultLabel, K::Label,     kSensitivity,           {20, kHalfH + 41, 135, 20}},
    {kSensitivityResult,   K::ResultEdit,   {},                     {160, kHalfH + 41, 80, 20}, F::Bold, A::Centre},
    {kSpecificityResultLabel, K::Label,     kSpecificity,           {20, kHalfH + 65, 135, 20}},
    {kSpecificityResult,   K::ResultEdit,   {},                     {160, kHalfH + 65, 80, 20}, F::Bold, A::Centre},
    {kSampleSizeLabel,     K::Label,        kSampleSize,            {20, kHalfH + 89, 135, 20}},
    {kSampleSizeResult,    K::ResultEdit,   {},                     {160, kHalfH + 89, 80, 20}, F::Bold, A::Centre},
    {kLines,               K::Rule,         {},                     {20, kHalfH + 115, 220, 2}},
    {kFalsePositiveLabel,  K::Label,        kFalsePositive,         {20, kHalfH + 146, 135, 20}},
    {kFalsePositiveResult, K::ResultEdit,   {},                     {160, kHalfH + 146, 80, 20}, F::Bold, A::Centre},
    {kPopulationHeading,   K::Label,        kPopulationTwoLines,    {260, kY, 85, 40}, F::Regular, A::Centre},
    {kPrevalenceHeading,   K::Label,        kPrevalence,            {kHalfW + 110, kY, 75, 20}, F::Regular, A::Centre},
    // The prevalences of the six columns, side by side.
    {kFirstPrevalenceLabel, K::Label,       {},                     {370, kY + 20, 55, 20}, F::Regular, A::Centre, L::None,
     Repeat{kTableColumns, 1, 0, 1, 55, kPrevalences}},
    {kLines,               K::Rule,         {},                     {260, kY + 40, kW - 280, 2}},
    // The populations of the eight rows, one under the other.
    {kFirstPopulationLabel, K::Label,       {},                     {260, kY + 45, 65, 20}, F::Regular, A::Right, L::None,
     Repeat{kTableRows, 1, 21, 0, 0, kPopulations}},
    // The 48 cells, column by column.
    {kFirstTableResult,    K::ResultEdit,   {},                     {370, kY + 45, 50, 20}, F::Bold, A::Centre, L::None,
     Repeat{kTableRows * kTableColumns, 1, 21, kTableRows, 55}},
    {kResultsGroup,        K::GroupBox,     kResults,               {10, kHalfH - 20, kW - 20, kH - 5 - (kHalfH - 20)}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 5000, kPrevalenceEdit, kRunButton, kHelpButton);

}  // namespace detection_simple_random
