// The selection forms' reading of a unit list (records, total of sizes,
// encoding), their output headers, the name of an output file, and the
// byte-order marks dropped from the drawn lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "selection_output_text.h"

namespace {

struct Scanned {
  std::int32_t records;
  std::int64_t total;
  ListEncoding encoding;
};

// The list fed whole, and again in pieces of every size from 1 to 7 bytes:
// a line, a mark or a UTF-8 sequence cut between two reads reads the same.
Scanned Scan(const std::string& bytes, const wchar_t* separator = L",") {
  const Separators separators(separator);
  ListScan whole(separators, true);
  whole.Feed(bytes.data(), bytes.size());
  whole.Finish();
  const Scanned result = {whole.Records(), whole.TotalSize(), whole.Encoding()};
  for (std::size_t piece = 1; piece <= 7; ++piece) {
    ListScan pieces(separators, true);
    for (std::size_t at = 0; at < bytes.size(); at += piece)
      pieces.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
    pieces.Finish();
    EXPECT_EQ(pieces.Records(), result.records) << "in pieces of " << piece;
    EXPECT_EQ(pieces.TotalSize(), result.total) << "in pieces of " << piece;
    EXPECT_EQ(pieces.Encoding(), result.encoding) << "in pieces of " << piece;
  }
  return result;
}

TEST(ListScan, RecordsAndTotalOfSizesAsTheLibraryReadsThem) {
  const std::string long_line = "u," + std::string(300, '1') + "\n";
  struct Case {
    const char* why;
    std::string list;
    std::int32_t records;
    std::int64_t total;
  } cases[] = {
      {"the worked example", "u1,10\nu2,30\n", 2, 40},
      {"CR LF ends read like LF", "u1,10\r\nu2,30\r\n", 2, 40},
      {"the last line needs no end", "u1,10\nu2,30", 2, 40},
      {"further columns are the user's own", "u1,10,7\nu2,30,x,y\n", 2, 40},
      {"leading and repeated separators make no field", ",a,5\na,,5\n", 2, 10},
      {"blanks, signs and text after the digits", "a, 5\nb,-3\nc,12 cows\nd,x\n", 4, 14},
      {"records end at the first empty line", "u1,10\n\nu2,30\n", 1, 10},
      {"a line of blanks is not empty", "u1,10\n \nu2,30\n", 3, -1},
      {"a line that starts with a zero byte is empty", std::string("u1,10\n\0x,3\nu2,4\n", 16), 1, 10},
      {"a line without a size makes the total unknown", "u1,10\nu2\nu3,5\n", 3, -1},
      {"so does a line whose second field is missing", "u1,10\nu2,\n", 2, -1},
      {"and a size beyond 32 bits", "u1,10\nu2,2147483648\n", 2, -1},
      {"the largest 32-bit sizes add up beyond 32 bits", "a,2147483647\nb,2147483647\n", 2, 4294967294},
      {"a line longer than 255 characters is beyond the format", "u1,1\n" + long_line, 2, -1},
      {"an empty file", "", -1, 0},
      {"a file that starts with an empty line", "\nu1,10\n", -1, 0},
      {"a last line of a carriage return only is a record", "u1,10\n\r", 2, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const Scanned scanned = Scan(c.list);
    EXPECT_EQ(scanned.records, c.records);
    EXPECT_EQ(scanned.total, c.total);
  }
}

TEST(ListScan, FieldsAreDividedByTheProgramsListSeparator) {
  EXPECT_EQ(Scan("a;5\nb;7\n", L";").total, 12);
  EXPECT_EQ(Scan("a,5\nb,7\n", L";").total, -1) << "under Spanish a comma divides nothing";
  EXPECT_EQ(Scan("a;5;9\n", L";").total, 5);
}

TEST(ListScan, EncodingOfTheList) {
  struct Case {
    const char* why;
    std::string list;
    ListEncoding encoding;
  } cases[] = {
      {"plain ASCII", "u1,10\nu2,30\n", ListEncoding::Ascii},
      {"UTF-8 with a mark", "\xEF\xBB\xBFu1,10\n", ListEncoding::Utf8},
      {"a mark alone", "\xEF\xBB\xBF", ListEncoding::Utf8},
      {"UTF-8 without a mark", "granja \xC3\xB1u,3\n\xE0\xB8\x9F,4\n", ListEncoding::Utf8},
      {"a four-byte sequence", "\xF0\x9F\x90\x84,1\n", ListEncoding::Utf8},
      {"Windows-1252 accents", "granja \xF1u,3\n", ListEncoding::Other},
      {"Thai in code page 874", "\xBF\xD2\xC3\xEC\xC1,4\n", ListEncoding::Other},
      {"a sequence cut by the end", "a,1\n\xE0\xB8", ListEncoding::Other},
      {"an overlong form", "\xC0\xAF,1\n", ListEncoding::Other},
      {"an encoded surrogate", "\xED\xA0\x80,1\n", ListEncoding::Other},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80,1\n", ListEncoding::Other},
      {"a mark that is not at the start", "a,1\n\xEF\xBB\xBF" "b,2\n", ListEncoding::Utf8},
      {"an incomplete mark", "\xEF\xBB,1\n", ListEncoding::Other},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(Scan(c.list).encoding, c.encoding);
  }
}

TEST(ListScan, NonUtf8BytesAfterTheRecordsStillDecideTheEncoding) {
  // The lines after the first empty line are never drawn, but the file is
  // one text: a single-byte code page there means one everywhere.
  EXPECT_EQ(Scan("a,1\n\n\xF1,2\n").encoding, ListEncoding::Other);
}

TEST(HeaderEncoding, FollowsTheDrawnLines) {
  EXPECT_EQ(ChooseHeaderEncoding(ListEncoding::Utf8, true), HeaderEncoding::Utf8);
  EXPECT_EQ(ChooseHeaderEncoding(ListEncoding::Utf8, false), HeaderEncoding::Utf8);
  EXPECT_EQ(ChooseHeaderEncoding(ListEncoding::Other, true), HeaderEncoding::Ansi);
  EXPECT_EQ(ChooseHeaderEncoding(ListEncoding::Other, false), HeaderEncoding::Ansi);
  EXPECT_EQ(ChooseHeaderEncoding(ListEncoding::Ascii, true), HeaderEncoding::Ansi);
  // A Thai header where the code page has no Thai: ASCII lines read the
  // same in UTF-8.
  EXPECT_EQ(ChooseHeaderEncoding(ListEncoding::Ascii, false), HeaderEncoding::Utf8);
}

TEST(ToUtf8, EveryLengthOfSequence) {
  EXPECT_EQ(ToUtf8(L"a"), "a");
  EXPECT_EQ(ToUtf8(L"\u00F1"), "\xC3\xB1");
  EXPECT_EQ(ToUtf8(L"\u0E1F\u0E32\u0E23\u0E4C\u0E21"), "\xE0\xB8\x9F\xE0\xB8\xB2\xE0\xB8\xA3\xE0\xB9\x8C\xE0\xB8\xA1");
  std::wstring cow;
  if (sizeof(wchar_t) == 2) {
    cow = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDC04)};
  } else {
    cow = {static_cast<wchar_t>(0x1F404)};
  }
  EXPECT_EQ(ToUtf8(cow), "\xF0\x9F\x90\x84");
  EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"a"), "\xEF\xBF\xBD" "a")
      << "an unpaired surrogate";
}

