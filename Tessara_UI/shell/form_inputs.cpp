#include "form_inputs.h"

#include "edit_readers.h"
#include "input_ranges.h"
#include "list_fillers.h"

namespace {
constexpr int kNoConfidenceMessage = 11030;  // "A value must be selected for the 'Confidence Interval'."

bool InRange(double value, FractionRange range) {
  return range == FractionRange::BelowOne ? IsFractionBelowOne(value) : IsFractionUpToOne(value);
}
}  // namespace

bool ReadFractionInput(HWND form, int edit, int message_id, FractionRange range, float* value) {
  double read = 0;
  if (!ReadRealNumber(form, edit, &read) || !InRange(read, range)) {
    ShowInputMessage(form, message_id, edit);
    return false;
  }
  *value = static_cast<float>(read);
  return true;
}

bool ReadPositiveInput(HWND form, int edit, int message_id, float* value) {
  double read = 0;
  if (!ReadRealNumber(form, edit, &read) || !IsPositiveForForms(read)) {
    ShowInputMessage(form, message_id, edit);
    return false;
  }
  *value = static_cast<float>(read);
  return true;
}

bool ReadWholeInput(HWND form, int edit, int message_id, std::int32_t minimum,
                    std::int32_t* value) {
  std::int32_t read = 0;
  if (!ReadInteger(form, edit, &read) || read < minimum) {
    ShowInputMessage(form, message_id, edit);
    return false;
  }
  *value = read;
  return true;
}

bool ReadListInput(HWND form, int list, int message_id, std::int32_t* value) {
  const int selected = ReadListSelection(form, list);
  if (selected == -1) {
    ShowInputMessage(form, message_id, list);
    return false;
  }
  *value = selected;
  return true;
}

bool ReadConfidenceInput(HWND form, int list, std::int32_t* level) {
  return ReadListInput(form, list, kNoConfidenceMessage, level);
}
