// The reading rules shared by the cluster data file and the unit lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "delimited_text_reader.h"
#include "memory_byte_source.h"

namespace {
const Separators kComma(L",");
const Separators kSemicolon(L";");

struct ReadLine {
  std::string text;
  bool too_long;
  bool operator==(const ReadLine& other) const {
    return text == other.text && too_long == other.too_long;
  }
};

std::ostream& operator<<(std::ostream& out, const ReadLine& line) {
  return out << "{\"" << line.text << "\", " << line.too_long << "}";
}

std::vector<ReadLine> Lines(std::string_view bytes, std::size_t piece) {
  MemoryByteSource source(bytes, piece);
  LineReader reader(source);
  std::vector<ReadLine> lines;
  while (reader.Next()) {
    lines.push_back({std::string(reader.Current().text), reader.Current().too_long});
  }
  return lines;
}

TEST(LineReader, SplitsAtLineFeedsAlikeInEveryPieceSize) {
  const std::string fits(255, 'f');
  const std::string over(256, 'o');
  const struct {
    const char* what;
    std::string bytes;
    std::vector<ReadLine> expected;
  } cases[] = {
      {"empty file", "", {}},
      {"LF", "a\nb\n", {{"a", false}, {"b", false}}},
      {"CR LF", "a\r\nb\r\n", {{"a", false}, {"b", false}}},
      {"no final line end", "a\nb", {{"a", false}, {"b", false}}},
      {"a CR at the end of the file stays", "a\r", {{"a\r", false}}},
      {"only the CR just before LF goes", "a\r\r\n", {{"a\r", false}}},
      {"a CR inside a line stays", "a\rb\n", {{"a\rb", false}}},
      {"empty lines", "\n\r\n\n", {{"", false}, {"", false}, {"", false}}},
      {"first line empty", "\nu1\n", {{"", false}, {"u1", false}}},
      {"blanks are characters", "  \n", {{"  ", false}}},
      {"a zero ends the line's text", std::string("ab\0cd\nx\n", 8), {{"ab", false}, {"x", false}}},
      {"a leading zero leaves an empty text", std::string("\0z\n", 3), {{"", false}}},
      {"Ctrl-Z is a character", "a\x1A" "b\n", {{"a\x1A" "b", false}}},
      {"255 characters fit", fits + "\n", {{fits, false}}},
      {"255 characters and CR LF fit", fits + "\r\n", {{fits, false}}},
      {"256 characters do not", over + "\nz\n", {{over.substr(0, 255), true}, {"z", false}}},
      {"a long last line", "z\n" + std::string(70000, 'l'), {{"z", false}, {std::string(255, 'l'), true}}},
      {"a long line of CRs", std::string(300, '\r') + "\n", {{std::string(255, '\r'), true}}},
  };
  for (const auto& c : cases) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{255},
                              std::size_t{256}, std::size_t{257}, std::size_t{1} << 20}) {
      EXPECT_EQ(Lines(c.bytes, piece), c.expected) << c.what << ", pieces of " << piece;
    }
  }
}

TEST(LineReader, LinesCrossingTheBufferEndAreWhole) {
  // Lines of every length around the 64 KiB buffer edge.
  std::string bytes;
  std::vector<ReadLine> expected;
  for (int i = 0; bytes.size() < 200000; ++i) {
    std::string line(static_cast<std::size_t>(i % 260), static_cast<char>('a' + i % 26));
    bytes += line + (i % 3 == 0 ? "\r\n" : "\n");
    expected.push_back({line.substr(0, 255), line.size() > 255});
  }
  EXPECT_EQ(Lines(bytes, std::size_t{1} << 20), expected);
  EXPECT_EQ(Lines(bytes, 4093), expected);
}

TEST(LineReader, AFailingSourceThrowsReadFailure) {
  MemoryByteSource source("a\nb\nc\n", 1, 3);
  LineReader reader(source);
  EXPECT_TRUE(reader.Next());
  EXPECT_THROW(while (reader.Next()) {}, ReadFailure);
}

