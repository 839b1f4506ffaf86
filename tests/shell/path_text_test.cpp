// Directories of chosen paths and the line count of input files.
#include <gtest/gtest.h>

#include <string>

#include "path_text.h"

namespace {
TEST(DirectoryOfPath, TextBeforeTheLastBackslash) {
  struct Case {
    const wchar_t* path;
    const wchar_t* directory;
  } cases[] = {
      {L"C:\\data\\farms\\list.txt", L"C:\\data\\farms"},
      {L"C:\\list.txt", L"C:"},
      {L"list.txt", L""},
      {L"\\\\server\\share\\a.txt", L"\\\\server\\share"},
      {L"C:\\data\\", L"C:\\data"},
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(DirectoryOfPath(c.path), c.directory) << c.path;
}

TEST(LineCount, LinesBeforeTheFirstEmptyLine) {
  struct Case {
    const char* content;
    int lines;
  } cases[] = {
      {"", 0},
      {"a", 1},                       // a last line without ending counts
      {"a\n", 1},
      {"a\nb\nc\n", 3},
      {"a\r\nb\r\n", 2},
      {"a\r\nb", 2},
      {"a\n\nb\nc\n", 1},             // stops at the empty line
      {"a\r\n\r\nb\r\n", 1},
      {"\nb\n", 0},
      {"a\n\r\nb", 1},                // a line of only "\r" is empty
      {"1,Farm A,20\n2,Farm B,35\n3,Farm C,12", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(CountLinesBeforeEmpty(c.content), c.lines) << c.content;
}
}  // namespace
