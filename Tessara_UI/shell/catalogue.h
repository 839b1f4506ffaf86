// The string catalogue: every text the program shows, in the language chosen
// at start. A text is named by its StringId (the English identifier); the
// resource loaded is StringId + LanguageOffset, so the language is a single
// number added at every load. Texts are loaded when they are needed and
// never cached.
#pragma once

#include <windows.h>

// The LanguageOffset of every load: one of kLanguageOffsetEnglish,
// kLanguageOffsetSpanish and kLanguageOffsetThai (string_ids.h). Start-up
// sets it once, before the frame window exists; until then it is English,
// which is also what the few texts loaded that early (the window title and
// class names) hold in every language.
void SetLanguageOffset(int language_offset);
int GetLanguageOffset();

// Copies the text of string_id + LanguageOffset from the string tables of
// instance into buffer, cut to capacity - 1 characters and terminated by a
// zero. A text that the chosen language lacks (or an identifier outside the
// range of resource numbers) leaves an empty text. Nothing is written when
// buffer is null or capacity is not positive.
void LoadText(HINSTANCE instance, int string_id, wchar_t* buffer, int capacity);

// The same from the program's own module, the one that holds the catalogue.
void LoadText(int string_id, wchar_t* buffer, int capacity);
