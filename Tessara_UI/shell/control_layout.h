// The standard controls of the forms, created the one way every form and the
// main window creates them: children of the form, each with its own
// identifier, in the styles the forms share. Rectangles are pixels in the
// form's client area.
#pragma once

#include <windows.h>

struct ControlRect {
  int x;
  int y;
  int width;
  int height;
};

// How a label lines up its text.
enum class LabelAlignment { Left, Centre, Right };

HWND CreateLabel(HWND form, int id, const wchar_t* text, ControlRect rect,
                 LabelAlignment alignment = LabelAlignment::Left);
// A label whose text comes from the catalogue (loaded with capacity characters).
HWND CreateCatalogueLabel(HWND form, int id, int string_id, ControlRect rect,
                          LabelAlignment alignment = LabelAlignment::Left,
                          int capacity = 255);
// A static line with a border and no text.
HWND CreateSeparatorLine(HWND form, int id, ControlRect rect);
HWND CreateInputEdit(HWND form, int id, ControlRect rect);
// Read-only, centred, without a border: where a form writes its results.
HWND CreateResultEdit(HWND form, int id, ControlRect rect);
// A drop-down list without typing; the height includes the drop-down part.
HWND CreateDropDownList(HWND form, int id, ControlRect rect);
HWND CreateGroupBox(HWND form, int id, int string_id, ControlRect rect);
HWND CreatePushButton(HWND form, int id, int string_id, ControlRect rect);

// Sets a font, with redrawing, on every existing control from first_id to
// last_id; identifiers without a control are passed over.
void SetFontOnRange(HWND form, int first_id, int last_id, HFONT font);
void SetFontOn(HWND form, int id, HFONT font);

// Removes the Size and Maximize entries from the window's system menu.
void TrimSystemMenu(HWND window);

// What every build does first: the form can be neither resized nor
// maximized. Returns the client rectangle that the layout starts from.
RECT PrepareFormWindow(HWND form);
