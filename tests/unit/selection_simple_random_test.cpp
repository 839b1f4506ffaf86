// Simple random selection of units from a list file.
//
// The expected orders are worked by hand from the runtime generator, whose
// first values from the state 1 are 41, 18467, 6334, 26500, 19169, 15724,
// 11478, 29358. For five lines the shuffle exchanges position p with
// R mod (p + 1): 41 mod 2 = 1, 18467 mod 3 = 2, 6334 mod 4 = 2, 26500 mod 5
// = 0, so 0 1 2 3 4 -> 0 1 2 3 4 -> 0 1 2 3 4 -> 0 1 3 2 4 -> 4 1 3 2 0.
// The next call goes on with 19169 mod 2 = 1, 15724 mod 3 = 1, 11478 mod 4
// = 2, 29358 mod 5 = 3: 0 1 2 3 4 -> 0 2 1 3 4 -> 0 2 3 1 4 -> 0 2 3 4 1.
#include <gtest/gtest.h>

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

constexpr char kFiveUnits[] = "u1\nu2\nu3\nu4\nu5\n";
constexpr char kFirstDrawOfFive[] = "u5\r\nu2\r\nu4\r\nu3\r\nu1\r\n";
constexpr char kSecondDrawOfFive[] = "u1\r\nu3\r\nu4\r\nu5\r\nu2\r\n";

struct Outcome {
  ResultCode code = 1;
  std::int32_t row = -7;
  std::string output;
};

Outcome Select(std::int32_t units, const std::wstring& input, const std::wstring& output) {
  Outcome outcome;
  outcome.code =
      TESSARA_BIND(Selection_SimpleRandom)(units, input.c_str(), output.c_str(), &outcome.row);
  outcome.output = ReadBytes(output);
  return outcome;
}

Outcome SelectFresh(std::int32_t units, const std::wstring& input, const std::wstring& output) {
  return InFreshThread([&] { return Select(units, input, output); });
}

TEST(SelectionSimpleRandom, FreshProcessDrawsTheSameOrderAndASecondCallContinues) {
  TempFolder folder;
  const std::wstring input = folder.File("units.txt");
  const std::wstring output = folder.File("sample.txt");
  WriteBytes(input, kFiveUnits);
  for (int run = 0; run < 2; ++run) {  // two fresh threads: the same draw
    const Outcome first = SelectFresh(5, input, output);
    EXPECT_EQ(first.code, rc::Success);
    EXPECT_EQ(first.output, kFirstDrawOfFive);
  }
  const Outcome two_calls = InFreshThread([&] {
    Select(5, input, output);
    return Select(5, input, output);
  });
  EXPECT_EQ(two_calls.code, rc::Success);
  EXPECT_EQ(two_calls.output, kSecondDrawOfFive);
  EXPECT_EQ(two_calls.row, -7);  // written only for a bad row
}

TEST(SelectionSimpleRandom, OutputIsTheFirstUnitsOfTheShuffledListInDrawOrder) {
  TempFolder folder;
  const std::wstring input = folder.File("units.txt");
  WriteBytes(input, kFiveUnits);
  const struct {
    std::int32_t units;
    const char* expected;
  } cases[] = {{1, "u5\r\n"}, {2, "u5\r\nu2\r\n"}, {4, "u5\r\nu2\r\nu4\r\nu3\r\n"}};
  for (const auto& c : cases) {
    const Outcome outcome = SelectFresh(c.units, input, folder.File("out.txt"));
    EXPECT_EQ(outcome.code, rc::Success) << c.units;
    EXPECT_EQ(outcome.output, c.expected) << c.units;
  }
}

