#include "interval_stratified_controls.h"

namespace interval_stratified {
namespace {

constexpr int kLevelOfConfidence = 11022;
constexpr int kRun = 11024;
constexpr int kHelp = 11025;
constexpr int kInput = 11027;
constexpr int kResults = 11037;
constexpr int kMinimumOfTwoStrata = 11039;
constexpr int kStratum = 11040;
constexpr int kLowerLimit = 11061;
constexpr int kUpperLimit = 11062;
constexpr int kPrevalence = 11063;
constexpr int kIndividualsInThePopulation = 11071;
constexpr int kIndividualsInTheSample = 11072;
constexpr int kProportionWithTheEvent = 11073;

using K = ControlKind;
using F = FontRole;
using A = Align;

// The rows of the strata, 21 pixels apart, created row by row: the
// stratum's number, then its population, sample and proportion. Their
// edits step by three identifiers from one stratum to the next, so they are
// written out rather than repeated.
constexpr const wchar_t* kNumbers[kStratumCount] = {L"1", L"2", L"3", L"4", L"5"};
constexpr int RowTop(int row) { return 191 + 21 * row; }
constexpr ControlRow NumberOf(int row) {
  return {kFirstStratumLabel + row, K::Label, kNumbers[row], {40, RowTop(row), 70, 20}, F::Regular, A::Centre};
}
constexpr ControlRow Edit(int id, int x, int row) { return {id, K::InputEdit, {}, {x, RowTop(row), 80, 20}}; }
constexpr ControlRow PopulationOf(int row) { return Edit(PopulationEdit(row), 180, row); }
constexpr ControlRow SampleOf(int row) { return Edit(SampleEdit(row), 320, row); }
constexpr ControlRow ProportionOf(int row) { return Edit(ProportionEdit(row), 460, row); }

// clang-format off
constexpr ControlRow kRows[] = {
    {kConfidenceLabel,   K::Label,        kLevelOfConfidence, {20, 30, 180, 20}},
    {kConfidenceList,    K::DropDownList, {},                 {201, 30, 100, 120}, F::Regular, A::Left, ListFill::Confidence},
    {kInputGroup,        K::GroupBox,     kInput,             {10, 5, 580, 312}, F::Bold},
    {kStrataGroup,       K::GroupBox,     {},                 {15, 55, 570, 252}, F::Regular, A::Centre},
    {kMinimumNote,       K::Label,        kMinimumOfTwoStrata, {20, 74, 560, 20}, F::Italic, A::Centre},
    {kTopRule,           K::Rule,         {},                 {20, 100, 560, 2}},
    {kStratumHeading,    K::Label,        kStratum,           {20, 131, 120, 20}, F::Regular, A::Centre},
    {kPopulationHeading, K::Label,        kIndividualsInThePopulation, {150, 121, 140, 60}, F::Regular, A::Centre},
    {kSampleHeading,     K::Label,        kIndividualsInTheSample,     {290, 121, 140, 60}, F::Regular, A::Centre},
    {kProportionHeading, K::Label,        kProportionWithTheEvent,     {430, 121, 140, 60}, F::Regular, A::Centre},
    {kHeadingRule,       K::Rule,         {},                 {20, 181, 560, 2}},
    NumberOf(0), PopulationOf(0), SampleOf(0), ProportionOf(0),
    NumberOf(1), PopulationOf(1), SampleOf(1), ProportionOf(1),
    NumberOf(2), PopulationOf(2), SampleOf(2), ProportionOf(2),
    NumberOf(3), PopulationOf(3), SampleOf(3), ProportionOf(3),
    NumberOf(4), PopulationOf(4), SampleOf(4), ProportionOf(4),
    {kRunButton,         K::DefaultButton, kRun,              {kW - 110, 10, 100, 24}},
    {kHelpButton,        K::PushButton,   kHelp,              {kW - 110, 36, 100, 24}},
    {kResultsGroup,      K::GroupBox,     kResults,           {10, 326, 290, 100}, F::Bold},
    {kLowerLabel,        K::Label,        kLowerLimit,        {20, 346, 180, 20}},
    {kLowerResult,       K::ResultEdit,   {},                 {201, 346, 50, 20}, F::Bold, A::Centre},
    {kPrevalenceLabel,   K::Label,        kPrevalence,        {20, 371, 180, 20}},
    {kPrevalenceResult,  K::ResultEdit,   {},                 {201, 371, 50, 20}, F::Bold, A::Centre},
    {kUpperLabel,        K::Label,        kUpperLimit,        {20, 396, 180, 20}},
    {kUpperResult,       K::ResultEdit,   {},                 {201, 396, 50, 20}, F::Bold, A::Centre},
};
// clang-format on

}  // namespace

const FormTable kTable = MakeFormTable(kRows, 4400, PopulationEdit(0), kRunButton, kHelpButton);

}  // namespace interval_stratified
