#include "selection_controls.h"

namespace selection_simple_random {
namespace {

using namespace selection;
using K = ControlKind;
using F = FontRole;

constexpr int kInputDataFile = 11076;
constexpr int kHowManyUnits = 11157;
constexpr int kListExplanation = 11158;
constexpr int kOutputFilePath = 11159;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kResults = 11037;

// clang-format off
constexpr ControlRow kRows[] = {
    {kInputLabel,         K::Label,         kInputDataFile,   {20, 30, 280, 20}},
    {kInputPathEdit,      K::InputEdit,     {},               {20, 55, 400, 20}},
    {kInputBrowseButton,  K::PushButton,    L"...",           {420, 53, 24, 22}, F::Bold},
    {kUnitsLabel,         K::Label,         kHowManyUnits,    {20, 84, 280, 40}},
    {kUnitsEdit,          K::InputEdit,     {},               {302, 100, 100, 20}},
    {kInputExplanation,   K::Label,         kListExplanation, {20, 149, 424, 140}, F::Regular, Align::Left,
     ListFill::None, {}, 2048},
    {kInputGroup,         K::GroupBox,      kInput,           {10, 5, 444, 300}, F::Bold},
    {kRunButton,          K::DefaultButton, kRun,             {kW - 110, 10, 100, 24}},
    {kHelpButton,         K::PushButton,    kHelp,            {kW - 110, 36, 100, 24}},
    {kOutputLabel,        K::Label,         kOutputFilePath,  {20, 335, 400, 20}},
    {kOutputPathEdit,     K::InputEdit,     {},               {20, 360, 400, 20}},
    {kOutputBrowseButton, K::PushButton,    L"...",           {420, 358, 24, 22}, F::Bold},
    {kStatusLine,         K::Label,         {},               {20, 401, 424, 20}},
    {kResultsGroup,       K::GroupBox,      kResults,         {10, 310, 444, 120}, F::Bold},
};
// clang-format on

}  // namespace

// The form first gives the focus to the output's browse button.
const FormTable kTable = MakeFormTable(kRows, kIdBlock, kOutputBrowseButton, kRunButton, kHelpButton);

}  // namespace selection_simple_random
