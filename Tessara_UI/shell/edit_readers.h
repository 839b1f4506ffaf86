// Reading the inputs of a form from its edit controls, and the message that
// tells the user which input is wrong.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The text of an edit as a number read sees it.
std::wstring ReadNumberTextOf(HWND form, int control_id);

// A real number from the edit, read whole in the decimal style of the
// user's locale (number_text.h); false for anything that is not one number.
bool ReadRealNumber(HWND form, int control_id, double* value);

// A whole number from the edit; "12.7" is refused, never read as 12.
bool ReadInteger(HWND form, int control_id, std::int32_t* value);

// The edit's text, at most 254 characters; false when it is empty.
bool ReadText(HWND form, int control_id, std::wstring* text);

// True when the edit holds at least one character.
bool HasText(HWND form, int control_id);

// The "Invalid Input" message: the catalogue text message_id in an
// information box owned by the form; the focus then goes to control_id,
// with an edit's text selected for retyping.
void ShowInputMessage(HWND form, int message_id, int control_id);
