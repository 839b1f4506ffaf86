#include "sample_size_simple_random_form.h"

#include <cstdint>

#include "control_layout.h"
#include "edit_readers.h"
#include "form_fonts.h"
#include "form_registry.h"
#include "frame_window.h"
#include "help_viewer.h"
#include "input_ranges.h"
#include "library_binding.h"
#include "list_fillers.h"
#include "number_text.h"
#include "resource.h"
#include "string_ids.h"

namespace {

constexpr int kFormKind = 10;

// Controls.
constexpr int kPrevalenceLabel = 4000;
constexpr int kPrevalenceEdit = 4001;
constexpr int kErrorLabel = 4002;
constexpr int kErrorEdit = 4003;
constexpr int kConfidenceLabel = 4004;
constexpr int kConfidenceList = 4005;
constexpr int kPopulationLabel = 4006;
constexpr int kPopulationEdit = 4007;
constexpr int kRunButton = 4008;
constexpr int kHelpButton = 4009;
constexpr int kInputGroup = 4011;
constexpr int kResultsGroup = 4012;
constexpr int kSampleSizeHeading = 4013;
constexpr int kLeftPopulationHeading = 4014;
constexpr int kRightAdjustedHeading = 4015;
constexpr int kRightPopulationHeading = 4016;
constexpr int kLeftAdjustedHeading = 4017;
constexpr int kFirstPopulationLabel = 4018;  // 4018 to 4033
constexpr int kLastRegularFontControl = 4033;
constexpr int kFirstResult = 4050;           // 4050 to 4066
constexpr int kTableLine = 4067;

// Texts.
constexpr int IDS_EXPECTED_PREVALENCE = 11020;
constexpr int IDS_RELATIVE_ERROR = 11021;
constexpr int IDS_LEVEL_OF_CONFIDENCE = 11022;
constexpr int IDS_POPULATION_SIZE = 11023;
constexpr int IDS_BAD_PREVALENCE = 11028;
constexpr int IDS_BAD_RELATIVE_ERROR = 11029;
constexpr int IDS_NO_CONFIDENCE = 11030;
constexpr int IDS_BAD_POPULATION = 11031;
constexpr int IDS_SAMPLE_SIZE = 11033;
constexpr int IDS_ADJUSTED_N = 11034;
constexpr int IDS_INFINITE = 11035;
constexpr int IDS_POPULATION_TWO_LINES = 11036;

// The library's answer: the user's population, the fifteen fixed ones,
// then an infinite population.
constexpr int kResultCount = 17;
constexpr int kRowsPerColumn = 8;
constexpr int kRowPitch = 21;
constexpr const wchar_t* kFixedPopulations[] = {
    L"50",   L"100",  L"150",  L"200",  L"300",  L"400",  L"500",  L"750",
    L"1000", L"1500", L"2000", L"3500", L"5000", L"7500", L"10000"};

using SampleSizeExport = std::uint32_t(WINAPI*)(float prevalence, float relative_error,
                                                std::int32_t confidence_level,
                                                std::int32_t population, std::int32_t* out);

struct Inputs {
  float prevalence = 0;
  float relative_error = 0;
  std::int32_t confidence_level = 0;
  std::int32_t population = 0;
  bool ok = false;
};

void CreateInputs(HWND form) {
  CreateCatalogueLabel(form, kPrevalenceLabel, IDS_EXPECTED_PREVALENCE, {20, 30, 180, 20});
  CreateInputEdit(form, kPrevalenceEdit, {201, 30, 100, 20});
  CreateCatalogueLabel(form, kErrorLabel, IDS_RELATIVE_ERROR, {20, 55, 180, 20});
  CreateInputEdit(form, kErrorEdit, {201, 55, 100, 20});
  CreateCatalogueLabel(form, kConfidenceLabel, IDS_LEVEL_OF_CONFIDENCE, {20, 80, 180, 20});
  CreateDropDownList(form, kConfidenceList, {201, 80, 100, 120});
  FillConfidenceList(form, kConfidenceList);
  CreateCatalogueLabel(form, kPopulationLabel, IDS_POPULATION_SIZE, {20, 105, 180, 20});
  CreateInputEdit(form, kPopulationEdit, {201, 105, 100, 20});
  CreateGroupBox(form, kInputGroup, IDS_INPUT, {10, 5, 310, 128});
}

void CreateButtons(HWND form, int width) {
  CreatePushButton(form, kRunButton, IDS_RUN, {width - 110, 10, 100, 24});
  CreatePushButton(form, kHelpButton, IDS_HELP, {width - 110, 36, 100, 24});
}

// The table of results: the sample size for the user's population on the
// left, then two columns of fixed population sizes with their adjusted n.
void CreateResults(HWND form, int width, int height) {
  const int y = height / 2 - 20;
  const int first_row = y + 44;
  CreateCatalogueLabel(form, kSampleSizeHeading, IDS_SAMPLE_SIZE, {20, y, 180, 20},
                       LabelAlignment::Centre);
  CreateResultEdit(form, kFirstResult, {60, y + 25, 100, 20});
  CreateCatalogueLabel(form, kLeftPopulationHeading, IDS_POPULATION_TWO_LINES,
                       {220, y, 100, 40}, LabelAlignment::Centre);
  CreateCatalogueLabel(form, kLeftAdjustedHeading, IDS_ADJUSTED_N, {320, y + 16, 100, 20},
                       LabelAlignment::Centre);
  CreateCatalogueLabel(form, kRightPopulationHeading, IDS_POPULATION_TWO_LINES,
                       {420, y, 100, 40}, LabelAlignment::Centre);
  CreateCatalogueLabel(form, kRightAdjustedHeading, IDS_ADJUSTED_N, {520, y + 16, 100, 20},
                       LabelAlignment::Centre);
  CreateSeparatorLine(form, kTableLine, {220, y + 40, 400, 2});
  for (int row = 0; row < kResultCount - 1; ++row) {
    const int column = row / kRowsPerColumn;
    const int label_x = 230 + 200 * column;
    const int top = first_row + kRowPitch * (row % kRowsPerColumn);
    const int label_id = kFirstPopulationLabel + row;
    const bool infinite = row == kResultCount - 2;
    if (infinite) {
      CreateCatalogueLabel(form, label_id, IDS_INFINITE, {label_x, top, 50, 20},
                           LabelAlignment::Right);
    } else {
      CreateLabel(form, label_id, kFixedPopulations[row], {label_x, top, 50, 20},
                  LabelAlignment::Right);
    }
    CreateResultEdit(form, kFirstResult + 1 + row, {label_x + 100, top, 75, 20});
  }
  CreateGroupBox(form, kResultsGroup, IDS_RESULTS,
                 {10, first_row - 70, width - 20, height - first_row + 60});
}

void SetFonts(HWND form) {
  const FormFonts& fonts = Fonts();
  SetFontOnRange(form, kPrevalenceLabel, kLastRegularFontControl, fonts.regular);
  SetFontOn(form, kInputGroup, fonts.bold);
  SetFontOn(form, kResultsGroup, fonts.bold);
}

// Reads one fraction; false (after the message) when it is out of range.
bool ReadFraction(HWND form, int edit, int message, float* value) {
  double read = 0;
  if (!ReadRealNumber(form, edit, &read) || !IsFractionBelowOne(read)) {
    ShowInputMessage(form, message, edit);
    return false;
  }
  *value = static_cast<float>(read);
  return true;
}

Inputs ReadInputs(HWND form) {
  Inputs inputs;
  if (!ReadFraction(form, kPrevalenceEdit, IDS_BAD_PREVALENCE, &inputs.prevalence)) return inputs;
  if (!ReadFraction(form, kErrorEdit, IDS_BAD_RELATIVE_ERROR, &inputs.relative_error))
    return inputs;
  inputs.confidence_level = ReadListSelection(form, kConfidenceList);
  if (inputs.confidence_level == -1) {
    ShowInputMessage(form, IDS_NO_CONFIDENCE, kConfidenceList);
    return inputs;
  }
  if (!ReadInteger(form, kPopulationEdit, &inputs.population) || inputs.population < 1) {
    ShowInputMessage(form, IDS_BAD_POPULATION, kPopulationEdit);
    return inputs;
  }
  inputs.ok = true;
  return inputs;
}

void ShowResults(HWND form, const std::int32_t (&sizes)[kResultCount]) {
  for (int k = 0; k < kResultCount; ++k) {
    wchar_t text[kNumberTextCapacity];
    FormatInteger(sizes[k], text, kNumberTextCapacity);
    SetDlgItemTextW(form, kFirstResult + k, text);
  }
}

void Run(HWND form, const Inputs& inputs) {
  std::int32_t sizes[kResultCount] = {};
  RunExport<SampleSizeExport>(
      kFormKind, FormEntryOf(kFormKind).export_name,
      [&](SampleSizeExport entry) {
        return LibraryAnswer{entry(inputs.prevalence, inputs.relative_error,
                                   inputs.confidence_level, inputs.population, sizes)};
      },
      [&] { ShowResults(form, sizes); });
}

}  // namespace

HWND BuildSampleSizeSimpleRandomForm(HWND form) {
  const RECT client = PrepareFormWindow(form);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  CreateInputs(form);
  CreateButtons(form, width);
  CreateResults(form, width, height);
  SetFonts(form);
  return GetDlgItem(form, kPrevalenceEdit);
}

bool HandleSampleSizeSimpleRandomCommand(HWND form, WORD command, WORD) {
  if (command == kRunButton || command == IDM_RUN_FORM) {
    const Inputs inputs = ReadInputs(form);
    if (inputs.ok) Run(form, inputs);
    return true;
  }
  if (command == kHelpButton || command == kFormHelpCommand) {
    ShowHelp(FormEntryOf(kFormKind).help_topic);
    return true;
  }
  return false;
}
