// The list separator chosen when the library is loaded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "list_separator.h"
#include "locale_language.h"

#if defined(_WIN32)
#include <windows.h>
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID);
#endif

namespace {
TEST(LocaleLanguage, PrimaryLanguageFromPosixNames) {
  struct Case {
    const char* name;
    std::uint16_t expected;
  } cases[] = {
      {"es_ES.UTF-8", 0x0A}, {"es_MX", 0x0A}, {"es", 0x0A},       {"ES_ar.utf8", 0x0A},
      {"es@euro", 0x0A},     {"en_US.UTF-8", 0}, {"th_TH.UTF-8", 0}, {"est_EE", 0},
      {"C", 0},              {"", 0},            {"e", 0},           {"POSIX", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(PrimaryLanguageOfLocaleName(c.name), c.expected) << c.name;
  EXPECT_EQ(PrimaryLanguageOfLocaleName(nullptr), 0);
}

TEST(ListSeparatorChoice, SpanishGivesSemicolonEverythingElseComma) {
  ChooseListSeparator(0x0A);
  EXPECT_EQ(std::wstring(ListSeparator()), L";");
  for (std::uint16_t language : {0x00, 0x09, 0x1E, 0x0C, 0x16}) {
    ChooseListSeparator(language);
    EXPECT_EQ(std::wstring(ListSeparator()), L",") << language;
  }
}

// Run by ctest once per user locale with TESSARA_EXPECT_LANGUAGE set: the
// separator the library chose at load must follow that locale.
TEST(LoadedSeparator, FollowsTheUserLocale) {
  const char* language = std::getenv("TESSARA_EXPECT_LANGUAGE");
  if (language == nullptr) GTEST_SKIP() << "run per locale by ctest";
#if defined(_WIN32)
  // In a test program nobody calls the library's entry: call it as the
  // loader does, and check that the Windows locale itself came through.
  const bool spanish = PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_SPANISH;
  EXPECT_EQ(spanish, std::string(language) == "es");
  ASSERT_TRUE(DllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH, nullptr));
#endif
  const std::wstring expected = std::string(language) == "es" ? L";" : L",";
  EXPECT_EQ(std::wstring(ListSeparator()), expected);
}
}  // namespace
