// Reading the grid of strata that the stratified forms share: strata 1 and
// 2 must be given, strata 3 to 5 may be. An optional row that is entirely
// empty ends the strata; every row after it must be empty too, so that no
// stratum the user typed is ever left out of the calculation unseen.
#pragma once

#include <windows.h>

#include "edit_readers.h"

struct StrataGrid {
  int rows;             // rows of the grid
  int required_rows;    // rows that must be filled, from the first
  int fields;           // edits per row
  int first_edit[3];    // the edit of each field in the first row
  int row_step;         // identifiers from one row to the next
};

// The edit of a field of a row (both counted from 0).
inline int StratumEdit(const StrataGrid& grid, int row, int field) {
  return grid.first_edit[field] + row * grid.row_step;
}

// True when the edit holds nothing but blanks.
bool IsBlankEdit(HWND form, int edit);

// True when no edit of the row holds anything but blanks.
bool IsEmptyStratumRow(HWND form, const StrataGrid& grid, int row);

// Reads the optional rows in order with read_row(row), which shows its own
// message and answers false at the first bad field. An empty row is passed
// over; a filled row after it shows gap_message with the focus on the empty
// row's first edit. False after a message.
template <typename ReadRow>
bool ReadOptionalStrata(HWND form, const StrataGrid& grid, int gap_message, ReadRow&& read_row) {
  int first_empty = -1;
  for (int row = grid.required_rows; row < grid.rows; ++row) {
    if (IsEmptyStratumRow(form, grid, row)) {
      if (first_empty < 0) first_empty = row;
      continue;
    }
    if (first_empty >= 0) {
      ShowInputMessage(form, gap_message, StratumEdit(grid, first_empty, 0));
      return false;
    }
    if (!read_row(row)) return false;
  }
  return true;
}