TEST(SelectionHeaders, SimpleRandomHeaderLineByLine) {
  EXPECT_EQ(SimpleRandomHeader(L"List of units randomly selected", L"Total Units Count:",
                               L"Selected Units Count:", 10, 3),
            L"List of units randomly selected\r\n" + std::wstring(49, L'_') +
                L"\r\n\r\n"
                L"Total Units Count:\t\t10\r\n"
                L"Selected Units Count:\t\t3\r\n"
                L"\r\n" +
                std::wstring(49, L'_') + L"\r\n");
}

TEST(SelectionHeaders, ProportionalHeaderLineByLine) {
  const ProportionalHeaderTexts texts = {L"T", L"(r)", L"Units:", L"Animals:", L"Selected:", L"(format)"};
  EXPECT_EQ(ProportionalHeader(texts, 2, 40, -1),
            L"T\r\n(r)\r\n" + std::wstring(49, L'_') +
                L"\r\n\r\n"
                L"Units:\t\t\t2\r\n"
                L"Animals:\t\t40\r\n"
                L"Selected:\t\t-1\r\n"
                L"\r\n"
                L"(format)\r\n" +
                std::wstring(49, L'_') + L"\r\n");
  EXPECT_NE(ProportionalHeader(texts, 2, 4294967294, 1).find(L"Animals:\t\t4294967294\r\n"),
            std::wstring::npos);
}

