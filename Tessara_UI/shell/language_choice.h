// The language of the program's texts, its help file and its list
// separator, all chosen once at start from the user's locale: Spanish texts,
// help and ";" for a Spanish locale (its decimal comma would clash with ","),
// Thai texts with the English help for a Thai one, English otherwise.
#pragma once

#include <cstdint>

struct LanguageChoice {
  int language_offset;            // added to every StringId
  const wchar_t* help_file;       // bare file name, found beside the program
  const wchar_t* list_separator;  // field separator of the input files
};

inline constexpr std::uint16_t kPrimaryLanguageSpanishId = 0x0A;
inline constexpr std::uint16_t kPrimaryLanguageThaiId = 0x1E;

// primary_language: the low 10 bits of the user default locale identifier.
LanguageChoice ChooseLanguage(std::uint16_t primary_language);
