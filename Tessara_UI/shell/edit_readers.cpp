#include "edit_readers.h"

#include "catalogue.h"
#include "number_text.h"
#include "string_ids.h"

namespace {
constexpr int kTextReadCapacity = 255;  // at most 254 characters
}  // namespace

std::wstring ReadNumberTextOf(HWND form, int control_id) {
  wchar_t text[kNumberTextCapacity] = L"";
  GetDlgItemTextW(form, control_id, text, kNumberTextCapacity);
  return text;
}

bool ReadRealNumber(HWND form, int control_id, double* value) {
  return ReadRealNumberText(ReadNumberTextOf(form, control_id).c_str(), value);
}

bool ReadInteger(HWND form, int control_id, std::int32_t* value) {
  return ReadIntegerText(ReadNumberTextOf(form, control_id).c_str(), value);
}

bool ReadText(HWND form, int control_id, std::wstring* text) {
  wchar_t buffer[kTextReadCapacity] = L"";
  GetDlgItemTextW(form, control_id, buffer, kTextReadCapacity);
  *text = buffer;
  return !text->empty();
}

bool HasText(HWND form, int control_id) {
  std::wstring ignored;
  return ReadText(form, control_id, &ignored);
}

void ShowInputMessage(HWND form, int message_id, int control_id) {
  wchar_t message[kLongTextCapacity];
  wchar_t title[kShortTextCapacity];
  LoadText(message_id, message, kLongTextCapacity);
  LoadText(IDS_INVALID_INPUT, title, kShortTextCapacity);
  MessageBoxW(form, message, title, MB_OK | MB_ICONINFORMATION);
  SetFocus(GetDlgItem(form, control_id));
}
