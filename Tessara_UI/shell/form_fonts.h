// The five fonts of the forms and the About box, all of the face
// "Arial Unicode MS" (whose glyphs cover the Thai texts), created with the
// frame window and deleted when it closes.
#pragma once

#include <windows.h>

struct FormFonts {
  HFONT regular = nullptr;     // 9.5 pt: labels, edits, lists, buttons
  HFONT bold = nullptr;        // 9.5 pt bold: group boxes, headings
  HFONT italic = nullptr;      // 9.5 pt italic: notes
  HFONT large_bold = nullptr;  // 13 pt bold: About box heading
  HFONT large = nullptr;       // 13 pt: About box title line
};

FormFonts& Fonts();

// Font height (negative: a character height in whole pixels) for a size in
// tenths of a point at a vertical resolution of pixels_per_inch, given the
// conversion of device units to logical units of the context used.
int FontHeightFromDeviceUnits(int device_units);
int DeviceUnitsForTenthsOfPoint(int tenths_of_point, int pixels_per_inch);

// Creates the five fonts for the screen, in the character set of the chosen
// language (THAI_CHARSET for Thai). A font that cannot be created stays null.
void CreateFormFonts(BYTE character_set);
void DeleteFormFonts();

// The character set of the fonts for a LanguageOffset.
BYTE FontCharacterSet(int language_offset);