TEST(Fields, CountAndGetByTheSeparatorRules) {
  const struct {
    std::string line;
    std::int32_t count;
    std::vector<std::string> fields;  // GetField 1, 2, ... until it fails
  } cases[] = {
      {"a,5", 2, {"a", "5"}},
      {",a,5", 2, {"a", "5"}},
      {"a,,5", 3, {"a", "5"}},
      {"a,5,", 3, {"a", "5"}},
      {"a", 1, {"a"}},
      {"", 1, {}},
      {",", 1, {}},
      {",,,", 3, {}},
      {" a , 5 ", 2, {" a ", " 5 "}},
      {"a;5", 1, {"a;5"}},
      {"x,y,z,w", 4, {"x", "y", "z", "w"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FieldCount(c.line, kComma), c.count) << c.line;
    for (std::size_t n = 1; n <= c.fields.size() + 1; ++n) {
      std::string_view field = "untouched";
      const bool found = GetField(c.line, static_cast<std::int32_t>(n), kComma, &field);
      if (n <= c.fields.size()) {
        EXPECT_TRUE(found) << c.line << " field " << n;
        EXPECT_EQ(field, c.fields[n - 1]) << c.line << " field " << n;
      } else {
        EXPECT_FALSE(found) << c.line << " field " << n;
        EXPECT_EQ(field, "untouched") << "the field is left as it was";
      }
    }
  }
  std::string_view field;
  EXPECT_FALSE(GetField("a,5", 0, kComma, &field));
  EXPECT_FALSE(GetField("a,5", -1, kComma, &field));
}

TEST(Fields, TheSpanishSeparatorSplitsAtSemicolonsOnly) {
  EXPECT_EQ(FieldCount("a;5", kSemicolon), 2);
  EXPECT_EQ(FieldCount("a,5", kSemicolon), 1);
  std::string_view field;
  ASSERT_TRUE(GetField("a;5,5", 2, kSemicolon, &field));
  EXPECT_EQ(field, "5,5");
  // Every character of the separator divides; characters beyond one byte
  // never occur in a widened line.
  const Separators both(L";,\x2022");
  EXPECT_EQ(FieldCount("a;b,c", both), 3);
  EXPECT_FALSE(Separators(L"\x2022").Contains('\x22'));
  EXPECT_TRUE(Separators(L"\xE9").Contains('\xE9'));
}

TEST(Fields, NumbersByTheNumberRule) {
  const struct {
    const char* field;
    std::int32_t value;
    bool fits;
  } cases[] = {
      {"12", 12, true},        {"7.9", 7, true},         {"1e3", 1, true},
      {"12 cows", 12, true},   {"abc", 0, true},         {"", 0, true},
      {" -3", -3, true},       {"\t+4", 4, true},        {"- 3", 0, true},
      {"+", 0, true},          {"--3", 0, true},         {"007", 7, true},
      {"2147483647", 2147483647, true},                  {"-2147483648", INT32_MIN, true},
      {"2147483648", 0, false},                          {"-2147483649", 0, false},
      {"99999999999999999999999999", 0, false},          {"0000000000000000000042", 42, true},
      {"\xA0" "5", 0, true},  // no-break space is not white space here
  };
  for (const auto& c : cases) {
    const FieldNumber number = NumberOfField(c.field);
    EXPECT_EQ(number.fits, c.fits) << c.field;
    if (c.fits) {
      EXPECT_EQ(number.value, c.value) << c.field;
    }
  }
}

TEST(CountRecords, LinesBeforeTheFirstEmptyLine) {
  const struct {
    std::string bytes;
    std::int32_t count;
  } cases[] = {
      {"", 0},
      {"\n", 0},
      {"\nu1\n", 0},
      {"u1\nu2\n\nu3\n", 2},
      {"u1\r\nu2\r\n\r\nu3\r\n", 2},
      {"u1\nu2", 2},
      {"  \n\n", 1},
      {std::string(1000, 'x') + "\n\n", 1},  // a long line is not empty
      {std::string("a\n\0b\nc\n", 7), 1},     // a line whose text ends at once is empty
  };
  for (const auto& c : cases) {
    MemoryByteSource source(c.bytes, 7);
    EXPECT_EQ(CountRecords(source), c.count) << c.bytes;
  }
  MemoryByteSource failing("a\nb\nc\n", 2, 3);
  EXPECT_EQ(CountRecords(failing), 0);
}

TEST(ReadRecords, ReadsAtMostTheCountAndNamesTheFailingRow) {
  std::vector<std::string> seen;
  auto keep = [&seen](const Line& line, std::int32_t row) {
    seen.push_back(std::to_string(row) + ":" + std::string(line.text));
    return line.text == "bad" ? ReadResult{rc::InvalidInputRecord, 0, 2, 0} : kLineAccepted;
  };
  {
    MemoryByteSource source("a\nb\nc\nd\n");
    const ReadResult r = ReadRecords(source, 3, keep);
    EXPECT_EQ(r.code, rc::Success);
    EXPECT_EQ(r.row, -1);
    EXPECT_EQ(r.item, -1);
    EXPECT_EQ(r.records, 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"1:a", "2:b", "3:c"}));
  }
  {
    seen.clear();
    MemoryByteSource source("a\nb");  // shorter than the count
    const ReadResult r = ReadRecords(source, 5, keep);
    EXPECT_EQ(r.code, rc::Success);
    EXPECT_EQ(r.records, 2);
  }
  {
    seen.clear();
    MemoryByteSource source("a\nbad\nc\n");
    const ReadResult r = ReadRecords(source, 3, keep);
    EXPECT_EQ(r.code, rc::InvalidInputRecord);
    EXPECT_EQ(r.row, 2);
    EXPECT_EQ(r.item, 2);
    EXPECT_EQ(seen.size(), 2u);  // nothing after the failing line
  }
  {
    seen.clear();
    MemoryByteSource source("a\nb\nc\n", 2, 3);  // fails while row 2 is read
    const ReadResult r = ReadRecords(source, 3, keep);
    EXPECT_EQ(r.code, rc::UnexpectedFailure);
    EXPECT_EQ(r.row, 2);
    EXPECT_EQ(r.item, -1);
  }
  {
    MemoryByteSource source("a\nb\n");
    const ReadResult r = ReadRecords(source, 2, [](const Line&, std::int32_t row) -> ReadResult {
      if (row == 2) throw std::bad_alloc();
      return kLineAccepted;
    });
    EXPECT_EQ(r.code, rc::UnexpectedFailure);
    EXPECT_EQ(r.row, 2);
  }
}
}  // namespace
