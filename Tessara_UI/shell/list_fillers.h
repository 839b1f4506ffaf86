// The drop-down lists that several forms share: each filler adds its items
// in a fixed order, each with its item data, and selects the default item.
#pragma once

#include <windows.h>

// "90%", "95%", "99%" (data 90, 95, 99); "95%" selected.
void FillConfidenceList(HWND form, int list_id);
// "80%", "85%", "90%", "95%" (data 80 to 95); "80%" selected.
void FillPowerList(HWND form, int list_id);
// Empty (0), "Low" (1), "Medium" (2), "High" (3), "Unknown" (4); nothing selected.
void FillHomogeneityList(HWND form, int list_id);
// Empty (0), "Serial" (1), "Parallel" (2); nothing selected.
void FillInterpretationList(HWND form, int list_id);

// The item data of the current selection, -1 when nothing is selected.
int ReadListSelection(HWND form, int list_id);
