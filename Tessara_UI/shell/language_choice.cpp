#include "language_choice.h"

#include "string_ids.h"

LanguageChoice ChooseLanguage(std::uint16_t primary_language) {
  switch (primary_language) {
    case kPrimaryLanguageSpanishId:
      return {kLanguageOffsetSpanish, L"Tessara_es.chm", L";"};
    case kPrimaryLanguageThaiId:
      return {kLanguageOffsetThai, L"Tessara_en.chm", L","};
    default:
      return {kLanguageOffsetEnglish, L"Tessara_en.chm", L","};
  }
}
