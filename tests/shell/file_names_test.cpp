#include <gtest/gtest.h>

#include "file_names.h"

namespace {
TEST(HasExtension, ComparesTheTextAfterTheLastPointWithoutCase) {
  struct Case {
    const wchar_t* path;
    const wchar_t* extension;
    bool expected;
  } cases[] = {
      {L"C:\\data\\farms.txt", L"txt", true},
      {L"C:\\data\\farms.TXT", L"txt", true},
      {L"C:\\data\\farms.Txt", L"TXT", true},
      {L"C:\\data\\farms.csv", L"txt", false},
      {L"C:\\data\\farms", L"txt", false},
      {L"C:\\data.v2\\farms", L"txt", false},
      {L"C:\\data\\farms.txt.bak", L"txt", false},
      {L"C:\\data\\farms.", L"txt", true},  // nothing after the point to differ
      {L"C:\\data\\farms.text", L"txt", false},
      {L"farms.tx", L"txt", true},  // compared over the length of "tx" only
      {L"", L"txt", false},
  };
  for (const Case& c : cases) EXPECT_EQ(HasExtension(c.path, c.extension), c.expected) << c.path;
  EXPECT_FALSE(HasExtension(nullptr, L"txt"));
}
}  // namespace
