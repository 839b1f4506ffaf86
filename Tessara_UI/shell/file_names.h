// Tests on file names that the file-based forms make before they run.
#pragma once

// True when path holds a "." and the text after its last "." equals
// extension over the length of that text, without regard to case; a path
// ending in "." therefore passes for any extension.
bool HasExtension(const wchar_t* path, const wchar_t* extension);
