#include "true_prevalence_controls.h"

namespace true_prevalence {
namespace {

constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kResults = 11037;
constexpr int kApparentPrevalence = 11107;
constexpr int kSensitivity = 11108;
constexpr int kSpecificity = 11109;
constexpr int kTruePrevalence = 11110;

using K = ControlKind;
using F = FontRole;
using A = Align;

// The label of the true prevalence ends two pixels before its result (195
// wide where 200 would run under the result's first three pixels).
// clang-format off
constexpr ControlRow kRows[] = {
    {kInputGroup,       K::GroupBox,      kInput,              {10, 5, 310, 112}, F::Bold},
    {kApparentLabel,    K::Label,         kApparentPrevalence, {20, 30, 180, 20}},
    {kApparentEdit,     K::InputEdit,     {},                  {201, 30, 100, 20}},
    {kSensitivityLabel, K::Label,         kSensitivity,        {20, 55, 180, 20}},
    {kSensitivityEdit,  K::InputEdit,     {},                  {201, 55, 100, 20}},
    {kSpecificityLabel, K::Label,         kSpecificity,        {20, 80, 180, 20}},
    {kSpecificityEdit,  K::InputEdit,     {},                  {201, 80, 100, 20}},
    {kRunButton,        K::DefaultButton, kRun,                {10, kH - 34, 100, 24}},
    {kHelpButton,       K::PushButton,    kHelp,               {112, kH - 34, 100, 24}},
    {kResultsGroup,     K::GroupBox,      kResults,            {kHalfW - 5, 5, kHalfW - 10, 172}, F::Bold},
    {kTrueLabel,        K::Label,         kTruePrevalence,     {kHalfW + 5, 30, 195, 20}},
    {kTrueResult,       K::ResultEdit,    {},                  {kHalfW + 202, 30, 100, 20}, F::Bold, A::Centre},
    {kNote,             K::NoteEdit,      {},                  {kHalfW, 71, kHalfW - 20, 100}, F::Bold},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4700, kApparentEdit, kRunButton, kHelpButton);

}  // namespace true_prevalence
