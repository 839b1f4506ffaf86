#include "maximum_prevalence_controls.h"

namespace maximum_prevalence {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kPopulationSize = 11023;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kSampleSize = 11033;
constexpr int kResults = 11037;
constexpr int kAllNegative = 11145;
constexpr int kSensitivityOfMethod = 11146;
constexpr int kMinimumExpectedPrevalence = 11147;
constexpr int kHowManyUndetected = 11152;
constexpr int kHowConfident = 11153;

// The left edge of the results.
constexpr Measure kX = kHalfW - 40;
constexpr Measure kB = kH;

using K = ControlKind;
using F = FontRole;
using A = Align;
using L = ListFill;

// The headline is drawn in the bold form font, which looks as the control's
// own font does: the system font has no Thai glyphs, and the Thai headline
// showed as empty boxes.
// clang-format off
constexpr ControlRow kRows[] = {
    {kHeadline,            K::Label,        kAllNegative,               {10, 5, kW - 20, 20}, F::Bold, A::Centre},
    {kSampleSizeLabel,     K::Label,        kSampleSize,                {20, 55, 180, 20}},
    {kSampleSizeEdit,      K::InputEdit,    {},                         {201, 55, 100, 20}},
    {kPopulationLabel,     K::Label,        kPopulationSize,            {20, 80, 180, 20}},
    {kPopulationEdit,      K::InputEdit,    {},                         {201, 80, 100, 20}},
    {kSensitivityLabel,    K::Label,        kSensitivityOfMethod,       {20, 105, 180, 40}},
    {kSensitivityEdit,     K::InputEdit,    {},                         {201, 120, 100, 20}},
    {kConfidenceLabel,     K::Label,        kLevelOfConfidence,         {20, 150, 180, 20}},
    {kConfidenceList,      K::DropDownList, {},                         {201, 150, 100, 120}, F::Regular, A::Left, L::Confidence},
    {kPrevalenceLabel,     K::Label,        kMinimumExpectedPrevalence, {20, 175, 180, 40}},
    {kPrevalenceEdit,      K::InputEdit,    {},                         {201, 190, 100, 20}},
    {kInputGroup,          K::GroupBox,     kInput,                     {10, 30, 300, 192}, F::Bold},
    {kRunButton,           K::DefaultButton, kRun,                      {10, kB - 34, 95, 24}},
    {kHelpButton,          K::PushButton,   kHelp,                      {107, kB - 34, 95, 24}},
    {kFirstQuestion,       K::Label,        kHowManyUndetected,         {kX, 50, 385, 40}, F::Bold},
    {kPositivesSentence,   K::Label,        {},                         {kX, 91, 315, 100}},
    {kPositivesResult,     K::ResultEdit,   {},                         {kX + 317, 171, 70, 20}, F::Bold, A::Centre},
    {kPrevalenceSentence,  K::Label,        {},                         {kX, 192, 315, 20}},
    {kPrevalenceResult,    K::ResultEdit,   {},                         {kX + 317, 192, 70, 20}, F::Bold, A::Centre},
    {kNote,                K::Label,        {},                         {kX, 218, 385, 50}},
    {kSecondQuestion,      K::Label,        kHowConfident,              {kX, 279, 385, 53}, F::Bold},
    {kConfidenceSentence,  K::Label,        {},                         {kX, 333, 315, 85}},
    {kConfidenceResult,    K::ResultEdit,   {},                         {kX + 317, 393, 70, 20}, F::Bold, A::Centre},
    {kResultsGroup,        K::GroupBox,     kResults,                   {kX - 5, 30, kHalfW + 35, kB - 38}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 5300, kSampleSizeEdit, kRunButton, kHelpButton);

}  // namespace maximum_prevalence
