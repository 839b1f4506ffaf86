// Reading a form's inputs the way every form does: each value read and
// checked, and at the first bad one the "Invalid Input" message with the
// focus on its control. Each reader answers false after showing the message.
#pragma once

#include <windows.h>

#include <cstdint>

// A fraction the forms accept: 1e-15 <= x < 1 (BelowOne) or <= 1 (UpToOne).
enum class FractionRange { BelowOne, UpToOne };

bool ReadFractionInput(HWND form, int edit, int message_id, FractionRange range, float* value);

// A positive quantity without upper bound (a mean, a deviation, a
// precision): 1e-15 <= x.
bool ReadPositiveInput(HWND form, int edit, int message_id, float* value);

// A whole number of at least minimum.
bool ReadWholeInput(HWND form, int edit, int message_id, std::int32_t minimum,
                    std::int32_t* value);

// The item data of a list's selection; false (after the message) when
// nothing is selected.
bool ReadListInput(HWND form, int list, int message_id, std::int32_t* value);

// The level of confidence of a confidence list, with its message 11030.
bool ReadConfidenceInput(HWND form, int list, std::int32_t* level);