TEST(SelectionHeaders, CutTo8192Characters) {
  const std::wstring long_title(9000, L'x');
  EXPECT_EQ(SimpleRandomHeader(long_title, L"a", L"b", 1, 1).size(), kHeaderCapacity);
}

TEST(WithTextExtension, OnlyATxtNameIsLeftAsItIs) {
  struct Case {
    const wchar_t* chosen;
    const wchar_t* written;
  } cases[] = {
      {L"C:\\data\\results", L"C:\\data\\results.txt"},
      {L"C:\\data\\results.txt", L"C:\\data\\results.txt"},
      {L"C:\\data\\results.TXT", L"C:\\data\\results.TXT"},
      {L"C:\\data\\results.Txt", L"C:\\data\\results.Txt"},
      {L"C:\\data\\results.csv", L"C:\\data\\results.csv.txt"},
      {L"C:\\data\\results.t", L"C:\\data\\results.t.txt"},
      {L"C:\\data\\results.tx", L"C:\\data\\results.tx.txt"},
      {L"C:\\data\\results.txts", L"C:\\data\\results.txts.txt"},
      {L"C:\\data\\results.", L"C:\\data\\results.txt"},
      {L"C:\\my.data\\results", L"C:\\my.data\\results.txt"},
      {L"C:\\my.txt\\results", L"C:\\my.txt\\results.txt"},
      {L"results", L"results.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithTextExtension(c.chosen), c.written) << c.chosen;
}

std::string Filtered(const std::string& bytes, std::size_t piece) {
  LineStartMarkFilter filter;
  std::string out;
  for (std::size_t at = 0; at < bytes.size(); at += piece)
    filter.Filter(bytes.data() + at, std::min(piece, bytes.size() - at), &out);
  filter.Finish(&out);
  return out;
}

TEST(LineStartMarkFilter, DropsTheMarkOfTheListsFirstLineWhereverItWasDrawn) {
  struct Case {
    const char* why;
    std::string drawn;
    std::string written;
  } cases[] = {
      {"drawn first", "\xEF\xBB\xBFu1\r\nu2\r\n", "u1\r\nu2\r\n"},
      {"drawn later", "u2\r\n\xEF\xBB\xBFu1\r\n", "u2\r\nu1\r\n"},
      {"not drawn", "u2\r\nu3\r\n", "u2\r\nu3\r\n"},
      {"inside a line it is the unit's own", "u\xEF\xBB\xBF\r\n", "u\xEF\xBB\xBF\r\n"},
      {"the start of a mark is kept", "\xEF\xBBx\r\n\xEFy\r\n", "\xEF\xBBx\r\n\xEFy\r\n"},
      {"a mark cut by the end is kept", "a\r\n\xEF\xBB", "a\r\n\xEF\xBB"},
      {"only one mark per line start", "\xEF\xBB\xBF\xEF\xBB\xBFu\r\n", "\xEF\xBB\xBFu\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    for (std::size_t piece : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{64}})
      EXPECT_EQ(Filtered(c.drawn, piece), c.written) << "in pieces of " << piece;
  }
}

}  // namespace
