// The version text and strings, read from this test program's own version
// resource (version_fixture.rc): file version 2.3.0.2, and two translations
// of which only the New Zealand English one (0x1409) may be read.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "version_info.h"

namespace {

TEST(FileVersion, JoinsTheFourNumbersMostSignificantFirst) {
  wchar_t text[32];
  FormatFileVersion(0x00020003, 0x00000002, text, 32);
  EXPECT_STREQ(text, L"2.3.0.2");
  FormatFileVersion(0x0001000A, 0xFFFF0000, text, 32);
  EXPECT_STREQ(text, L"1.10.65535.0");
}

TEST(FileVersion, IsCutToTheCapacityAndStaysTerminated) {
  wchar_t text[8];
  wmemset(text, L'#', 8);
  FormatFileVersion(0xFFFFFFFF, 0xFFFFFFFF, text, 4);
  EXPECT_STREQ(text, L"655");
  EXPECT_EQ(text[4], L'#');
}

TEST(VersionText, IsTheProgramsFileVersion) {
  wchar_t text[64] = L"unchanged";
  ASSERT_TRUE(ReadVersionText(text, 64));
  EXPECT_STREQ(text, L"2.3.0.2");
}

TEST(VersionStrings, AreReadFromTheNewZealandEnglishTable) {
  wchar_t product[256], company[256], copyright[256], comments[256];
  ASSERT_TRUE(ReadVersionStrings(product, company, copyright, comments, 256));
  EXPECT_STREQ(product, L"Fixture product (en-NZ)");
  EXPECT_STREQ(company, L"Fixture company (en-NZ)");
  EXPECT_STREQ(copyright, L"© Fixture (en-NZ)");
  EXPECT_STREQ(comments, L"Fixture comments (en-NZ)");
}

TEST(VersionStrings, AreCutToTheCapacity) {
  wchar_t product[8], company[8], copyright[8], comments[8];
  ASSERT_TRUE(ReadVersionStrings(product, company, copyright, comments, 8));
  EXPECT_STREQ(product, L"Fixture");
  EXPECT_STREQ(copyright, L"© Fixtu");
}

}  // namespace
