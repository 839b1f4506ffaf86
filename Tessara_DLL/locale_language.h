// Maps a POSIX locale name ("es_ES.UTF-8", "es", "th_TH") to the Windows
// primary language identifier of its language, for the few languages that
// matter to the library. Anything else gives 0 (neutral).
#pragma once
#include <cstdint>

std::uint16_t PrimaryLanguageOfLocaleName(const char* locale_name);
