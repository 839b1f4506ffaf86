// The reader over 100,000 malformed files (fixed seed): binary bytes, zero
// bytes, stray carriage returns, overlong lines, huge numbers, runs of
// separators, handed over in pieces of random sizes. Under the sanitizers
// any overrun or undefined behaviour stops the run; each file's lines,
// fields, numbers and counts are compared with a plain model of the rules.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "delimited_text_reader.h"
#include "memory_byte_source.h"

namespace {
constexpr int kFiles = 100000;

struct ModelLine {
  std::string text;
  bool too_long;
};

// The rules as written: split at LF, drop one CR before each LF, count the
// characters, cut the text at its first zero.
std::vector<ModelLine> ModelLines(const std::string& bytes) {
  std::vector<ModelLine> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t feed = bytes.find('\n', start);
    std::string raw = bytes.substr(start, feed == std::string::npos ? std::string::npos : feed - start);
    if (feed != std::string::npos && !raw.empty() && raw.back() == '\r') raw.pop_back();
    const bool too_long = raw.size() > 255;
    std::string text = raw.substr(0, 255);
    text = text.substr(0, text.find('\0'));
    lines.push_back({text, too_long});
    if (feed == std::string::npos) break;
    start = feed + 1;
  }
  return lines;
}

// strtoll reads the same white space, sign and digits; what it cannot hold
// in a long long saturates, which is outside int32 either way.
bool ModelNumber(std::string_view field, long long* value) {
  const std::string text(field);  // fields hold no zero byte
  errno = 0;
  *value = std::strtoll(text.c_str(), nullptr, 10);
  return errno == 0 && *value >= INT32_MIN && *value <= INT32_MAX;
}

char RandomByte(std::mt19937& random) {
  static const char kAlphabet[] = "aZ09,,;;  \t\r\n\n\0-+e.\xFF\x80";
  const std::uint32_t pick = random() % 40;
  if (pick < sizeof kAlphabet - 1) return kAlphabet[pick];
  if (pick < 30) return static_cast<char>('0' + random() % 10);
  return static_cast<char>(random() & 0xFF);
}

std::string RandomFile(std::mt19937& random) {
  std::string bytes;
  const std::uint32_t shape = random() % 10;
  const std::size_t length = shape == 0 ? random() % 2000 : random() % 300;
  while (bytes.size() < length) {
    const std::uint32_t what = random() % 100;
    if (what < 3) {
      bytes.append(250 + random() % 10, 'x');  // around the line limit
    } else if (what < 5) {
      bytes.append(10 + random() % 20, static_cast<char>('0' + random() % 10));  // huge numbers
    } else {
      bytes += RandomByte(random);
    }
  }
  return bytes;
}

void CheckFields(std::string_view text, const Separators& separators, const std::string& context) {
  const std::int32_t count = FieldCount(text, separators);
  ASSERT_GE(count, 1) << context;
  ASSERT_LE(count, static_cast<std::int32_t>(text.size()) + 1) << context;
  // The fields, joined, are the line without its separators; none is empty.
  std::string joined;
  std::string_view field;
  std::int32_t n = 1;
  for (; GetField(text, n, separators, &field); ++n) {
    ASSERT_FALSE(field.empty()) << context;
    ASSERT_GE(field.data(), text.data()) << context;
    ASSERT_LE(field.data() + field.size(), text.data() + text.size()) << context;
    bool holds_separator = false;
    for (char c : field) holds_separator |= separators.Contains(c);
    ASSERT_FALSE(holds_separator) << context;
    joined += field;
    long long expected = 0;
    const bool fits = ModelNumber(field, &expected);
    const FieldNumber number = NumberOfField(field);
    ASSERT_EQ(number.fits, fits) << context << " field " << std::string(field);
    if (fits) {
      ASSERT_EQ(number.value, expected) << context << " field " << std::string(field);
    }
  }
  std::string stripped;
  for (char c : text) {
    if (!separators.Contains(c)) stripped += c;
  }
  ASSERT_EQ(joined, stripped) << context;
  ASSERT_LE(n - 1, count) << context;  // never more fields than the count
}

TEST(DelimitedTextFuzz, MalformedFilesReadByTheRules) {
  std::mt19937 random(20240607);
  const Separators separators[] = {Separators(L","), Separators(L";")};
  for (int file = 0; file < kFiles; ++file) {
    const std::string bytes = RandomFile(random);
    const std::vector<ModelLine> model = ModelLines(bytes);
    const std::size_t piece = 1 + random() % (random() % 2 == 0 ? 7 : 70000);
    const std::string context = "file " + std::to_string(file);

    MemoryByteSource source(bytes, piece);
    LineReader reader(source);
    std::size_t index = 0;
    for (; reader.Next(); ++index) {
      ASSERT_LT(index, model.size()) << context;
      const Line& line = reader.Current();
      ASSERT_EQ(line.too_long, model[index].too_long) << context << " line " << index;
      ASSERT_EQ(std::string(line.text), model[index].text) << context << " line " << index;
      CheckFields(line.text, separators[file % 2], context);
    }
    ASSERT_EQ(index, model.size()) << context;

    std::int32_t counted = 0;
    while (counted < static_cast<std::int32_t>(model.size()) &&
           !(model[static_cast<std::size_t>(counted)].text.empty() &&
             !model[static_cast<std::size_t>(counted)].too_long)) {
      ++counted;
    }
    MemoryByteSource count_source(bytes, piece);
    ASSERT_EQ(CountRecords(count_source), counted) << context;

    // A reader that refuses a random row, over a source that may break.
    const std::int32_t refuse = static_cast<std::int32_t>(random() % 8);
    const std::size_t break_at = random() % 4 == 0 ? random() % (bytes.size() + 1) : std::string::npos;
    MemoryByteSource read_source(bytes, piece, break_at);
    const ReadResult result =
        ReadRecords(read_source, counted, [refuse](const Line&, std::int32_t row) {
          return row == refuse ? ReadResult{rc::InvalidInputRecord, 0, 1, 0} : kLineAccepted;
        });
    if (result.code == rc::Success) {
      ASSERT_EQ(result.records, counted) << context;
      ASSERT_EQ(result.row, -1) << context;
    } else {
      ASSERT_TRUE(result.code == rc::InvalidInputRecord || result.code == rc::UnexpectedFailure)
          << context;
      ASSERT_GE(result.row, 1) << context;
      ASSERT_LE(result.row, counted) << context;
      ASSERT_EQ(result.records, result.row - 1) << context;
    }
  }
}
}  // namespace
