// The open-file and save-file dialogs of the file-based forms. Both offer
// the filters "All" (*.*) and "Text" (*.TXT), with Text preselected, and
// start in the directory of the last path chosen in either of them.
#pragma once

#include <windows.h>

#include <string>

// Capacity of the path buffers the forms pass, in characters.
constexpr int kPathCapacity = 260;

// True when the user chose an existing file; its path (at most 260
// characters, terminated) is copied to path and its directory becomes the
// last directory. A cancelled dialog changes nothing.
bool ChooseFileToOpen(HWND owner, wchar_t* path);

// The same for a file to write, asking before an existing file is
// overwritten, with a Help button.
bool ChooseFileToSave(HWND owner, wchar_t* path);

// The directory the next dialog starts in; empty until a path was chosen.
const wchar_t* LastDirectory();

// The save dialog of a form's report: a tab-separated text file or a CSV
// file, in the last directory, asking before an existing file is replaced.
// A path typed without an extension gets that of the chosen kind. True when
// a path was chosen; csv tells which kind.
bool ChooseReportFile(HWND owner, const wchar_t* text_files, const wchar_t* csv_files,
                      std::wstring* path, bool* csv);
