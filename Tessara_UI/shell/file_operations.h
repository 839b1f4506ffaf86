// The file operations of the file-based forms: what they test before a run
// and how they show its output.
#pragma once

#include <windows.h>

// True when the path's attributes can be read.
bool FileExists(const wchar_t* path);

// The number of lines before the file's first empty line; -1 when the file
// cannot be opened or has no such line.
int CountFileLines(const wchar_t* path);

// The path of a system folder (a CSIDL value) into buffer (260 characters);
// true when the system gives it.
bool GetSpecialFolder(int folder, wchar_t* buffer);

// Beeps, then starts the program with the arguments through the shell verb
// "open", maximized, without waiting for it.
void OpenWithProgram(const wchar_t* program, const wchar_t* arguments);

// The system's text for the last error code in a "Tessara Error" box.
void ShowLastErrorMessage();
