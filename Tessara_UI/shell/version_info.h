// The program's version information, read from the version resource of its
// own file: the four-part file version and the product texts of the New
// Zealand English (0x1409) string table. Shown by the About box and the
// splash screen.
#pragma once

#include <windows.h>

// "major.minor.patch.build" from the two 32-bit halves of the fixed file
// version (most significant word first). buffer receives at most capacity-1
// characters.
void FormatFileVersion(DWORD most_significant, DWORD least_significant, wchar_t* buffer,
                       int capacity);

// The file version of the program into buffer; false (and an empty text)
// when the version resource cannot be read.
bool ReadVersionText(wchar_t* buffer, int capacity);

// The product texts, each cut to capacity-1 characters (empty when absent);
// true when the copyright is not empty.
bool ReadVersionStrings(wchar_t* product, wchar_t* company, wchar_t* copyright,
                        wchar_t* comments, int capacity);

// The language of the version strings the program reads.
constexpr WORD kVersionLanguage = 0x1409;
