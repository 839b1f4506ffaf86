// Selection with probability proportional to size.
//
// In a fresh thread the one draw is 41, so the start is
// S = trunc(41 / 32768 * I) + 1, which is 1 for every interval I below 800;
// the second draw of a thread is 18467.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "dynamic_library.h"
#include "file_test_support.h"
#include "tessara.h"

namespace {
using file_test::InFreshThread;
using file_test::ListText;
using file_test::ReadBytes;
using file_test::TempFolder;
using file_test::WriteBytes;

struct Outcome {
  ResultCode code = 1;
  std::int32_t row = -7;
  std::string output;
};

Outcome Select(std::int32_t units, const std::wstring& input, const std::wstring& output) {
  Outcome outcome;
  outcome.code = TESSARA_BIND(Selection_ProbabilityProportional)(units, input.c_str(),
                                                                 output.c_str(), &outcome.row);
  outcome.output = ReadBytes(output);
  return outcome;
}

Outcome SelectFresh(std::int32_t units, const std::string& list) {
  TempFolder folder;
  const std::wstring input = folder.File("sizes.txt");
  WriteBytes(input, list);
  return InFreshThread([&] { return Select(units, input, folder.File("out.txt")); });
}

struct WalkCase {
  const char* what;
  std::string list;
  std::int32_t units;
  std::string expected;
};

const WalkCase kWalkCases[] = {
    // T = 10, 3 units: I = 3, positions 1, 4, 7, 10: four selections.
    {"truncated interval selects more than asked", ListText("a|2\nb|3\nc|4\nd|1\n"), 3,
     "a,1\r\nb,1\r\nc,1\r\nd,1\r\n"},
    {"a large unit is listed once with r", ListText("a|5\nb|5\nc|0\n"), 3, "a,2\r\nb,2\r\n"},
    {"units not hit are left out", ListText("a|1\nb|8\nc|1\n"), 1, "a,1\r\n"},
    {"every size zero gives an empty output", ListText("a|0\nb|0\n"), 2, ""},
    {"the identifier is written as it stood", ListText("u7 |12\n"), 1, "u7 ,1\r\n"},
    {"a leading separator is skipped", ListText("|a|5\n"), 1, "a,1\r\n"},
    {"blanks before the size", ListText("a| 5\nb|5\n"), 1, "a,1\r\n"},
    {"a size that is not a number is 0", ListText("a|x\nb|4\n"), 1, "b,1\r\n"},
    // Sizes 7 and 1: T = 8, I = 4, the positions 1 and 5 both in a.
    {"digits up to the first other character", ListText("a|7.9\nb|1e3\n"), 2, "a,2\r\n"},
    {"a negative size is never hit", ListText("a|-3\nb|8\n"), 1, "b,1\r\n"},
    {"CR LF lines", ListText("a|5\r\nb|5\r\nc|0\r\n"), 3, "a,2\r\nb,2\r\n"},
    {"records end at the first empty line", ListText("a|5\n\nb|5\n"), 1, "a,1\r\n"},
    // T = 4e9 leaves the int32 range: I = 2e9, S = trunc(41 / 32768 * 2e9) + 1
    // = 2502442, the positions 2502442 and 2002502442.
    {"a total beyond int32", ListText("a|2000000000\nb|2000000000\n"), 2, "a,1\r\nb,1\r\n"},
};

TEST(SelectionProportional, SystematicWalkAlongTheCumulatedSizes) {
  for (const WalkCase& c : kWalkCases) {
    const Outcome outcome = SelectFresh(c.units, c.list);
    EXPECT_EQ(outcome.code, rc::Success) << c.what;
    EXPECT_EQ(outcome.output, c.expected) << c.what;
    EXPECT_EQ(outcome.row, -7) << c.what;
  }
}

// Every record line of a list with further columns after the size: the
// column headings of a spreadsheet export, say. A line's empty ending
// and its CR stay as they were.
std::string WithFurtherColumns(const std::string& list) {
  std::string wider;
  std::size_t begin = 0;
  while (begin < list.size()) {
    std::size_t end = list.find('\n', begin);
    if (end == std::string::npos) end = list.size();
    std::string line = list.substr(begin, end - begin);
    const bool cr = !line.empty() && line.back() == '\r';
    if (cr) line.pop_back();
    if (!line.empty()) line += ListText("|north farm|7||x");
    wider += line + (cr ? "\r" : "") + (end < list.size() ? "\n" : "");
    begin = end + 1;
  }
  return wider;
}

TEST(SelectionProportional, FurtherColumnsAreIgnored) {
  for (const WalkCase& c : kWalkCases) {
    const std::string wider = WithFurtherColumns(c.list);
    ASSERT_NE(wider, c.list) << c.what;
    const Outcome outcome = SelectFresh(c.units, wider);
    EXPECT_EQ(outcome.code, rc::Success) << c.what;
    EXPECT_EQ(outcome.output, c.expected) << c.what;
    EXPECT_EQ(outcome.row, -7) << c.what;
  }
  EXPECT_EQ(WithFurtherColumns(ListText("a|5\r\n\nb|5")),
            ListText("a|5|north farm|7||x\r\n\nb|5|north farm|7||x"));
}

// With sizes that add up to fewer than the units asked for, the interval
// T / units is 0 and no step could leave the first unit with a size: the
// request is refused, nothing is written, and no random value is drawn.
TEST(SelectionProportional, ATotalBelowTheUnitsIsRefused) {
  const struct {
    const char* what;
    std::string list;
    std::int32_t units;
  } cases[] = {
      {"total 2, 3 units", ListText("a|0\nb|1\nc|1\n"), 3},
      {"total 1, 2 units", ListText("a|1\nb|0\n"), 2},
      {"a negative size lowers the total", ListText("a|5\nb|-3\nc|0\n"), 3},
      {"total 4, 5 units", ListText("a|1\nb|1\nc|1\nd|1\ne|0\n"), 5},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::wstring input = folder.File("sizes.txt");
    const std::wstring output = folder.File("out.txt");
    WriteBytes(input, c.list);
    WriteBytes(output, "previous\r\n");
    const auto outcomes = InFreshThread([&] {
      const Outcome refused = Select(c.units, input, output);
      // The first draw of the thread is still to come: 41, start 1.
      WriteBytes(input, ListText("a|5\nb|5\n"));
      return std::make_pair(refused, Select(1, input, folder.File("next.txt")));
    });
    EXPECT_EQ(outcomes.first.code, rc::TotalSizeBelowUnits) << c.what;
    EXPECT_EQ(outcomes.first.row, -7) << c.what;
    EXPECT_EQ(outcomes.first.output, "previous\r\n") << c.what;
    EXPECT_EQ(outcomes.second.output, "a,1\r\n") << c.what;
  }
  // A total equal to the units: I = 1, every animal is a position.
  EXPECT_EQ(SelectFresh(3, ListText("a|1\nb|2\nc|0\n")).output, "a,1\r\nb,2\r\n");
}

TEST(SelectionProportional, AnIdentifierKeeps252CharactersInTheOutput) {
  const std::string identifier(253, 'i');
  const Outcome outcome = SelectFresh(1, ListText(identifier + "|1\n"));
  EXPECT_EQ(outcome.code, rc::Success);
  EXPECT_EQ(outcome.output, identifier.substr(0, 252) + ",1\r\n");
}

TEST(SelectionProportional, OneDrawPerCallAndTheSequenceGoesOn) {
  // 10 animals, 1 unit: I = 10; the first call starts at trunc(41 / 32768
  // * 10) + 1 = 1 (unit a), the second at trunc(18467 / 32768 * 10) + 1 = 6
  // (unit b).
  TempFolder folder;
  const std::wstring input = folder.File("sizes.txt");
  WriteBytes(input, ListText("a|5\nb|5\n"));
  const auto outputs = InFreshThread([&] {
    const std::string first = Select(1, input, folder.File("1.txt")).output;
    return std::make_pair(first, Select(1, input, folder.File("2.txt")).output);
  });
  EXPECT_EQ(outputs.first, "a,1\r\n");
  EXPECT_EQ(outputs.second, "b,1\r\n");
}

TEST(SelectionProportional, BadLinesAreRefusedWithTheirRow) {
  const struct {
    const char* what;
    std::string list;
    std::int32_t row;
  } cases[] = {
      {"one field", ListText("a|5\nb|5\na\n"), 3},
      {"one field after a leading separator", ListText("a|5\n|a\n"), 2},
      {"no second field among several separators", ListText("a|5\nb|||\n"), 2},
      {"no second field", ListText("a|\n"), 1},
      {"only separators", ListText("||\n"), 1},
      {"the other separator divides nothing", std::string("a") + file_test::OtherSeparator() + "5\n",
       1},
      {"a size beyond int32", ListText("a|5\nb|2147483648\n"), 2},
      {"a size below int32", ListText("a|-2147483649\n"), 1},
      {"a line beyond 255 characters", ListText("a|5\n" + std::string(300, 'n') + "|5\n"), 2},
  };
  for (const auto& c : cases) {
    TempFolder folder;
    const std::wstring input = folder.File("sizes.txt");
    const std::wstring output = folder.File("out.txt");
    WriteBytes(input, c.list);
    const Outcome outcome = Select(1, input, output);
    EXPECT_EQ(outcome.code, rc::InvalidInputRecordBySize) << c.what;
    EXPECT_EQ(outcome.row, c.row) << c.what;
    EXPECT_EQ(outcome.output, "<absent>") << c.what;
  }
  // The int32 bounds themselves are sizes.
  EXPECT_EQ(SelectFresh(1, ListText("a|2147483647\nb|-2147483648\n")).code, rc::Success);
}

TEST(SelectionProportional, RefusalsInTheirOrder) {
  TempFolder folder;
  const std::wstring sizes = folder.File("sizes.txt");
  const std::wstring first_empty = folder.File("first-empty.txt");
  WriteBytes(sizes, ListText("a|5\nb|5\n"));
  WriteBytes(first_empty, ListText("\na|5\n"));
  const struct {
    std::int32_t units;
    std::wstring input;
    ResultCode expected;
  } cases[] = {
      {0, sizes, rc::InvalidUnitsToSelectBySize},
      {INT_MIN, folder.File("missing.txt"), rc::InvalidUnitsToSelectBySize},
      {1, first_empty, rc::InputFileEmpty},
      {3, sizes, rc::MoreUnitsThanRecords},
  };
  for (const auto& c : cases) {
    const Outcome outcome = Select(c.units, c.input, folder.File("out.txt"));
    EXPECT_EQ(outcome.code, c.expected) << c.units;
    EXPECT_EQ(outcome.row, -7);
    EXPECT_EQ(outcome.output, "<absent>");
  }
}

TEST(SelectionProportional, AMissingInputIsNamedInAMessageBoxOnWindows) {
  TempFolder folder;
  const std::wstring missing = folder.File("no such list.txt");
#if defined(_WIN32)
  file_test::MessageBoxWatcher watcher(L"ERROR");
  const Outcome outcome = Select(1, missing, folder.File("out.txt"));
  const std::vector<std::wstring> texts = watcher.Texts();
  // The box's static controls: its icon and its text, which is the path.
  EXPECT_EQ(std::count(texts.begin(), texts.end(), missing), 1);
#else
  const Outcome outcome = Select(1, missing, folder.File("out.txt"));  // nothing is shown here
#endif
  EXPECT_EQ(outcome.code, rc::InputFileNotFound);
  EXPECT_EQ(outcome.output, "<absent>");
}

TEST(SelectionProportional, AFailedWriteLeavesThePreviousOutputWhole) {
  TempFolder folder;
  const std::wstring input = folder.File("sizes.txt");
  WriteBytes(input, ListText("a|5\nb|5\n"));
  const std::wstring output = folder.File("out.txt");
  WriteBytes(output, "old,1\r\n");
  EXPECT_EQ(Select(1, input, folder.File("missing folder/out.txt")).code, rc::OutputWriteFailed);
  EXPECT_EQ(ReadBytes(output), "old,1\r\n");
  EXPECT_EQ(Select(1, input, output).code, rc::Success);
  EXPECT_NE(ReadBytes(output), "old,1\r\n");
  EXPECT_EQ(folder.EntryCount(), 2u);
}

TEST(SelectionProportional, NarrowPathsGiveTheSameSelection) {
  TempFolder folder("Tessara \xC3\xB1" "and\xC3\xBA");
  const std::wstring input = folder.File("tama\xC3\xB1os.txt");
  const std::wstring output = folder.File("selecci\xC3\xB3n.txt");
  WriteBytes(input, ListText("a|5\nb|5\nc|0\n"));
  const auto narrow_input = file_test::NarrowPath(input);
  const auto narrow_output = file_test::NarrowPath(output);
  if (!narrow_input || !narrow_output) GTEST_SKIP() << "the ANSI code page cannot spell the path";
  const Outcome narrow = InFreshThread([&] {
    Outcome o;
    o.code = TESSARA_BIND(Selection_ProbabilityProportional_A)(3, narrow_input->c_str(),
                                                               narrow_output->c_str(), &o.row);
    o.output = ReadBytes(output);
    return o;
  });
  EXPECT_EQ(narrow.code, rc::Success);
  EXPECT_EQ(narrow.output, "a,2\r\nb,2\r\n");
}
}  // namespace
