#include "edit_readers.h"

#include "catalogue.h"
#include "number_text.h"
#include "program_state.h"
#include "string_ids.h"

namespace {
constexpr int kTextReadCapacity = 255;  // at most 254 characters
}  // namespace

namespace {
// Read with room for more than a number may hold, so that a text too long to
// be one is seen whole and refused instead of cut into another number.
constexpr int kNumberReadCapacity = 2 * kNumberTextCapacity;
}  // namespace

std::wstring ReadNumberTextOf(HWND form, int control_id) {
  wchar_t text[kNumberReadCapacity] = L"";
  GetDlgItemTextW(form, control_id, text, kNumberReadCapacity);
  return text;
}

bool ReadRealNumber(HWND form, int control_id, double* value) {
  return ReadRealNumberText(ReadNumberTextOf(form, control_id).c_str(), Program().decimal_style,
                            value);
}

bool ReadInteger(HWND form, int control_id, std::int32_t* value) {
  return ReadIntegerText(ReadNumberTextOf(form, control_id).c_str(), Program().decimal_style,
                         value);
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
  HWND control = GetDlgItem(form, control_id);
  SetFocus(control);
  // The user retypes the value: select what is there.
  wchar_t class_name[16] = L"";
  GetClassNameW(control, class_name, 16);
  if (lstrcmpiW(class_name, L"edit") == 0) SendMessageW(control, EM_SETSEL, 0, -1);
}
