// The text operations the forms share for numbers: the number check that an
// edit's text must pass, its conversion, fixed-point formatting and the trim
// of trailing zeros. Plain C++ over wide strings, no window in sight.
#pragma once
#include <cstddef>
#include <cstdint>

// Edits are read with a 32-character buffer: at most 31 characters count.
inline constexpr int kNumberTextCapacity = 32;

// True when the text may be a number: not empty, the first character a
// digit, "-", "+", "." or ",", every later one a digit, "." or ",". Several
// points or commas pass.
bool PassesNumberCheck(const wchar_t* text);

// How the user's locale writes decimals. A point is a decimal point in
// every language; where decimals are written with a comma (Spanish), one
// comma is a decimal point too; elsewhere commas can only group thousands.
enum class DecimalStyle { PointOnly, CommaToo };

// The longest number text that is read: what a 32-character read of an
// edit holds. A longer text is refused rather than cut into another number.
inline constexpr std::size_t kLongestNumberText = kNumberTextCapacity - 1;

// The text as the user meant it, or false. A number is an optional sign,
// digits with at most one decimal separator, and nothing else: "0.5.5",
// "50%", " 5", "1e-3" and texts longer than 31 characters are refused, never
// read as a prefix. Under PointOnly, commas may group the whole part in
// threes ("10,000", "1,000.5"); any other comma is refused ("0,5").
bool ReadRealNumberText(const wchar_t* text, DecimalStyle style, double* value);

// A whole number in the signed 32-bit range, or false: the same rules with
// no decimal separator at all ("2.9" and "10.000" are refused, never 2 or
// 10), and nothing beyond the int32 range.
bool ReadIntegerText(const wchar_t* text, DecimalStyle style, std::int32_t* value);

// Prints value with the format "%<width>.<decimals>f" into buffer, cut to
// capacity - 1 characters and always terminated.
void FormatNumber(double value, wchar_t* buffer, int capacity, int width, int decimals);

// Writes an integer in decimal into buffer (cut to capacity - 1).
void FormatInteger(std::int64_t value, wchar_t* buffer, int capacity);

// Removes from the end of text every character that belongs to set, so that
// "0.0500" trimmed of "0" becomes "0.05" and "1.0000" becomes "1.".
void TrimTrailing(wchar_t* text, const wchar_t* set);