TEST(SelectionSimpleRandom, LineEndsAndLineContentsAreKeptExactly) {
  TempFolder folder;
  const std::wstring output = folder.File("out.txt");
  const std::string long_line(255, 'x');
  const struct {
    const char* what;
    std::string list;
    std::int32_t units;
    std::string expected;
  } cases[] = {
      {"CR LF reads as LF", "u1\r\nu2\r\nu3\r\nu4\r\nu5\r\n", 5, kFirstDrawOfFive},
      {"no line end at the end", "u1\nu2\nu3\nu4\nu5", 5, kFirstDrawOfFive},
      {"lines after the first empty line are not units", "u1\nu2\n\nu3\n", 2, "u1\r\nu2\r\n"},
      {"a line with fields is written whole", ListText("a|b|c\n"), 1, ListText("a|b|c\r\n")},
      {"blanks are kept", "  a b  \n", 1, "  a b  \r\n"},
      {"a line ends at its first zero byte", std::string("ab\0cd\n", 6), 1, "ab\r\n"},
      {"bytes above 127 are written as they were read", "\xE9t\xE9\n", 1, "\xE9t\xE9\r\n"},
      {"a lone CR before CR LF stays", "a\r\r\n", 1, "a\r\r\n"},
      {"a unit of 255 characters keeps 252", long_line + "\n", 1,
       long_line.substr(0, 252) + "\r\n"},
  };
  for (const auto& c : cases) {
    const std::wstring input = folder.File("list.txt");
    WriteBytes(input, c.list);
    const Outcome outcome = SelectFresh(c.units, input, output);
    EXPECT_EQ(outcome.code, rc::Success) << c.what;
    EXPECT_EQ(outcome.output, c.expected) << c.what;
  }
}

TEST(SelectionSimpleRandom, AListOfOneRecordDrawsNothing) {
  TempFolder folder;
  const std::wstring single = folder.File("single.txt");
  const std::wstring five = folder.File("five.txt");
  WriteBytes(single, "only,line\n");
  WriteBytes(five, kFiveUnits);
  const Outcome after_single = InFreshThread([&] {
    const Outcome one = Select(1, single, folder.File("one.txt"));
    EXPECT_EQ(one.code, rc::Success);
    EXPECT_EQ(one.output, "only,line\r\n");
    return Select(5, five, folder.File("five-out.txt"));
  });
  EXPECT_EQ(after_single.output, kFirstDrawOfFive);  // the generator did not move
}

TEST(SelectionSimpleRandom, ListsBeyond32767LinesDrawTwiceFromThatPositionOn) {
  // With 32769 lines the positions 1 .. 32766 take one draw each and the
  // positions 32767 and 32768 two each; the run is deterministic, holds
  // every line once, and leaves the generator 32770 draws on.
  TempFolder folder;
  const std::wstring input = folder.File("big.txt");
  std::string list;
  for (int i = 0; i < 32769; ++i) list += "unit" + std::to_string(i) + "\n";
  WriteBytes(input, list);
  const std::wstring probe = folder.File("probe.txt");
  WriteBytes(probe, "a\nb\n");
  struct Run {
    Outcome outcome;
    std::string next_pair;
  };
  const Run run = InFreshThread([&] {
    Run r;
    r.outcome = Select(32769, input, folder.File("big-out.txt"));
    r.next_pair = Select(2, probe, folder.File("probe-out.txt")).output;
    return r;
  });
  ASSERT_EQ(run.outcome.code, rc::Success);
  std::size_t lines = 0;
  for (char c : run.outcome.output) lines += c == '\n';
  EXPECT_EQ(lines, 32769u);
  // The 32771st value of the generator decides the order of the pair.
  std::uint32_t state = 1;
  std::uint32_t value = 0;
  for (int i = 0; i < 32771; ++i) {
    state = state * 214013u + 2531011u;
    value = (state >> 16) & 0x7FFF;
  }
  EXPECT_EQ(run.next_pair, value % 2 == 1 ? "a\r\nb\r\n" : "b\r\na\r\n");
  EXPECT_EQ(run.outcome.output, SelectFresh(32769, input, folder.File("again.txt")).output);
}

TEST(SelectionSimpleRandom, RefusalsInTheirOrderWriteNoOutput) {
  TempFolder folder;
  const std::wstring units = folder.File("units.txt");
  const std::wstring empty = folder.File("empty.txt");
  const std::wstring first_empty = folder.File("first-empty.txt");
  const std::wstring missing = folder.File("missing.txt");
  WriteBytes(units, "u1\nu2\nu3\n");
  WriteBytes(empty, "");
  WriteBytes(first_empty, "\nu1\nu2\n");
  const struct {
    std::int32_t units;
    std::wstring input;
    ResultCode expected;
  } cases[] = {
      {0, units, rc::InvalidUnitsToSelect},
      {-1, units, rc::InvalidUnitsToSelect},
      {INT_MIN, units, rc::InvalidUnitsToSelect},
      {0, missing, rc::InvalidUnitsToSelect},  // units are checked first
      {1, missing, rc::InputFileNotFound},
      {1, folder.File(""), rc::InputFileEmpty},  // a folder exists but has no lines
      {1, empty, rc::InputFileEmpty},
      {1, first_empty, rc::InputFileEmpty},
      {4, units, rc::MoreUnitsThanRecords},
      {INT_MAX, units, rc::MoreUnitsThanRecords},
  };
  for (const auto& c : cases) {
    const std::wstring output = folder.File("never.txt");
    const Outcome outcome = Select(c.units, c.input, output);
    EXPECT_EQ(outcome.code, c.expected) << c.units;
    EXPECT_EQ(outcome.row, -7) << c.units;
    EXPECT_EQ(outcome.output, "<absent>") << c.units;
  }
}

