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
