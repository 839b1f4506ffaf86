// Reading the inputs of a form from its edit controls, and the message that
// tells the user which input is wrong.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The text of an edit as a number read reads it: at most 31 characters.
std::wstring ReadNumberTextOf(HWND form, int control_id);

// A real number from the edit: false when its text is empty or fails the
// number check; otherwise the "C" locale conversion, which stops at the
// first character that cannot continue a number ("0,5" reads as 0).
bool ReadRealNumber(HWND form, int control_id, double* value);

// An integer from the edit, with the same checks; the conversion stops at
// the first non-digit ("12.7" reads as 12).
bool ReadInteger(HWND form, int control_id, std::int32_t* value);

// The edit's text, at most 254 characters; false when it is empty.
bool ReadText(HWND form, int control_id, std::wstring* text);

// True when the edit holds at least one character.
bool HasText(HWND form, int control_id);

// The "Invalid Input" message: the catalogue text message_id in an
// information box owned by the form; the focus then goes to control_id.
void ShowInputMessage(HWND form, int message_id, int control_id);
