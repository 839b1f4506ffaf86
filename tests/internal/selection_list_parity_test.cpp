// The selection forms read a unit list themselves to write its counts and
// its total of animals in the output's header; they must read it exactly as
// the library's selections do, or the header would contradict the drawn
// lines. Random lists near every rule (line ends, empty lines, zero bytes,
// the line limit, separators, huge numbers) are read both ways.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "delimited_text_reader.h"
#include "memory_byte_source.h"
#include "selection_output_text.h"

namespace {

struct LibraryReading {
  std::int32_t records;
  std::int64_t total;  // -1 when the library refuses a line
};

// The records as CountRecords counts them, and the sizes as the selection
// proportional to size reads them: the first two fields of each record.
LibraryReading ReadAsTheLibrary(const std::string& bytes, const Separators& separators) {
  MemoryByteSource counted(bytes);
  const std::int32_t count = CountRecords(counted);
  std::int64_t total = 0;
  MemoryByteSource read(bytes);
  const ReadResult result = ReadRecords(read, count, [&](const Line& line, std::int32_t) {
    std::string_view identifier;
    std::string_view size;
    if (line.too_long || FieldCount(line.text, separators) < 2 ||
        !GetField(line.text, 1, separators, &identifier) || !GetField(line.text, 2, separators, &size) ||
        !NumberOfField(size).fits) {
      return ReadResult{rc::InvalidInputRecordBySize, 0, -1, 0};
    }
    total += NumberOfField(size).value;
    return kLineAccepted;
  });
  return {count, result.code == rc::Success ? total : -1};
}

std::string RandomList(std::mt19937& random) {
  static const char kPieces[][8] = {",", ";", ",,", "\n", "\r\n", "\r", " ", "-", "+", "7"};
  std::string bytes;
  const std::size_t parts = random() % 60;
  for (std::size_t k = 0; k < parts; ++k) {
    const std::uint32_t what = random() % 100;
    if (what < 50) {
      bytes += kPieces[random() % 10];
    } else if (what < 80) {
      bytes += std::to_string(random() % 100000);
    } else if (what < 85) {
      bytes.append(250 + random() % 10, 'x');  // around the line limit
    } else if (what < 90) {
      bytes.append(9 + random() % 4, static_cast<char>('1' + random() % 9));  // beyond 32 bits
    } else if (what < 93) {
      bytes += '\0';
    } else {
      bytes += static_cast<char>(random() & 0xFF);
    }
  }
  return bytes;
}

TEST(SelectionListParity, TheFormsReadListsAsTheLibraryDoes) {
  std::mt19937 random(20261207);
  for (const wchar_t* separator : {L",", L";"}) {
    const Separators separators(separator);
    for (int round = 0; round < 20000; ++round) {
      const std::string bytes = RandomList(random);
      SCOPED_TRACE(testing::PrintToString(bytes));
      const LibraryReading library = ReadAsTheLibrary(bytes, separators);
      ListScan scan(separators, true);
      const std::size_t piece = 1 + random() % 300;
      for (std::size_t at = 0; at < bytes.size(); at += piece)
        scan.Feed(bytes.data() + at, std::min(piece, bytes.size() - at));
      scan.Finish();
      ASSERT_EQ(scan.Records(), library.records > 0 ? library.records : -1);
      ASSERT_EQ(scan.TotalSize(), library.total);
    }
  }
}

}  // namespace
