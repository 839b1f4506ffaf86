// The text operations the forms share for numbers: the number check that an
// edit's text must pass, its conversion, fixed-point formatting and the trim
// of trailing zeros. Plain C++ over wide strings, no window in sight.
#pragma once
#include <cstdint>

// Edits are read with a 32-character buffer: at most 31 characters count.
inline constexpr int kNumberTextCapacity = 32;

// True when the text may be a number: not empty, the first character a
// digit, "-", "+", "." or ",", every later one a digit, "." or ",". Several
// points or commas pass.
bool PassesNumberCheck(const wchar_t* text);

// The text as a double, as the "C" locale reads it: the conversion stops at
// the first character that cannot continue a number ("0,5" gives 0, "1.2.3"
// gives 1.2, "-" gives 0). False when the text fails the number check. Only
// the first 31 characters are read.
bool ReadRealNumberText(const wchar_t* text, double* value);

// The text as a signed 32-bit integer, stopping at the first non-digit
// ("12.7" gives 12). Values beyond the int32 range are held at its ends.
bool ReadIntegerText(const wchar_t* text, std::int32_t* value);

// Prints value with the format "%<width>.<decimals>f" into buffer, cut to
// capacity - 1 characters and always terminated.
void FormatNumber(double value, wchar_t* buffer, int capacity, int width, int decimals);

// Writes an integer in decimal into buffer (cut to capacity - 1).
void FormatInteger(std::int64_t value, wchar_t* buffer, int capacity);

// Removes from the end of text every character that belongs to set, so that
// "0.0500" trimmed of "0" becomes "0.05" and "1.0000" becomes "1.".
void TrimTrailing(wchar_t* text, const wchar_t* set);
