// Replacement of the placeholders "{1}" to "{4}" in catalogue texts.
#pragma once

// Replaces every occurrence of token in text (a buffer of capacity
// characters) by replacement, scanning from the start and resuming behind
// each replaced occurrence, so a replacement is never scanned again. The
// result is cut to capacity - 1 characters.
//
// The text is left as it is when any argument is missing, the text or the
// token is empty, the token or the replacement is longer than the text, the
// text length plus the token or the replacement length exceeds the capacity,
// or the text holds none of the token's characters.
void ReplacePlaceholder(wchar_t* text, const wchar_t* token, const wchar_t* replacement,
                        int capacity);
