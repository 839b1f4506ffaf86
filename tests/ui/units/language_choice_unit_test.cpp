// The language, help file and list separator chosen from the user locale.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "language_choice.h"

namespace {

struct LocaleCase {
  WORD primary_language;
  int language_offset;
  const wchar_t* help_file;
  const wchar_t* list_separator;
};

class LanguageChoiceTable : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LanguageChoiceTable, FollowsThePrimaryLanguage) {
  const LocaleCase& expected = GetParam();
  const LanguageChoice choice = ChooseLanguage(expected.primary_language);
  EXPECT_EQ(choice.language_offset, expected.language_offset);
  EXPECT_EQ(std::wstring(choice.help_file), expected.help_file);
  EXPECT_EQ(std::wstring(choice.list_separator), expected.list_separator);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageChoiceTable,
    ::testing::Values(LocaleCase{LANG_SPANISH, 2500, L"Tessara_es.chm", L";"},
                      LocaleCase{LANG_THAI, 5000, L"Tessara_en.chm", L","},
                      LocaleCase{LANG_ENGLISH, 0, L"Tessara_en.chm", L","},
                      // Every other language falls back to English.
                      LocaleCase{LANG_PORTUGUESE, 0, L"Tessara_en.chm", L","},
                      LocaleCase{LANG_FRENCH, 0, L"Tessara_en.chm", L","},
                      LocaleCase{LANG_NEUTRAL, 0, L"Tessara_en.chm", L","},
                      LocaleCase{0x3FF, 0, L"Tessara_en.chm", L","}));

TEST(LanguageChoice, SpanishOfEverySublanguageIsSpanish) {
  // The choice uses the primary language only: Mexico and Spain alike.
  for (LCID locale : {MAKELCID(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN), SORT_DEFAULT),
                      MAKELCID(MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN), SORT_DEFAULT)}) {
    EXPECT_EQ(ChooseLanguage(PRIMARYLANGID(LANGIDFROMLCID(locale))).language_offset, 2500);
  }
}

}  // namespace
