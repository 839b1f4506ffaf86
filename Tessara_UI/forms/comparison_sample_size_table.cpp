#include "comparison_sample_size_controls.h"

namespace comparison_sample_size {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kResults = 11037;
constexpr int kExpectedPrevalence1 = 11085;
constexpr int kExpectedPrevalence2 = 11086;
constexpr int kPower = 11087;
constexpr int kOrderOfPrevalences = 11088;
constexpr int kDiffersSignificantly = 11090;
constexpr int kGreaterOrLess = 11091;

using K = ControlKind;
using F = FontRole;
using A = Align;

// clang-format off
constexpr ControlRow kRows[] = {
    {kInputGroup,       K::GroupBox,      kInput,                {10, 5, 310, 192}, F::Bold},
    {kOrderHint,        K::Label,         kOrderOfPrevalences,   {20, 30, 290, 40}, F::Italic, A::Centre},
    {kPrevalence1Label, K::Label,         kExpectedPrevalence1,  {20, 85, 180, 20}},
    {kPrevalence1Edit,  K::InputEdit,     {},                    {201, 85, 100, 20}},
    {kPrevalence2Label, K::Label,         kExpectedPrevalence2,  {20, 110, 180, 20}},
    {kPrevalence2Edit,  K::InputEdit,     {},                    {201, 110, 100, 20}},
    {kConfidenceLabel,  K::Label,         kLevelOfConfidence,    {20, 135, 180, 20}},
    {kConfidenceList,   K::DropDownList,  {},                    {201, 135, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kPowerLabel,       K::Label,         kPower,                {20, 160, 180, 20}},
    {kPowerList,        K::DropDownList,  {},                    {201, 160, 100, 120}, F::Regular, A::Left, ListFill::Power},
    {kRunButton,        K::DefaultButton, kRun,                  {10, kH - 34, 100, 24}},
    {kHelpButton,       K::PushButton,    kHelp,                 {112, kH - 34, 100, 24}},
    {kTwoSidedText,     K::Label,         kDiffersSignificantly, {kHalfW + 5, 30, 250, 100}},
    {kTwoSidedResult,   K::ResultEdit,    {},                    {kHalfW + 257, 30, 80, 20}, F::Bold, A::Centre},
    {kOneSidedText,     K::Label,         kGreaterOrLess,        {kHalfW + 5, 151, 250, 120}},
    {kOneSidedResult,   K::ResultEdit,    {},                    {kHalfW + 257, 151, 80, 20}, F::Bold, A::Centre},
    {kResultsGroup,     K::GroupBox,      kResults,              {kHalfW - 5, 5, kHalfW - 10, 292}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4500, kPrevalence1Edit, kRunButton, kHelpButton);

}  // namespace comparison_sample_size
