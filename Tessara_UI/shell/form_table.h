// A form's controls as data: one constant table per form, a row per control
// in creation order (which is also the tab order), built by one loop of the
// framework. Plain C++ without <windows.h>, so that the tables can be read by
// native tests and tools as well as by the program.
//
// Positions may depend on the size of the form's client area, W wide and H
// high. A position is written as an expression over W, H and their integer
// halves, so a row reads like the layout it was drawn from:
//   {kW - 110, 10, 100, 24}        a button 110 pixels from the right edge
//   {kHalfW + 5, 30, 200, 20}      a label in the right half
//   {10, kH - 34, 100, 24}         a button near the bottom
#pragma once

#include <cstddef>
#include <vector>

// A = w·W + w2·(W / 2) + h·H + h2·(H / 2) + pixels, with integer halves.
struct Measure {
  int w = 0;
  int half_w = 0;
  int h = 0;
  int half_h = 0;
  int pixels = 0;

  constexpr Measure() = default;
  constexpr Measure(int value) : pixels(value) {}  // NOLINT: plain pixels read naturally
  constexpr Measure(int w_, int half_w_, int h_, int half_h_, int pixels_)
      : w(w_), half_w(half_w_), h(h_), half_h(half_h_), pixels(pixels_) {}

  constexpr int At(int width, int height) const {
    return w * width + half_w * (width / 2) + h * height + half_h * (height / 2) + pixels;
  }
};

constexpr Measure operator+(Measure a, Measure b) {
  return {a.w + b.w, a.half_w + b.half_w, a.h + b.h, a.half_h + b.half_h, a.pixels + b.pixels};
}
constexpr Measure operator-(Measure a, Measure b) {
  return {a.w - b.w, a.half_w - b.half_w, a.h - b.h, a.half_h - b.half_h, a.pixels - b.pixels};
}
constexpr Measure operator+(Measure a, int b) { return a + Measure(b); }
constexpr Measure operator-(Measure a, int b) { return a - Measure(b); }

inline constexpr Measure kW{1, 0, 0, 0, 0};
inline constexpr Measure kHalfW{0, 1, 0, 0, 0};
inline constexpr Measure kH{0, 0, 1, 0, 0};
inline constexpr Measure kHalfH{0, 0, 0, 1, 0};

struct ControlBox {
  Measure x;
  Measure y;
  Measure width;
  Measure height;
};

enum class ControlKind {
  Label,          // "static" text
  Rule,           // "static" with a border and no text: a horizontal or vertical line
  InputEdit,      // bordered edit with a tab stop
  ResultEdit,     // read-only edit without a border, where results are written
  NoteEdit,       // read-only multi-line edit without a border, with a tab stop
  DropDownList,   // "combobox" drop-down list, no typing; the height includes the list
  GroupBox,       // "BUTTON" group box
  PushButton,     // "BUTTON" push button with a tab stop
  DefaultButton,  // the push button that Enter presses (a form's Run)
};

enum class Align { Left, Centre, Right };

// Which of the framework's form fonts a control gets; Default leaves the
// control's own font.
enum class FontRole { Default, Regular, Bold, Italic };

// The shared list a drop-down list is filled with when it is built.
enum class ListFill { None, Confidence, Power, Homogeneity, Interpretation };

// A control's text: a catalogue StringId, a fixed literal, a number written
// in decimal (the population sizes of a table), or nothing.
struct ControlText {
  int string_id = 0;
  const wchar_t* literal = nullptr;
  bool is_number = false;
  int number = 0;

  constexpr ControlText() = default;
  constexpr ControlText(int id) : string_id(id) {}               // NOLINT
  constexpr ControlText(const wchar_t* text) : literal(text) {}  // NOLINT
  static constexpr ControlText Number(int value) {
    ControlText text;
    text.is_number = true;
    text.number = value;
    return text;
  }
  constexpr bool empty() const {
    return string_id == 0 && !is_number && (literal == nullptr || *literal == 0);
  }
};

// Rows repeated as a block: the row that carries it and the rows - 1 rows
// after it are created count times, block k with identifiers + k and moved
// by k·step_y (after per_column blocks, a new column step_x to the right).
// Block k's texts: texts[k] when a text list is given, the number k + 1
// when numbered, the row's own text otherwise.
struct Repeat {
  int count = 1;
  int rows = 1;
  int step_y = 0;
  int per_column = 0;  // 0: one column
  int step_x = 0;
  const ControlText* texts = nullptr;  // for the first row of the block only
  bool numbered = false;               // for the first row of the block only
};

struct ControlRow {
  int id;
  ControlKind kind;
  ControlText text;
  ControlBox box;
  FontRole font = FontRole::Regular;
  Align align = Align::Left;
  ListFill list = ListFill::None;
  Repeat repeat = {};
  // Catalogue texts are loaded with this many characters (descriptions: 2048).
  int capacity = 255;
};

struct FormTable {
  const ControlRow* rows;
  std::size_t row_count;
  int id_block;     // the form's identifiers lie from id_block to id_block + 99
  int first_focus;  // the control that holds the focus when the form first shows
  int run_button;
  int help_button;
};

template <std::size_t N>
constexpr FormTable MakeFormTable(const ControlRow (&rows)[N], int id_block, int first_focus,
                                  int run_button, int help_button) {
  return {rows, N, id_block, first_focus, run_button, help_button};
}

// One control where the table puts it on a client area of a given size.
struct PlacedControl {
  int id;
  ControlKind kind;
  ControlText text;
  int x;
  int y;
  int width;
  int height;
  FontRole font;
  Align align;
  ListFill list;
  int capacity;
};

// Every control of the table in creation order, repeated blocks expanded.
std::vector<PlacedControl> PlaceControls(const FormTable& table, int width, int height);

// The forms are 745 x 460 pixels; the client area that their layouts are
// drawn for (inside the MDI child's caption and borders).
inline constexpr int kFormClientWidth = 737;
inline constexpr int kFormClientHeight = 433;