TEST(SelectionSimpleRandom, ALineBeyondTheFormatIsRefusedWithItsRow) {
  TempFolder folder;
  const std::wstring input = folder.File("units.txt");
  const std::wstring output = folder.File("out.txt");
  WriteBytes(output, "previous\r\n");
  const struct {
    std::string list;
    std::int32_t row;
  } cases[] = {
      {"u1\nu2\n" + std::string(256, 'y') + "\nu4\n", 3},
      {std::string(256, 'y') + "\r\n", 1},
      {"u1\n" + std::string(100000, 'z'), 2},
  };
  for (const auto& c : cases) {
    WriteBytes(input, c.list);
    const Outcome outcome = Select(1, input, output);
    EXPECT_EQ(outcome.code, rc::InvalidInputRecord);
    EXPECT_EQ(outcome.row, c.row);
    EXPECT_EQ(outcome.output, "previous\r\n");
  }
  // 255 characters and a CR before the line feed still fit.
  WriteBytes(input, std::string(255, 'w') + "\r\n");
  EXPECT_EQ(Select(1, input, output).code, rc::Success);
}

TEST(SelectionSimpleRandom, AnExistingOutputIsReplacedAndSurvivesAFailedWrite) {
  TempFolder folder;
  const std::wstring input = folder.File("units.txt");
  const std::wstring output = folder.File("out.txt");
  WriteBytes(input, "only\n");
  WriteBytes(output, "an older and much longer selection\r\nwith two lines\r\n");
  EXPECT_EQ(Select(1, input, output).output, "only\r\n");  // replaced, not appended to

  // An output in a folder that does not exist, and one that is a folder.
  const std::wstring nowhere = folder.File("no such folder/out.txt");
  EXPECT_EQ(Select(1, input, nowhere).code, rc::OutputWriteFailed);
  const std::wstring a_folder = folder.File("a folder");
  std::filesystem::create_directory(file_test::FsPath(a_folder));
  WriteBytes(folder.File("a folder/inside.txt"), "kept");
  EXPECT_EQ(Select(1, input, a_folder).code, rc::OutputWriteFailed);
  EXPECT_EQ(ReadBytes(folder.File("a folder/inside.txt")), "kept");
  EXPECT_EQ(Select(1, input, L"").code, rc::OutputWriteFailed);
  // Nothing is left beside the outputs: units.txt, out.txt, the folder.
  EXPECT_EQ(folder.EntryCount(), 3u);
}

TEST(SelectionSimpleRandom, NarrowPathsGiveTheSameSelection) {
  TempFolder folder("Tessara \xC3\xB1" "and\xC3\xBA");  // letters every Latin code page has
  const std::wstring input = folder.File("lista \xC3\xA9.txt");
  const std::wstring output = folder.File("muestra.txt");
  WriteBytes(input, kFiveUnits);
  const auto narrow_input = file_test::NarrowPath(input);
  const auto narrow_output = file_test::NarrowPath(output);
  if (!narrow_input || !narrow_output) GTEST_SKIP() << "the ANSI code page cannot spell the path";
  const Outcome narrow = InFreshThread([&] {
    Outcome o;
    o.code = TESSARA_BIND(Selection_SimpleRandom_A)(5, narrow_input->c_str(),
                                                    narrow_output->c_str(), &o.row);
    o.output = ReadBytes(output);
    return o;
  });
  EXPECT_EQ(narrow.code, rc::Success);
  EXPECT_EQ(narrow.output, kFirstDrawOfFive);
  std::int32_t row = -7;
  EXPECT_EQ(TESSARA_BIND(Selection_SimpleRandom_A)(0, narrow_input->c_str(),
                                                   narrow_output->c_str(), &row),
            rc::InvalidUnitsToSelect);
  EXPECT_EQ(TESSARA_BIND(Selection_SimpleRandom_A)(1, nullptr, narrow_output->c_str(), &row),
            rc::InputFileNotFound);
}
}  // namespace
