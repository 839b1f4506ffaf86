// Writing a form's results into its result controls, in the formats the
// forms share.
#pragma once

#include <windows.h>

#include <cstdint>

// A whole number in decimal.
void SetIntegerResult(HWND form, int id, std::int64_t value);

// A real number in fixed point with the given decimals ("%0.<decimals>f").
void SetRealResult(HWND form, int id, double value, int decimals);

// The same with its trailing zeros trimmed ("0.0500" shows as "0.05").
void SetTrimmedRealResult(HWND form, int id, double value, int decimals);

// A text of the catalogue, in the user's language ("Yes", a note).
void SetCatalogueResult(HWND form, int id, int string_id, int capacity = 255);

// Empties a result control (a note that no longer applies).
void ClearResult(HWND form, int id);
