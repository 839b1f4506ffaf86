// Sentences that the detection forms build from catalogue texts: a text
// with the placeholders "{1}", "{2}", ... filled in, and the numbers they
// put in them.
#pragma once

#include <initializer_list>
#include <string>

// The catalogue text string_id, loaded with capacity characters, with
// "{1}" replaced by the first value, "{2}" by the second, and so on (each
// by the placeholder replacement of the framework, with that capacity).
std::wstring FilledSentence(int string_id, int capacity,
                            std::initializer_list<std::wstring> values);

// value in fixed point with the given width and decimals, its trailing
// zeros trimmed: 0.05 with 4 decimals is "0.05", 1 is "1.".
std::wstring TrimmedNumber(double value, int width, int decimals);

// A whole number in decimal.
std::wstring WholeNumber(long long value);
