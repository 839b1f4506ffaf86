// The field separator of the lines of the input files, chosen once when the
// library is loaded: ";" where the user's language is Spanish (whose decimal
// comma would clash with ","), "," everywhere else.
#pragma once
#include <cstdint>

// At most 32 wide characters; never changed after load.
const wchar_t* ListSeparator();

// Chooses the separator from a primary language identifier (the low 10 bits
// of a Windows locale identifier; Spanish is 0x0A).
void ChooseListSeparator(std::uint16_t primary_language);

inline constexpr std::uint16_t kPrimaryLanguageSpanish = 0x0A;
