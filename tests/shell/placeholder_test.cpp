// Placeholder replacement in catalogue texts.
#include <gtest/gtest.h>

#include <string>

#include "placeholder.h"

namespace {
std::wstring Replace(const std::wstring& text, const wchar_t* token, const wchar_t* replacement,
                     int capacity) {
  wchar_t buffer[300] = {};
  text.copy(buffer, text.size());
  ReplacePlaceholder(buffer, token, replacement, capacity);
  return buffer;
}

TEST(Placeholder, ReplacesEveryOccurrence) {
  struct Case {
    const wchar_t* text;
    const wchar_t* token;
    const wchar_t* replacement;
    const wchar_t* result;
  } cases[] = {
      {L"Analysing {1} samples with {2} positives", L"{1}", L"25",
       L"Analysing 25 samples with {2} positives"},
      {L"{1} and {1} again", L"{1}", L"7", L"7 and 7 again"},
      {L"{1}{1}{1}", L"{1}", L"ab", L"ababab"},
      {L"no token here", L"{1}", L"x", L"no token here"},
      // The scan resumes behind a replacement, which is never scanned again.
      {L"{1} then {1}", L"{1}", L"{1}{1}", L"{1}{1} then {1}{1}"},
      {L"a{1}", L"{1}", L"", L"a"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Replace(c.text, c.token, c.replacement, 256), c.result) << c.text;
}

TEST(Placeholder, RefusalsLeaveTheTextAsItIs) {
  struct Case {
    const char* why;
    std::wstring text;
    const wchar_t* token;
    const wchar_t* replacement;
    int capacity;
  } cases[] = {
      {"empty token", L"abc {1}", L"", L"x", 256},
      {"token longer than text", L"{1", L"{1}", L"x", 256},
      {"replacement longer than text", L"{1}", L"{1}", L"2500", 256},
      {"text + token beyond capacity", L"12345678{1}", L"{1}", L"x", 13},
      {"text + replacement beyond capacity", L"1234{1}", L"{1}", L"123456", 12},
      {"none of the token's characters", L"plain text", L"{1}", L"x", 256},
  };
  for (const Case& c : cases) EXPECT_EQ(Replace(c.text, c.token, c.replacement, c.capacity), c.text) << c.why;

  wchar_t empty[8] = {};
  ReplacePlaceholder(empty, L"{1}", L"x", 8);
  EXPECT_EQ(std::wstring(empty), L"");
  ReplacePlaceholder(nullptr, L"{1}", L"x", 8);  // must not crash
  wchar_t text[16] = L"a {1}";
  ReplacePlaceholder(text, nullptr, L"x", 16);
  ReplacePlaceholder(text, L"{1}", nullptr, 16);
  EXPECT_EQ(std::wstring(text), L"a {1}");
}

TEST(Placeholder, CharactersOfTheTokenWithoutTheTokenChangeNothing) {
  // "{" is present, "{1}" is not: scanned, nothing replaced.
  EXPECT_EQ(Replace(L"set {a} here", L"{1}", L"x", 256), L"set {a} here");
}

TEST(Placeholder, ResultIsCutToTheCapacity) {
  // 12 characters in, each "{1}" (3) becomes "abcd" (4): the 16 characters
  // out do not fit a capacity of 16 (15 characters and the terminator).
  EXPECT_EQ(Replace(L"{1}{1}{1}{1}", L"{1}", L"abcd", 16), L"abcdabcdabcdabc");
}
}  // namespace
