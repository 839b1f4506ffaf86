// The active form's inputs and results carried into a document: copied to
// the clipboard, saved as a text or CSV file, or printed. Available while
// the form shows the results of its current inputs.
#pragma once

#include <windows.h>

// The calculator form the commands act on now: the active child when it is
// a form whose results belong to its current inputs; null otherwise.
HWND FormWithCurrentResults();

// Whether a form's results belong to its current inputs: set when a run
// shows results, cleared when an input changes.
void SetResultsCurrent(HWND form, bool current);

// The text of the active form's report: its title, the date, its inputs and
// its results, tab-separated.
void CopyResults(HWND form);
// Asks for a file (text or CSV) and writes the report to it in UTF-8.
void SaveResults(HWND form);
// Prints the report through the system's print dialog.
void PrintResults(HWND form);

// Greys or enables the three commands in a menu.
void EnableReportCommands(HMENU menu);
